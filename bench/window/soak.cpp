// Soak driver for the window: the real main window (offscreen) over a fresh session takes
// K random user actions, chosen from a seed, through its real widgets and actions, and
// from outside: a second window (a real pictavo process) on the same program folder opened
// and ended, and termination signals during a generation. After every action it checks
// that the window still answers, that the list shows the project, that undo and redo give
// back the same project, that its work folder and pictures are still there and that no
// unfinished video is left; now and then, that a saved project opens again unchanged. The
// first violation stops the run with the seed and the steps that replay it.
// Usage: bench_soak --seed N --steps K [--stall-ms MS] [--verbose]
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialog>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QDropEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QUrl>

#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "app/qt_text.h"
#include "app/session.h"
#include "app/startup_steps.h"
#include "platform/files.h"
#include "platform/folders.h"
#include "platform/interrupts.h"
#include "project/pause_table.h"
#include "support/make_audio.h"
#include "support/test_environment.h"
#include "support/test_files.h"
#include "ui/dialogs/progress_dialog.h"
#include "ui/generation_command.h"
#include "ui/information_window.h"
#include "ui/interrupt_exit.h"
#include "ui/main_window.h"
#include "ui/panels/caption_panel.h"
#include "ui/panels/option_panels.h"
#include "ui/picture_list/effect_chooser.h"
#include "ui/picture_list/picture_list_controls.h"
#include "ui/preview/preview_command.h"
#include "ui/preview/preview_window.h"
#include "ui/settings_menu.h"
#include "ui/support/project_difference.h"
#include "ui/support/scripted_prompts.h"
#include "util/paths.h"

using namespace pictavo;

namespace {

struct Options {
  unsigned seed = 1;
  int steps = 100;
  int stallMs = 500;
  bool verbose = false;
};

// Types `text` into the focused field one character at a time, as a keyboard or an input
// method would (QTest::keyClicks only knows ASCII).
void typeText(QWidget* field, const QString& text) {
  for (QChar c : text) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(field, &press);
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
    QApplication::sendEvent(field, &release);
  }
}

bool parseOptions(int argc, char** argv, Options& options) {
  for (int i = 1; i < argc; ++i) {
    auto value = [&](int& out) {
      if (i + 1 >= argc) return false;
      out = std::atoi(argv[++i]);
      return true;
    };
    int number = 0;
    if (!std::strcmp(argv[i], "--seed") && value(number)) {
      options.seed = static_cast<unsigned>(number);
    } else if (!std::strcmp(argv[i], "--steps") && value(options.steps)) {
    } else if (!std::strcmp(argv[i], "--stall-ms") && value(options.stallMs)) {
    } else if (!std::strcmp(argv[i], "--verbose")) {
      options.verbose = true;
    } else {
      return false;
    }
  }
  return options.steps > 0;
}

// The pictures, tracks and project files the actions choose from.
struct Material {
  QStringList pictures;  // readable pictures, PNG and JPEG
  QStringList volatilePictures;  // deleted and made again by the driver
  QString gif;
  QString garbagePicture;
  QString emptyPicture;
  QStringList tracks;  // a real MP3 and WAV, and a file that only claims to be an MP3
  QString garbageProject;
  QString folder;
};

Material makeMaterial(const test::TempDir& dir) {
  Material m;
  m.folder = QString::fromStdString(dir.path());
  auto file = [&](const char* name) { return QString::fromStdString(dir.file(name)); };
  static const char* kColours[] = {"red", "green", "blue", "yellow", "purple", "white"};
  for (int i = 0; i < 6; ++i) {
    bool jpeg = i % 2 == 1;
    QString path = file(("p" + std::to_string(i) + (jpeg ? ".jpg" : ".png")).c_str());
    test::writeSolidPicture(path.toStdString(), 40 + 16 * i, 30 + 9 * i, kColours[i],
                            jpeg ? "JPEG" : "PNG");
    m.pictures << path;
  }
  // A name with spaces, markup characters, quotes and Chinese.
  QString odd = file("a&b <c> \"it's\" 海边.png");
  test::writeSolidPicture(odd.toStdString(), 50, 50, "orange", "PNG");
  m.pictures << odd;
  // Pictures another program deletes and brings back while the project uses them.
  for (int i = 0; i < 2; ++i) {
    QString path = file(("gone" + std::to_string(i) + ".jpg").c_str());
    test::writeSolidPicture(path.toStdString(), 60, 40, "cyan", "JPEG");
    m.pictures << path;
    m.volatilePictures << path;
  }
  m.gif = file("anim.gif");
  test::writeGif(m.gif.toStdString(), 3, 20);
  m.garbagePicture = file("garbage.jpg");
  test::writeBytes(m.garbagePicture.toStdString(), std::string("\xff\xd8garbage\x01\x02", 12));
  m.emptyPicture = file("empty.png");
  test::writeBytes(m.emptyPicture.toStdString(), "");
  std::string failure = test::makeSineAudio(dir.file("tone.mp3"), 1.5, "-ar 44100 -ac 2 -c:a libmp3lame");
  failure += test::makeSineAudio(dir.file("tone.wav"), 1.0, "-ar 22050 -ac 1");
  if (!failure.empty()) std::fprintf(stderr, "ffmpeg: %s\n", failure.c_str());
  m.tracks << file("tone.mp3") << file("tone.wav") << file("fake.mp3");
  test::writeBytes(dir.file("fake.mp3"), "ID3 not really");
  m.garbageProject = file("garbage.dat");
  test::writeBytes(m.garbageProject.toStdString(), std::string("\x00\x01project?\xff", 12));
  return m;
}

