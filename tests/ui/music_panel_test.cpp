#include "ui/panels/music_panel.h"

#include <QCheckBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QListView>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include <signal.h>


#include "app/qt_text.h"
#include "support/make_audio.h"
#include "ui/support/window_fixture.h"
#include "ui/workers/music_playback.h"
#include "util/info_log.h"

namespace pictavo {
namespace {

bool processRuns(pid_t pid) { return pid > 0 && ::kill(pid, 0) == 0; }

// The file a player child plays: the last argument of its command line.
// Empty when the process is gone, also halfway through reading.
QString playedFile(pid_t pid) {
  QFile in(QStringLiteral("/proc/%1/cmdline").arg(pid));
  if (!in.open(QIODevice::ReadOnly)) return {};
  QByteArray all = in.readAll();
  if (all.isEmpty()) return {};
  all.chop(1);
  return QString::fromUtf8(all.mid(all.lastIndexOf('\0') + 1));
}

class MusicPanelTest : public test::WindowTest {
 protected:
  MusicPanelTest() { setenv("SDL_AUDIODRIVER", "dummy", 1); }

  QString makeTrack(const QString& name, double seconds) {
    QString path = file(name);
    EXPECT_EQ(test::makeSineAudio(path.toStdString(), seconds, "-c:a libmp3lame"), "");
    return path;
  }
  void addTracks(const QStringList& paths) {
    prompts.choices.enqueue(paths);
    button(QStringLiteral("添加"))->click();
  }
  MusicPanel& panel() { return window->musicPanel(); }
  QPushButton* button(const QString& text) {
    for (auto* b : panel().findChildren<QPushButton*>())
      if (b->text() == text) return b;
    ADD_FAILURE() << "no button " << text.toStdString();
    return nullptr;
  }
  QCheckBox* box(const QString& text) {
    for (auto* b : panel().findChildren<QCheckBox*>())
      if (b->text() == text) return b;
    ADD_FAILURE() << "no box " << text.toStdString();
    return nullptr;
  }
  QListView* list() { return panel().findChild<QListView*>(QStringLiteral("musicList")); }
  int rows() { return list()->model()->rowCount(); }
  QString line(int row) { return list()->model()->index(row, 0).data().toString(); }
  int selectedRow() {
    auto selected = list()->selectionModel()->selectedRows();
    return selected.isEmpty() ? -1 : selected.first().row();
  }
  void select(int row) { list()->setCurrentIndex(list()->model()->index(row, 0)); }
  pid_t player() { return panel().playback().processId(); }
  QPushButton* trialButton() { return panel().findChildren<QPushButton*>().last(); }
};

// Deleting moves the selection down the list (up from the last line) and keeps a trial of
// another line running with its mark on that line; deleting the tried line stops it.
TEST_F(MusicPanelTest, DeletingMovesSelectionAndTrialMark) {
  addTracks({makeTrack("a.mp3", 30), makeTrack("b.mp3", 30), makeTrack("c.mp3", 30)});
  ASSERT_EQ(rows(), 3);
  EXPECT_TRUE(line(0).startsWith(QStringLiteral("a.mp3") + QString(103, QLatin1Char(' ')) +
                                 QStringLiteral(" 44100Hz     00:00:30")))
      << line(0).toStdString();
  select(2);
  button(QStringLiteral("试听"))->click();
  EXPECT_EQ(trialButton()->text(), QStringLiteral("停止"));
  EXPECT_TRUE(line(2).endsWith(QStringLiteral(" 试听中")));
  const pid_t pid = player();
  ASSERT_TRUE(processRuns(pid));

  select(0);
  button(QStringLiteral("删除"))->click();
  ASSERT_EQ(rows(), 2);
  EXPECT_EQ(selectedRow(), 0);
  EXPECT_TRUE(line(1).startsWith(QStringLiteral("c.mp3")));
  EXPECT_TRUE(line(1).endsWith(QStringLiteral(" 试听中")));
  EXPECT_FALSE(line(0).endsWith(QStringLiteral(" 试听中")));
  EXPECT_EQ(player(), pid);
  EXPECT_TRUE(processRuns(pid));

  // The Delete key in the list, on the last line, which is the tried one.
  window->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  select(1);
  list()->setFocus();
  QTest::keyClick(list(), Qt::Key_Delete);
  ASSERT_EQ(rows(), 1);
  EXPECT_EQ(pictureCount(), 0);
  EXPECT_EQ(selectedRow(), 0);
  EXPECT_EQ(trialButton()->text(), QStringLiteral("试听"));
  EXPECT_FALSE(processRuns(pid));

  button(QStringLiteral("删除"))->click();
  EXPECT_EQ(rows(), 0);
  EXPECT_FALSE(button(QStringLiteral("删除"))->isEnabled());
  EXPECT_FALSE(trialButton()->isEnabled());
  session.undoStack().undo();
  EXPECT_EQ(rows(), 1);
  EXPECT_TRUE(line(0).startsWith(QStringLiteral("b.mp3")));

  // A track named by a video settings file is added once, then only selected.
  for (const char* name : {"a.mp3", "b.mp3", "a.mp3"}) panel().selectOrAddTrack(toCore(file(name)));
  ASSERT_EQ(rows(), 2);
  EXPECT_TRUE(line(1).startsWith(QStringLiteral("a.mp3")));
  EXPECT_EQ(selectedRow(), 1);
}

// Automatic pause and looping exclude each other; the music switch stops a trial.
TEST_F(MusicPanelTest, OptionsInterlockAndMusicOffStopsTheTrial) {
  addPictures(makePictures(3));
  addTracks({makeTrack("a.mp3", 20)});
  const ProjectSettings& s = session.project().settings;
  QCheckBox* autoPause = box(QStringLiteral("根据背景音乐自动调整图片停顿时间"));
  QCheckBox* looping = box(QStringLiteral("当音频长度 > 视频长度时, 图片循环播放"));
  autoPause->click();
  EXPECT_TRUE(s.autoPause);
  EXPECT_FALSE(s.customPauseText.empty());
  looping->click();
  EXPECT_TRUE(looping->isChecked());
  EXPECT_FALSE(autoPause->isChecked());
  EXPECT_TRUE(s.loopPictures);
  EXPECT_FALSE(s.autoPause);
  EXPECT_TRUE(s.customPauseText.empty());
  EXPECT_EQ(s.pauseFrames, 50);

  select(0);
  button(QStringLiteral("试听"))->click();
  const pid_t pid = player();
  ASSERT_TRUE(processRuns(pid));
  box(QStringLiteral("加背景音乐"))->click();
  EXPECT_FALSE(s.musicOn);
  EXPECT_FALSE(processRuns(pid));
  EXPECT_EQ(trialButton()->text(), QStringLiteral("试听"));
  for (QWidget* w : std::initializer_list<QWidget*>{list(), looping, button(QStringLiteral("添加")), trialButton()})
    EXPECT_FALSE(w->isEnabled());
  session.undoStack().undo();
  EXPECT_TRUE(box(QStringLiteral("加背景音乐"))->isChecked());
  EXPECT_TRUE(button(QStringLiteral("添加"))->isEnabled());
}

// A track's tempo joins its line once its beats are found in the background; changes on
// the beat, the fades and the levelling are each one undo step.
TEST_F(MusicPanelTest, TempoInTheLineAndMusicOptionsAreUndoSteps) {
  QString clicks = file(QStringLiteral("clicks.mp3"));
  ASSERT_EQ(test::makeClickTrack(clicks.toStdString(), 120, 20, "-c:a libmp3lame"), "");
  addTracks({clicks});
  QTRY_VERIFY_WITH_TIMEOUT(!panel().findingBeats(), 20000);
  EXPECT_TRUE(line(0).endsWith(QStringLiteral("120 BPM"))) << line(0).toStdString();

  auto* style = panel().findChild<QToolButton*>();
  ASSERT_TRUE(style);
  EXPECT_EQ(style->accessibleName(), style->text());
  EXPECT_LE(style->geometry().right(), panel().width()) << "the new controls fit the panel";

  const ProjectSettings& s = session.project().settings;
  QCheckBox* beat = box(QStringLiteral("按节拍切换图片"));
  EXPECT_EQ(beat->accessibleName(), beat->text());
  const int steps = session.undoStack().count();
  beat->click();
  EXPECT_TRUE(s.beatChanges);
  EXPECT_EQ(session.undoStack().count(), steps + 1);
  session.undoStack().undo();
  EXPECT_FALSE(s.beatChanges);
  EXPECT_FALSE(beat->isChecked());

  auto* fadeOutLength = panel().findChild<QDoubleSpinBox*>();
  for (auto* spin : panel().findChildren<QDoubleSpinBox*>())
    if (spin->accessibleName() == QStringLiteral("淡出长度")) fadeOutLength = spin;
  fadeOutLength->setValue(3.5);
  EXPECT_EQ(s.fadeOutMs, 0) << "a fade that is off keeps only its box's length";
  box(QStringLiteral("结尾淡出"))->click();
  EXPECT_EQ(s.fadeOutMs, 3500);
  box(QStringLiteral("统一各首音乐的音量"))->click();
  EXPECT_TRUE(s.levelTracks);
  session.undoStack().undo();
  session.undoStack().undo();
  EXPECT_EQ(s.fadeOutMs, 0);
  EXPECT_FALSE(s.levelTracks);
  EXPECT_FALSE(box(QStringLiteral("结尾淡出"))->isChecked());
}

// A track that cannot be played here goes to the desktop's program for MP3 files, and the
// user learns why that failed too (xdg-open's status 2: the file does not exist); the
// information window keeps the player's own reason.
TEST_F(MusicPanelTest, TrialOfAMissingFileFallsBackAndTellsWhy) {
  QString path = makeTrack("gone.mp3", 1);
  addTracks({path});
  QFile::remove(path);
  select(0);
  takeKeptInfoMessages();
  button(QStringLiteral("试听"))->click();
  std::vector<std::string> log = takeKeptInfoMessages();
  ASSERT_EQ(log.size(), 1u);
  EXPECT_TRUE(fromCore(log[0]).contains(QStringLiteral("gone.mp3"))) << fromCore(log[0]).toStdString();
  ASSERT_TRUE(QTest::qWaitFor([&] { return !prompts.shown.isEmpty(); }, 20000));
  EXPECT_EQ(prompts.shown[0].title, QStringLiteral("错误"));
  EXPECT_EQ(prompts.shown[0].text, QStringLiteral("无法试听, 错误返回值: 2"));
  EXPECT_EQ(trialButton()->text(), QStringLiteral("试听"));
}

// The preview stops a trial, plays every track once in list order and then nothing.
TEST_F(MusicPanelTest, PreviewPlaysTheTracksInOrderThenStops) {
  QStringList tracks = {makeTrack("t1.mp3", 1), makeTrack("t2.mp3", 1), makeTrack("t3.mp3", 1)};
  addTracks(tracks);
  select(1);
  button(QStringLiteral("试听"))->click();
  window->previewMusic().startPreviewMusic();
  EXPECT_EQ(trialButton()->text(), QStringLiteral("试听"));

  QStringList played;
  auto sample = [&] {
    QString now = playedFile(player());
    if (!now.isEmpty() && (played.isEmpty() || played.last() != now)) played << now;
    return !panel().playback().isPlaying();
  };
  ASSERT_TRUE(QTest::qWaitFor(sample, 30000));
  EXPECT_EQ(played, tracks);
  window->previewMusic().stopPreviewMusic();
  EXPECT_EQ(player(), -1);
}

}  // namespace
}  // namespace pictavo
