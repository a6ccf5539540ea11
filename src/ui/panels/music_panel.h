// The background-music panel: the music switch and its two rules (automatic pause time,
// picture looping), the track list, adding and deleting tracks, trial playback of a track
// and the music of a preview. Every change of tracks or options is an undo step; the
// panel shows the project again after each change of the undo history (showProject).
#pragma once

#include <QString>
#include <QWidget>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "ui/preview/preview_music.h"

class QCheckBox;
class QDoubleSpinBox;
class QListView;
class QPushButton;
class QToolButton;

namespace pictavo {

class AssociatedProgram;
class BeatAnalysisTask;
class FileChoosers;
class MusicPlayback;
class MusicTrackModel;
class Session;
class UserPrompts;
struct MusicTrack;

class MusicPanel : public QWidget, public PreviewMusic {
  Q_OBJECT

 public:
  MusicPanel(Session& session, UserPrompts& prompts, FileChoosers& choosers, QWidget* parent);
  ~MusicPanel() override;

  // Fills the boxes and the list from the project (signals blocked). A trial keeps its
  // mark on its track's line, or stops when that track is gone.
  void showProject();

  // Makes `path` (internal text) the selected track, adding it at the end first when the
  // list does not hold it and it is a usable MP3: a video settings file names one track.
  void selectOrAddTrack(const std::string& path);

  // The preview's music.
  void startPreviewMusic() override;
  void pausePreviewMusic() override;
  void resumePreviewMusic() override;
  void stopPreviewMusic() override;

  const MusicPlayback& playback() const { return *playback_; }

  // Gives the list the focus, on the line of `row` when there is one (a refused run
  // points at the track it could not use).
  void focusTrack(int row);

  // Until the beats of every track are known (they are found in the background).
  bool findingBeats() const;

 signals:
  // The beats of more tracks are known: lengths with changes on the beat may have changed.
  void beatsFound();

 private:
  void buildControls();
  void connectControls();
  void updateEnabling();
  int selectedRow() const;
  void selectRow(int row);

  void switchMusic(bool on);
  void switchAutoPause(bool on);
  void switchLooping(bool on);
  void buildMusicStyleControls();
  void connectMusicStyleControls();
  void showMusicStyle();
  void switchBeatChanges(bool on);
  void setFade(bool in);
  void switchLevel(bool on);
  void findMissingBeats();
  void addTracks();
  void appendTracks(const std::vector<MusicTrack>& tracks);
  void removeSelectedTrack();

  void toggleTrial();
  void startTrial(int row);
  void stopTrial();
  void keepTrialMark();
  void setTrialButtonText(const QString& text);
  void openWithAssociatedProgram(const std::string& path);
  void reportAssociatedProgram(int status);
  void playbackFinished();
  void playbackFailed(const QString& reason);
  void logPlayerProblem(const QString& reason);
  void playPreviewTrack();
  std::string previewFades() const;

  Session& session_;
  UserPrompts& prompts_;
  FileChoosers& choosers_;
  QCheckBox* musicOn_;
  QCheckBox* autoPause_;
  QCheckBox* looping_;
  QCheckBox* beatChanges_;
  QToolButton* musicStyle_;  // opens the fades and the levelling
  QCheckBox* fadeIn_;
  QDoubleSpinBox* fadeInSeconds_;
  QCheckBox* fadeOut_;
  QDoubleSpinBox* fadeOutSeconds_;
  QCheckBox* level_;
  QListView* list_;
  MusicTrackModel* model_;
  QPushButton* add_;
  QPushButton* remove_;
  QPushButton* trial_;
  MusicPlayback* playback_;
  AssociatedProgram* associated_;

  std::string triedPath_;  // the track of the trial; its line is model_->triedRow()
  bool previewRunning_ = false;
  bool previewPlaying_ = false;  // the player plays a preview track, not a trial
  int previewTrack_ = 0;
  std::unique_ptr<BeatAnalysisTask> beatTask_;
  std::set<std::string> beatsAsked_;  // tracks whose beats have been looked for
};

}  // namespace pictavo