// A no-op xdg-open first on the PATH, so that nothing the window opens reaches the desktop.
void quietDesktop(const test::TempDir& dir) {
  std::string bin = dir.file("bin");
  std::filesystem::create_directories(bin);
  test::writeBytes(bin + "/xdg-open", "#!/bin/sh\nexit 0\n");
  std::filesystem::permissions(bin + "/xdg-open", std::filesystem::perms::owner_all);
  std::string path = bin + ":" + std::getenv("PATH");
  setenv("PATH", path.c_str(), 1);
}

// What a saved project must give back: the pictures, their effects and captions. A picture
// whose file has gone since is left out when the project opens.
std::string pictureDifference(Project saved, const Project& opened) {
  std::erase_if(saved.pictures, [](const ImageItem& p) { return !fileExists(p.path); });
  if (saved.pictures.size() != opened.pictures.size())
    return "picture count " + std::to_string(saved.pictures.size()) + " became " +
           std::to_string(opened.pictures.size());
  for (size_t i = 0; i < saved.pictures.size(); ++i) {
    const ImageItem& s = saved.pictures[i];
    const ImageItem& o = opened.pictures[i];
    std::string at = " of picture " + std::to_string(i);
    if (s.path != o.path) return "path" + at + " '" + s.path + "' became '" + o.path + "'";
    if (s.animationIndex != o.animationIndex) return "effect" + at;
    if (!(s.caption == o.caption)) return "caption" + at;
  }
  return {};
}

class Soak {
 public:
  Soak(const Options& options, const Material& material, Session& session,
       test::ScriptedPrompts& prompts, MainWindow& window)
      : options_(options), m_(material), session_(session), prompts_(prompts), window_(window),
        rng_(options.seed) {
    addActions();
    watchEventLoop();
    answerModalWindows();
    // A termination signal stops what runs, as in the program, but the soak goes on.
    interrupts_ = std::make_unique<InterruptExit>(window, [this](int signal) {
      caughtSignal_ = signal;
      clearInterrupt();
    });
  }

  int run();

 private:
  using Action = std::function<void()>;
  struct NamedAction {
    const char* name;
    int weight;
    Action act;
  };

  int pick(int count) { return std::uniform_int_distribution<int>(0, count - 1)(rng_); }
  bool chance(int percent) { return pick(100) < percent; }
  template <typename T>
  T pickOf(const QList<T>& items) { return items[pick(static_cast<int>(items.size()))]; }

  void addActions();
  void watchEventLoop();
  void answerModalWindows();
  void note(const std::string& what) { steps_.back() += " " + what; }

  // Whether the user can reach the main window's controls now.
  bool windowTakesInput() const { return window_.isEnabled() && !QApplication::activeModalWidget(); }
  bool usable(QWidget* w) const { return windowTakesInput() && w->isVisible() && w->isEnabled(); }
  bool usable(QAction* a) const { return windowTakesInput() && a->isEnabled() && a->isVisible(); }
  bool settled() const { return windowTakesInput() && !window_.loadingPictures(); }
  QListView& list() const { return *window_.layoutParts().pictureList; }
  int rows() const { return list().model()->rowCount(); }

  QStringList somePictures();
  void scriptAnswers();
  void scriptChoicesFor(QAction* action);
  void trigger(QAction* action);
  void clickMenuItem(QMenu* menu);
  void clickRow(Qt::KeyboardModifiers modifiers);
  void useControlIn(QWidget* group);
  void generateSmall(const std::string& earlierVideo = {});
  void generateThenSignal();
  void secondWindow();
  bool workFolderIntact(std::string& failure) const;
  void dropFiles();
  void pressKey();
  void startGenerationClock();
  QStringList choiceFor(const QString& buttonText);
  void choose(QComboBox* box, int index);
  bool saveThenOpen(std::string& failure);
  QAction* windowAction(const QString& textStart) const;

  bool checkInvariants(std::string& failure);
  int fail(const std::string& failure);
  void pump(int ms) { QTest::qWait(ms); }

  const Options& options_;
  const Material& m_;
  Session& session_;
  test::ScriptedPrompts& prompts_;
  MainWindow& window_;
  std::mt19937 rng_;
  std::vector<NamedAction> actions_;
  std::vector<std::string> steps_;
  QStringList savedProjects_;
  int saveCount_ = 0;

