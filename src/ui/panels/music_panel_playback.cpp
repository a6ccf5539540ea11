// The music panel's playing: the trial of one track, its fallback to the program the desktop
// associates with MP3 files, and the music of a preview. One player serves both.
#include <QListView>
#include <QPushButton>

#include "app/qt_text.h"
#include "app/session.h"
#include "app/user_prompts.h"
#include "ui/models/music_track_model.h"
#include "ui/panels/music_panel.h"
#include "ui/workers/associated_program.h"
#include "ui/workers/music_playback.h"
#include "util/charset.h"
#include "util/info_log.h"
#include "video/encoder_command.h"
#include "video/generation_run.h"
#include "video/timeline.h"

namespace pictavo {

void MusicPanel::toggleTrial() {
  if (model_->triedRow() >= 0)
    stopTrial();
  else
    startTrial(selectedRow());
}

void MusicPanel::startTrial(int row) {
  const auto& tracks = session_.project().settings.musicTracks;
  if (row < 0 || row >= static_cast<int>(tracks.size())) return;
  previewPlaying_ = false;
  const std::string path = tracks[row].path;
  QString reason;
  if (!playback_->play(path, &reason)) {
    logPlayerProblem(reason);
    openWithAssociatedProgram(path);
    return;
  }
  triedPath_ = path;
  model_->setTriedRow(row);
  setTrialButtonText(tr("停止"));
  updateEnabling();
}

void MusicPanel::stopTrial() {
  if (model_->triedRow() < 0) return;
  playback_->close();
  triedPath_.clear();
  model_->setTriedRow(-1);
  setTrialButtonText(tr("试听"));
  updateEnabling();
}

// After the tracks changed under a trial (undo, a project opened): the mark follows the
// tried track to its line, the nearest one when the file is in the list twice; a trial
// whose track is gone stops.
void MusicPanel::keepTrialMark() {
  const int tried = model_->triedRow();
  if (tried < 0) return;
  const auto& tracks = session_.project().settings.musicTracks;
  int best = -1;
  for (int i = 0; i < static_cast<int>(tracks.size()); ++i) {
    if (tracks[i].path == triedPath_ && (best < 0 || std::abs(i - tried) < std::abs(best - tried)))
      best = i;
  }
  if (best < 0) {
    stopTrial();
  } else {
    model_->setTriedRow(best);
  }
}

void MusicPanel::setTrialButtonText(const QString& text) {
  trial_->setText(text);
  trial_->setAccessibleName(text);
}

void MusicPanel::openWithAssociatedProgram(const std::string& path) { associated_->open(path); }

void MusicPanel::reportAssociatedProgram(int status) {
  if (status == 0) return;  // another program plays it
  if (status == kNoAssociatedProgram)
    prompts_.message(window(), QMessageBox::Warning, tr("提示"),
                     tr("无法试听：你的电脑上没有安装可以播放mp3文件的音乐播放器。"));
  else
    prompts_.message(window(), QMessageBox::Warning, tr("错误"),
                     tr("无法试听, 错误返回值: %1").arg(status));
}

// A trial that played to its end stops; a preview goes on with the next track.
void MusicPanel::playbackFinished() {
  if (previewPlaying_) {
    if (previewRunning_) {
      ++previewTrack_;
      playPreviewTrack();
    }
    return;
  }
  stopTrial();
}

// The player's reason for not playing a track, kept in the information window.
void MusicPanel::logPlayerProblem(const QString& reason) {
  if (!reason.isEmpty()) infoLog(toCore(tr("音乐播放失败:") + QStringLiteral("\r\n") + reason));
}

// A track the player could not play: the information window keeps the player's reason; a
// trial hands the track to the associated program instead, a preview goes on without music.
void MusicPanel::playbackFailed(const QString& reason) {
  logPlayerProblem(reason);
  if (previewPlaying_) {
    previewPlaying_ = false;
    return;
  }
  const std::string path = triedPath_;
  stopTrial();
  if (!path.empty()) openWithAssociatedProgram(path);
}

void MusicPanel::startPreviewMusic() {
  stopTrial();
  previewRunning_ = true;
  previewTrack_ = 0;
  playPreviewTrack();
}

void MusicPanel::playPreviewTrack() {
  playback_->close();
  previewPlaying_ = false;
  const ProjectSettings& s = session_.project().settings;
  if (!previewRunning_ || !s.musicOn || previewTrack_ >= static_cast<int>(s.musicTracks.size()))
    return;
  QString reason;
  previewPlaying_ = playback_->play(s.musicTracks[previewTrack_].path, &reason, previewFades());
  if (!previewPlaying_) logPlayerProblem(reason);
}

// The preview's music fades where the video's does.
std::string MusicPanel::previewFades() const {
  const Project& project = session_.project();
  float videoSeconds = 0;
  runPictureTotal(project, session_.preferences().loopStartEffect, &videoSeconds);
  const auto& tracks = project.settings.musicTracks;
  double trackStart = 0;
  for (int i = 0; i < previewTrack_; ++i) trackStart += tracks[i].durationMs / 1000.0;
  return trackFadeFilter(musicFiltersFor(project.settings, videoSeconds, false),
                         static_cast<size_t>(previewTrack_), trackStart,
                         tracks[previewTrack_].durationMs / 1000.0);
}

void MusicPanel::pausePreviewMusic() {
  if (previewPlaying_) playback_->pause();
}

void MusicPanel::resumePreviewMusic() {
  if (previewPlaying_) playback_->resume();
}

void MusicPanel::stopPreviewMusic() {
  previewRunning_ = false;
  if (previewPlaying_) playback_->close();
  previewPlaying_ = false;
}

}  // namespace pictavo