  QTimer ticker_;
  QElapsedTimer sinceTick_;
  qint64 longestStall_ = 0;
  qint64 worstStallStep_ = -1;
  QTimer modalAnswerer_;
  QElapsedTimer generationTime_;
  int stopGenerationAfterMs_ = -1;

  std::unique_ptr<InterruptExit> interrupts_;
  int signalDuringRun_ = 0;  // raised once the run has gone signalAfterMs_
  int signalAfterMs_ = 0;
  int raisedSignal_ = 0;
  int caughtSignal_ = 0;
  std::string outsideFailure_;  // what an action from outside the window found wrong
};

QStringList Soak::somePictures() {
  QStringList all = m_.pictures;
  all << m_.gif << m_.garbagePicture << m_.emptyPicture << m_.folder + "/missing.png";
  QStringList chosen;
  int count = 1 + pick(6);
  for (int i = 0; i < count; ++i) chosen << (chance(75) ? pickOf(m_.pictures) : pickOf(all));
  return chosen;
}

// Questions (save changes? show the video?) get a random answer, never Yes to opening a
// video: that would start the desktop's player.
void Soak::scriptAnswers() {
  prompts_.answers.clear();
  static const QList<QMessageBox::StandardButton> kAnswers = {QMessageBox::No, QMessageBox::No,
                                                              QMessageBox::Cancel, QMessageBox::Ok};
  for (int i = 0; i < 4; ++i) prompts_.answers.enqueue(pickOf(kAnswers));
}

// The file chooser answers what the action asks for (or, now and then, cancels).
void Soak::scriptChoicesFor(QAction* action) {
  prompts_.choices.clear();
  if (chance(10)) return;
  const ToolbarActions& bar = window_.toolbarActions();
  const PictureListMenu& menu = window_.pictureControls().menu();
  const ProjectMenu& project = window_.projectMenu();
  if (action == bar.addPictures || action == menu.add || action == menu.insert) {
    prompts_.choices.enqueue(somePictures());
  } else if (action == bar.importAnimation) {
    prompts_.choices.enqueue({chance(80) ? m_.gif : m_.garbagePicture});
  } else if (action == project.open) {
    QStringList files = savedProjects_;
    files << m_.garbageProject << m_.folder + "/missing.dat";
    prompts_.choices.enqueue({pickOf(files)});
  } else if (action == project.save || action == project.saveAs) {
    prompts_.choices.enqueue({m_.folder + QStringLiteral("/project%1.dat").arg(saveCount_++ % 4)});
  } else if (action == bar.generate) {
    prompts_.choices.enqueue(choiceFor(QStringLiteral("生成视频")));
  }
}

void Soak::trigger(QAction* action) {
  note((action->text().isEmpty() ? action->objectName() : action->text()).toStdString());
  if (!usable(action)) {
    note("(disabled)");
    return;
  }
  scriptAnswers();
  scriptChoicesFor(action);
  action->trigger();
}

// Opens `menu` where a user would and clicks one of its items that is enabled then.
void Soak::clickMenuItem(QMenu* menu) {
  pump(5);
  if (!menu->isVisible()) {
    note("(menu did not open)");
    return;
  }
  QList<QAction*> items;
  for (QAction* a : menu->actions())
    if (!a->isSeparator() && a->isEnabled() && !a->menu()) items << a;
  if (items.isEmpty() || chance(5)) {
    note("(closed)");
    menu->hide();
    return;
  }
  QAction* item = pickOf(items);
  note(item->text().toStdString());
  scriptAnswers();
  scriptChoicesFor(item);
  QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
  if (menu->isVisible()) menu->hide();
}

void Soak::clickRow(Qt::KeyboardModifiers modifiers) {
  if (!usable(&list()) || rows() == 0) return;
  int row = pick(rows());
  note(std::to_string(row));
  QModelIndex index = list().model()->index(row, 0);
  list().scrollTo(index);
  QTest::mouseClick(list().viewport(), Qt::LeftButton, modifiers, list().visualRect(index).center());
}

void Soak::choose(QComboBox* box, int index) {
  note(box->accessibleName().toStdString() + "=" + std::to_string(index));
  box->setCurrentIndex(index);
}

// One of the group's controls, as a user would use it: a box ticked, a list entry chosen,
// text typed or cleared, a button pressed.
void Soak::useControlIn(QWidget* group) {
  QList<QWidget*> controls;
  for (QWidget* w : group->findChildren<QWidget*>()) {
    bool control = qobject_cast<QCheckBox*>(w) || qobject_cast<QComboBox*>(w) ||
                   qobject_cast<QLineEdit*>(w) || qobject_cast<QPushButton*>(w) ||
                   qobject_cast<QListView*>(w);
    if (control && usable(w)) controls << w;
  }
  if (controls.isEmpty()) return;
  QWidget* w = pickOf(controls);
  note(w->accessibleName().toStdString());
  scriptAnswers();
  prompts_.choices.clear();
  if (auto* box = qobject_cast<QCheckBox*>(w)) {
    QTest::mouseClick(box, Qt::LeftButton, {}, QPoint(6, box->height() / 2));
  } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
    if (combo->count() > 0) choose(combo, pick(combo->count()));
  } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
    if (edit->isReadOnly()) return;
    static const QStringList kTexts = {
        QStringLiteral("春天"), QStringLiteral("a"), QStringLiteral("Holiday 2024 — 海边"),
        QStringLiteral("12"), QStringLiteral("<b>&amp; \"x\" 'y'</b>"), QStringLiteral("Ω😀é"),
        QStringLiteral("%s %n \\ ]]>")};
    edit->setFocus();
    if (chance(40)) {
      edit->selectAll();
      QTest::keyClick(edit, Qt::Key_Backspace);
      note("cleared");
    } else {
      typeText(edit, pickOf(kTexts));
    }
  } else if (auto* button = qobject_cast<QPushButton*>(w)) {
    prompts_.choices.enqueue(choiceFor(button->text()));
    if (button->text() == QStringLiteral("生成视频")) startGenerationClock();
    button->click();
  } else if (auto* view = qobject_cast<QListView*>(w)) {
    int count = view->model()->rowCount();
    if (count > 0) {
      QModelIndex index = view->model()->index(pick(count), 0);
      QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(index).center());
    }
  }
}

// The files a panel button's chooser is answered with: tracks for the music list, a video
// name for a generation, a picture (or a broken one) for the logo and the cover.
QStringList Soak::choiceFor(const QString& buttonText) {
  if (buttonText == QStringLiteral("添加")) {
    QStringList tracks;
    for (int i = pick(3); i >= 0; --i) tracks << pickOf(m_.tracks);
    return tracks;
  }
  if (buttonText == QStringLiteral("生成视频")) return {m_.folder + QStringLiteral("/video.mp4")};
  QStringList files = m_.pictures;
  files << m_.garbagePicture << m_.gif;
  return {pickOf(files)};
}

// A generation is stopped after a random time, or left to finish (within 20 seconds).
void Soak::startGenerationClock() {
  stopGenerationAfterMs_ = chance(70) ? pick(3000) : 20000;
  generationTime_.start();
}

// A generation at the smallest size, stopped after a random time or left to finish, over
// `earlierVideo` when given (else where no video is).
void Soak::generateSmall(const std::string& earlierVideo) {
  QComboBox* sizes = nullptr;
  for (QComboBox* box : window_.layoutParts().outputGroup->findChildren<QComboBox*>())
    if (box->findText(QStringLiteral("480 x  270"), Qt::MatchContains) >= 0) sizes = box;
  if (sizes && usable(sizes))
    choose(sizes, sizes->findText(QStringLiteral("480 x  270"), Qt::MatchContains));
  startGenerationClock();
  std::string video = m_.folder.toStdString() + "/video.mp4";
  std::filesystem::remove(video);
  if (!earlierVideo.empty()) test::writeBytes(video, earlierVideo);
  trigger(window_.toolbarActions().generate);
  if (std::filesystem::exists(video) && test::readBytes(video) != earlierVideo) note("(video made)");
}

// SIGTERM, SIGINT or SIGHUP while the video is made: the run stops as if 停止 was pressed,
// and the earlier video of that name stays as it was.
void Soak::generateThenSignal() {
  static const int kSignals[] = {SIGTERM, SIGINT, SIGHUP};
  const std::string earlier = "an earlier video";
  signalDuringRun_ = kSignals[pick(3)];
  signalAfterMs_ = pick(2000);
  raisedSignal_ = caughtSignal_ = 0;
  note("signal " + std::to_string(signalDuringRun_));
  generateSmall(earlier);
  signalDuringRun_ = 0;
  if (!raisedSignal_) return;  // the run was refused or ended first
  (void)QTest::qWaitFor([&] { return caughtSignal_ != 0; }, 2000);  // judged below
  std::string video = m_.folder.toStdString() + "/video.mp4";
  note(caughtSignal_ == raisedSignal_ ? "(stopped by it)" : "(not handled)");
  if (caughtSignal_ != raisedSignal_)
    outsideFailure_ = "signal " + std::to_string(raisedSignal_) + " was not handled";
  else if (test::readBytes(video) != earlier)
    outsideFailure_ = "the signalled run replaced the earlier video";
}

// Whether the process `pid` has a handler for SIGTERM: its window is up.
bool catchesTermination(qint64 pid) {
  std::ifstream status("/proc/" + std::to_string(pid) + "/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("SigCgt:", 0) == 0)
      return (std::stoull(line.substr(7), nullptr, 16) >> (SIGTERM - 1)) & 1;
  return false;
}

// Another pictavo on the same program folder, opened and ended by SIGTERM (it removes its
// own work folder on the way out) or SIGKILL (its folder stays until the next window
// starts and finds its lock free). This window's work folder and pictures stay.
void Soak::secondWindow() {
  QProcess other;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
  environment.insert(QStringLiteral("PICTAVO_RECORD_PROMPTS"), m_.folder + "/second-window.txt");
  environment.insert(QStringLiteral("ASAN_OPTIONS"), QStringLiteral("detect_leaks=0"));
  other.setProcessEnvironment(environment);
  other.setProcessChannelMode(QProcess::ForwardedErrorChannel);
  other.start(QStringLiteral(PICTAVO_PATH), {});
  if (!other.waitForStarted(10000)) {
    note("(did not start)");
    return;
  }
  qint64 pid = other.processId();
  bool ready = QTest::qWaitFor(
      [&] { return other.state() == QProcess::NotRunning || catchesTermination(pid); }, 60000);
  if (other.state() == QProcess::NotRunning) {
    outsideFailure_ = "the second window ended by itself with status " + std::to_string(other.exitCode());
    return;
  }
  if (!ready) note("(never ready)");
  bool killed = chance(30);
  note(killed ? "killed" : "terminated");
  ::kill(static_cast<pid_t>(pid), killed ? SIGKILL : SIGTERM);
  if (!QTest::qWaitFor([&] { return other.state() == QProcess::NotRunning; }, 60000)) {
    outsideFailure_ = "the second window did not end";
    other.kill();
    other.waitForFinished();
  } else if (!killed && (other.exitStatus() != QProcess::NormalExit || other.exitCode() != 143)) {
    outsideFailure_ = "the second window ended on SIGTERM with status " +
                      std::to_string(other.exitCode()) + " (crashed: " +
                      std::to_string(other.exitStatus() == QProcess::CrashExit) + ")";
  }
  std::string left = programFolders().sharedTemp + "/" + std::to_string(pid) + "-";
  for (const auto& entry : std::filesystem::directory_iterator(*toFsName(programFolders().sharedTemp)))
    if (!killed && entry.path().string().rfind(*toFsName(left), 0) == 0)
      outsideFailure_ = "the second window left its work folder " + entry.path().string();
}

// This window's work folder and the pictures the project keeps in it are still there, and
// no run left an unfinished video.
bool Soak::workFolderIntact(std::string& failure) const {
  if (!folderExists(programFolders().temp) || programFolders().temp == programFolders().sharedTemp) {
    failure = "the window's work folder " + programFolders().temp + " is gone";
    return false;
  }
  for (const ImageItem& picture : session_.project().pictures) {
    if (isInsideFolder(picture.path, programFolders().sharedTemp) && !fileExists(picture.path)) {
      failure = "the picture " + picture.path + " of the work folder is gone";
      return false;
    }
  }
  if (!windowTakesInput()) return true;
  for (const auto& entry : std::filesystem::directory_iterator(m_.folder.toStdString())) {
    if (entry.path().filename().string().rfind(".pictavo-", 0) == 0) {
      failure = "an unfinished video was left: " + entry.path().string();
      return false;
    }
  }
  return true;
}

// Files dragged from a file manager onto the window.
void Soak::dropFiles() {
  if (!windowTakesInput()) return;
  QList<QUrl> urls;
  for (const QString& path : somePictures()) urls << QUrl::fromLocalFile(path);
  if (chance(10)) urls << QUrl(QStringLiteral("https://example.invalid/a.jpg"));
  note(std::to_string(urls.size()));
  QMimeData data;
  data.setUrls(urls);
  QPoint at(400, 300);
  QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&window_, &enter);
  if (!enter.isAccepted()) return;
  QDropEvent drop(QPointF(at), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&window_, &drop);
}

// The window's keys, pressed while the picture list has the focus.
void Soak::pressKey() {
  if (!windowTakesInput()) return;
  struct Key {
    const char* name;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
  };
  static const Key kKeys[] = {{"Delete", Qt::Key_Delete, Qt::NoModifier},
                              {"Ctrl+D", Qt::Key_D, Qt::ControlModifier},
                              {"Ctrl+Left", Qt::Key_Left, Qt::ControlModifier},
                              {"Ctrl+Right", Qt::Key_Right, Qt::ControlModifier},
                              {"Ctrl+Z", Qt::Key_Z, Qt::ControlModifier},
                              {"Ctrl+Y", Qt::Key_Y, Qt::ControlModifier},
                              {"F5", Qt::Key_F5, Qt::NoModifier},
                              {"Escape", Qt::Key_Escape, Qt::NoModifier},
                              {"Right", Qt::Key_Right, Qt::NoModifier},
                              {"Shift+End", Qt::Key_End, Qt::ShiftModifier}};
  const Key& key = kKeys[pick(static_cast<int>(std::size(kKeys)))];
  note(key.name);
  scriptAnswers();
  prompts_.choices.clear();
  list().setFocus();
  QTest::keyClick(&list(), key.key, key.modifiers);
}

QAction* Soak::windowAction(const QString& textStart) const {
  for (QAction* a : window_.actions())
    if (a->text().startsWith(textStart)) return a;
  return nullptr;
}

void Soak::addActions() {
  const ToolbarActions& bar = window_.toolbarActions();
  auto toolbarAction = [this](QAction* a) { return [this, a] { trigger(a); }; };
  actions_ = {
      {"add pictures", 8, toolbarAction(bar.addPictures)},
      {"add pictures while loading", 3,
       [this] {
         QStringList files = somePictures();
         note(std::to_string(files.size()) + (window_.loadingPictures() ? " (loading)" : ""));
         if (windowTakesInput()) window_.addPictureFiles(files);
       }},
      {"import animation", 1, toolbarAction(bar.importAnimation)},
      {"remove selected", 3, toolbarAction(bar.removePictures)},
      {"turn left", 2, toolbarAction(bar.turnLeft)},
      {"turn right", 2, toolbarAction(bar.turnRight)},
      {"move left", 2, toolbarAction(bar.moveLeft)},
      {"move right", 2, toolbarAction(bar.moveRight)},
      {"load product", 1, toolbarAction(bar.loadProduct)},
      {"gif mode", 1, toolbarAction(bar.gifMode)},
      {"about", 1, toolbarAction(bar.about)},
      {"desktop shortcut", 1, toolbarAction(bar.shortcut)},
      {"website", 1, toolbarAction(bar.website)},
      {"user guide", 1, toolbarAction(bar.userGuide)},
      {"click row", 8, [this] { clickRow({}); }},
      {"shift-click row", 3, [this] { clickRow(Qt::ShiftModifier); }},
      {"ctrl-click row", 3, [this] { clickRow(Qt::ControlModifier); }},
      {"select all", 2,
       [this] {
         if (usable(&list())) QTest::keyClick(&list(), Qt::Key_A, Qt::ControlModifier);
       }},
      {"select none", 2,
       [this] {
         if (usable(&list())) list().selectionModel()->clearSelection();
       }},
      {"context menu", 10,
       [this] {
         if (!usable(&list())) return;
         QPoint at(5 + pick(std::max(1, list().viewport()->width() - 10)),
                   5 + pick(std::max(1, list().viewport()->height() - 10)));
         if (rows() > 0 && chance(70))
           at = list().visualRect(list().model()->index(pick(rows()), 0)).center();
         QContextMenuEvent press(QContextMenuEvent::Mouse, at, list().viewport()->mapToGlobal(at));
         QApplication::sendEvent(list().viewport(), &press);
         clickMenuItem(window_.pictureControls().menu().menu);
       }},
      {"project menu", 4,
       [this] {
         if (!windowTakesInput()) return;
         QMenu* m = window_.projectMenu().menu;
         m->popup(window_.mapToGlobal(QPoint(10, 40)));
         clickMenuItem(m);
       }},
      {"settings menu", 3,
       [this] {
         if (!windowTakesInput()) return;
         QMenu* m = window_.settingsMenu().menu();
         m->popup(window_.mapToGlobal(QPoint(300, 40)));
         clickMenuItem(m);
       }},
      {"choose effect", 5,
       [this] {
         EffectChooser& chooser = window_.pictureControls().effectChooser();
         if (!usable(&chooser)) return;
         int entry = pick(chooser.count());
         note(std::to_string(entry));
         chooser.setCurrentIndex(entry);
         emit chooser.activated(entry);
       }},
      {"caption text", 5,
       [this] {
         QLineEdit* edit = window_.optionPanels().caption().textEdit();
         if (!usable(edit)) return;
         edit->setFocus();
         if (chance(30)) {
           edit->selectAll();
           QTest::keyClick(edit, Qt::Key_Backspace);
           note("cleared");
         } else {
           static const QStringList kCaptions = {QStringLiteral("海边的日落"), QStringLiteral("Day 1"),
                                                 QStringLiteral("<i>&lt;&\"'</i>"),
                                                 QStringLiteral("😀 Ωé ]]> %d")};
           typeText(edit, pickOf(kCaptions));
         }
       }},
      {"caption panel", 5, [this] { useControlIn(window_.layoutParts().captionGroup); }},
      {"logo panel", 3, [this] { useControlIn(window_.layoutParts().logoGroup); }},
      {"music panel", 5, [this] { useControlIn(window_.layoutParts().musicGroup); }},
      {"cover panel", 3, [this] { useControlIn(window_.layoutParts().coverGroup); }},
      {"output panel", 3, [this] { useControlIn(window_.layoutParts().outputGroup); }},
      {"undo", 5,
       [this] {
         if (QAction* a = windowAction(QStringLiteral("撤销"))) trigger(a);
       }},
      {"redo", 3,
       [this] {
         if (QAction* a = windowAction(QStringLiteral("重做"))) trigger(a);
       }},
      {"undo burst", 2,
       [this] {
         QAction* undo = windowAction(QStringLiteral("撤销"));
         QAction* redo = windowAction(QStringLiteral("重做"));
         if (!undo || !redo) return;
         for (int i = pick(6); i >= 0; --i) trigger(chance(60) ? undo : redo);
       }},
      {"preview", 2,
       [this] {
         trigger(window_.toolbarActions().preview);
         PreviewWindow* shown = window_.previewCommand().window();
         if (shown && shown->isVisible()) note("(shown)");
       }},
      {"preview effect (F5)", 1,
       [this] {
         if (windowTakesInput() && rows() > 0) window_.previewPictureEffect(pick(rows()));
       }},
      {"close preview", 4,
       [this] {
         PreviewWindow* shown = window_.previewCommand().window();
         if (shown && shown->isVisible()) shown->close();
       }},
      {"click preview", 1,
       [this] {
         PreviewWindow* shown = window_.previewCommand().window();
         if (shown && shown->isVisible()) QTest::mouseClick(shown, Qt::LeftButton);
       }},
      {"generate", 2, [this] { generateSmall(); }},
      {"generate, then a signal", 1, [this] { generateThenSignal(); }},
      {"second window", 1, [this] { secondWindow(); }},
      {"information window", 1,
       [this] {
         if (windowTakesInput()) emit window_.informationWindowToggleRequested();
       }},
      {"drop files", 2, [this] { dropFiles(); }},
      {"delete or restore a picture file", 2,
       [this] {
         std::string path = pickOf(m_.volatilePictures).toStdString();
         if (std::filesystem::exists(path)) {
           std::filesystem::remove(path);
           note("deleted");
         } else {
           test::writeSolidPicture(path, chance(50) ? 60 : 300, 40, "cyan", "JPEG");
           note("restored");
         }
       }},
      {"key", 4, [this] { pressKey(); }},
      {"wait", 3, [this] { pump(50 + pick(400)); }},
  };
}

// The longest time the window's thread went without running a 1 ms timer.
void Soak::watchEventLoop() {
  ticker_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&ticker_, &QTimer::timeout, [this] {
    qint64 gap = sinceTick_.restart();
    if (gap > longestStall_) {
      longestStall_ = gap;
      worstStallStep_ = static_cast<qint64>(steps_.size());
    }
  });
  sinceTick_.start();
  ticker_.start(1);
}

// Dialogs that hold their own event loop (custom size, loop start, caption margins) are
// answered, and a running generation is stopped when its time is up.
void Soak::answerModalWindows() {
  QObject::connect(&modalAnswerer_, &QTimer::timeout, [this] {
    ProgressDialog* progress = window_.generationCommand().progressDialog();
    if (progress && progress->isVisible()) {
      if (signalDuringRun_) {  // the signal stops this run, not the button
        if (generationTime_.elapsed() > signalAfterMs_) {
          raisedSignal_ = std::exchange(signalDuringRun_, 0);
          std::raise(raisedSignal_);
        }
        return;
      }
      QPushButton* stop = progress->stopButton();
      if (generationTime_.elapsed() > stopGenerationAfterMs_ && stop->isEnabled()) stop->click();
      return;
    }
    if (QWidget* popup = QApplication::activePopupWidget()) {
      if (qobject_cast<QMenu*>(popup) == nullptr) popup->close();
      return;
    }
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (dialog && dialog->isVisible()) chance(30) ? dialog->accept() : dialog->reject();
  });
  modalAnswerer_.start(40);
}

bool Soak::saveThenOpen(std::string& failure) {
  const ProjectMenu& menu = window_.projectMenu();
  emit menu.menu->aboutToShow();
  QAction* save = menu.saveAs->isEnabled() ? menu.saveAs : menu.save;
  if (!save->isEnabled()) return true;
  const std::string& current = session_.project().path;
  bool inPlace = save == menu.save && !current.empty();
  QString path = inPlace ? fromCore(current) : m_.folder + QStringLiteral("/roundtrip.dat");
  std::filesystem::remove(path.toStdString());
  prompts_.answers.clear();
  prompts_.choices.clear();
  prompts_.choices.enqueue({path});
  save->trigger();
  if (!std::filesystem::exists(path.toStdString())) {
    failure = "saving the project to " + path.toStdString() + " wrote no file";
    return false;
  }
  savedProjects_ << path;
  Project saved = session_.project();
  prompts_.answers.clear();
  prompts_.answers.enqueue(QMessageBox::No);
  prompts_.choices.clear();
  prompts_.choices.enqueue({path});
  menu.open->trigger();
  pump(20);
  failure = pictureDifference(saved, session_.project());
  if (!failure.empty()) failure = "saved and opened project differs: " + failure;
  if (failure.empty() && !(saved.settings == session_.project().settings))
    failure = "saved and opened project's options differ:" +
              test::projectDifference(saved, session_.project());
  return failure.empty();
}

bool Soak::checkInvariants(std::string& failure) {
  if (!outsideFailure_.empty()) {
    failure = outsideFailure_;
    return false;
  }
  if (!workFolderIntact(failure)) return false;
  if (sinceTick_.elapsed() > options_.stallMs || longestStall_ > options_.stallMs) {
    failure = "the window did not run a 1 ms timer for " +
              std::to_string(std::max(longestStall_, sinceTick_.elapsed())) + " ms (step " +
              std::to_string(worstStallStep_) + ")";
    return false;
  }
  int pictures = static_cast<int>(session_.project().pictures.size());
  if (rows() != pictures) {
    failure = "list shows " + std::to_string(rows()) + " rows for " + std::to_string(pictures) +
              " pictures";
    return false;
  }
  for (const QModelIndex& index : list().selectionModel()->selectedIndexes()) {
    if (!index.isValid() || index.row() >= pictures) {
      failure = "selection names row " + std::to_string(index.row()) + " of " + std::to_string(pictures);
      return false;
    }
  }
  if (settled() && session_.undoStack().canUndo()) {
    std::string change = test::undoThenRedoChange(session_);
    if (!change.empty()) {
      failure = "undo then redo changed the project: " + change;
      return false;
    }
  }
  return true;
}

int Soak::fail(const std::string& failure) {
  std::printf("FAILED at step %zu: %s\n", steps_.size(), failure.c_str());
  std::printf("replay: bench_soak --seed %u --steps %zu\n", options_.seed, steps_.size());
  for (const std::string& step : steps_) std::printf("  %s\n", step.c_str());
  std::fflush(stdout);
  return 1;
}

int Soak::run() {
  int total = 0;
  for (const NamedAction& a : actions_) total += a.weight;
  for (int step = 1; step <= options_.steps; ++step) {
    int roll = pick(total);
    const NamedAction* action = &actions_.front();
    for (const NamedAction& a : actions_) {
      if (roll < a.weight) {
        action = &a;
        break;
      }
      roll -= a.weight;
    }
    steps_.push_back(std::to_string(step) + ": " + action->name +
                     (window_.loadingPictures() ? " [loading]" : ""));
    sinceTick_.restart();
    action->act();
    pump(pick(30));
    if (options_.verbose) std::printf("%s\n", steps_.back().c_str());
    std::string failure;
    if (!checkInvariants(failure)) return fail(failure);
    if (step % 25 == 0 && settled()) {
      steps_.back() += " + save and open";
      if (!saveThenOpen(failure)) return fail(failure);
    }
    sinceTick_.restart();
  }
  // The program ends as a user ends it: asked about unsaved changes, answering No.
  PreviewWindow* shown = window_.previewCommand().window();
  if (shown && shown->isVisible()) shown->close();
  if (!QTest::qWaitFor([&] { return windowTakesInput() && !window_.loadingPictures(); }, 30000))
    return fail("the window still held after the last step");
  steps_.push_back("exit");
  prompts_.answers.clear();
  prompts_.answers.enqueue(QMessageBox::No);
  if (!window_.exitProgram()) return fail("the exit sequence did not end the program");
  std::printf("seed %u: %d steps done, %zu pictures at the end, longest stall %lld ms (step %lld)\n",
              options_.seed, options_.steps, session_.project().pictures.size(),
              static_cast<long long>(longestStall_), static_cast<long long>(worstStallStep_));
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  Options options;
  if (!parseOptions(argc, argv, options)) {
    std::fprintf(stderr, "usage: %s --seed N --steps K [--stall-ms MS] [--verbose]\n", argv[0]);
    return 2;
  }
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  // The desktop shortcut lands in a home of the run's own.
  test::TempDir home("pictavo-soak-home");
  setenv("HOME", home.path().c_str(), 1);
  setenv("XDG_DESKTOP_DIR", home.file("Desktop").c_str(), 1);
  test::TestEnvironment environment;
  if (!environment.ready()) return 1;
  QApplication app(argc, argv);
  if (auto failure = prepareWorkFolders()) {
    std::fprintf(stderr, "work folders could not be prepared\n");
    return 1;
  }
  buildEffectTable();
  test::TempDir dir("pictavo-soak");
  quietDesktop(dir);
  Material material = makeMaterial(dir);

  int code = 0;
  {
    Session session;
    session.project().settings.selectPause(kDefaultPauseIndex);
    test::ScriptedPrompts prompts;
    MainWindow window(session, prompts);
    attachInformationWindow(window);
    window.show();
    window.activateWindow();
    Soak soak(options, material, session, prompts, window);
    code = soak.run();
    PreviewWindow* shown = window.previewCommand().window();
    if (shown && shown->isVisible()) shown->close();
  }
  return code;
}
