#include "ui/main_window.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QDropEvent>
#include <QListView>
#include <QMenu>
#include <QMimeData>
#include <QProgressDialog>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QUrl>

#include <sys/stat.h>

#include "app/qt_text.h"
#include "imaging/gif_frames.h"
#include "platform/files.h"
#include "platform/folders.h"
#include "platform/work_folder.h"
#include "ui/desktop_shortcut.h"
#include "ui/project_commands.h"
#include "ui/project_menu.h"
#include "ui/status_bar.h"
#include "support/held_folder.h"
#include "ui/support/window_fixture.h"
#include "ui/toolbar.h"
#include "ui/tray_icon.h"
#include "util/charset.h"
#include "util/paths.h"

namespace pictavo {
namespace {

using test::WindowTest;

TEST_F(WindowTest, StartsWithTheProgramTitleFixedSizeAndStartTexts) {
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Pictavo(V8.2)"));
  EXPECT_EQ(window->size(), QSize(1019, 666));
  EXPECT_EQ(window->statusParts().pictureCountText(), QStringLiteral("0 张图片"));

  // Screen readers (and these tests) find every button by the label it shows.
  for (auto* button : window->findChildren<QAbstractButton*>()) {
    if (button->objectName() == QStringLiteral("qt_toolbar_ext_button")) continue;
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(button);
    ASSERT_NE(spoken, nullptr);
    EXPECT_EQ(spoken->text(QAccessible::Name), button->text().remove(QLatin1Char('&')));
  }

  // F2 asks for the information window, wherever the focus is in the window.
  window->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  QSignalSpy toggles(window.get(), &MainWindow::informationWindowToggleRequested);
  QTest::keyClick(window->layoutParts().pictureList, Qt::Key_F2);
  EXPECT_EQ(toggles.count(), 1);
}

// A program path with a space, quote, dollar and percent still starts the program.
TEST(DesktopShortcut, QuotesTheProgramPathForTheLauncher) {
  QString text = desktopLauncherText(QStringLiteral("/opt/my \"x\" $5 %u/pictavo"),
                                     QStringLiteral("/opt/my"), QStringLiteral("pictavo"));
  EXPECT_TRUE(text.contains(QStringLiteral("\nExec=\"/opt/my \\\"x\\\" \\$5 %%u/pictavo\"\n")))
      << text.toStdString();
  EXPECT_TRUE(text.startsWith(QStringLiteral("[Desktop Entry]\nType=Application\nName=Pictavo\n")));
}

// Which buttons work follows the list and the selection; adding and undoing moves both ways.
TEST_F(WindowTest, ToolbarFollowsTheListAndTheSelection) {
  const ToolbarActions& a = window->toolbarActions();
  const QList<QAction*> needPictures = {a.preview, a.generate};
  const QList<QAction*> needSelection = {a.removePictures, a.turnLeft, a.turnRight, a.moveLeft,
                                         a.moveRight};
  auto enabledCount = [](const QList<QAction*>& actions) {
    return std::count_if(actions.begin(), actions.end(), [](QAction* x) { return x->isEnabled(); });
  };
  EXPECT_EQ(enabledCount(needPictures), 0);
  EXPECT_EQ(enabledCount(needSelection), 0);
  EXPECT_TRUE(a.addPictures->isEnabled());

  addPictures(makePictures(3));
  EXPECT_EQ(pictureCount(), 3);
  EXPECT_EQ(window->statusParts().pictureCountText(), QStringLiteral("3 张图片"));
  EXPECT_NE(window->statusParts().videoLengthText(), QStringLiteral("视频长度: 00:00:00"));
  EXPECT_EQ(enabledCount(needPictures), 2);
  EXPECT_EQ(enabledCount(needSelection), 0);

  // Ctrl+A on a button selects every picture (nothing can move then); Delete in the list
  // removes them.
  QTest::keyClick(window->findChild<QToolBar*>()->widgetForAction(a.about), Qt::Key_A,
                  Qt::ControlModifier);
  EXPECT_EQ(enabledCount(needSelection), 3);
  QTest::keyClick(window->layoutParts().pictureList, Qt::Key_Delete);
  EXPECT_EQ(pictureCount(), 0);
  EXPECT_EQ(enabledCount(needPictures), 0);

  session.undoStack().undo();
  EXPECT_EQ(pictureCount(), 3);
  session.undoStack().undo();
  EXPECT_EQ(pictureCount(), 0);
}

TEST_F(WindowTest, SaveItemsFollowPicturesChangesAndTheWorkFolder) {
  const ProjectMenu& menu = window->projectMenu();
  auto state = [&] {
    updateProjectMenu(menu, session.project());
    return std::make_pair(menu.save->isEnabled(), menu.saveAs->isEnabled());
  };
  EXPECT_EQ(state(), std::make_pair(false, false));  // empty list

  addPictures(makePictures(2));
  EXPECT_EQ(state(), std::make_pair(true, false));  // changed, never saved

  prompts.choices.enqueue({file(QStringLiteral("album"))});
  ASSERT_TRUE(window->projectCommands().save());
  EXPECT_EQ(session.project().path, toCore(file(QStringLiteral("album.dat"))));
  EXPECT_EQ(state(), std::make_pair(false, true));  // saved and unchanged

  std::string workPicture = joinPath(programFolders().temp, "frame.png");
  ASSERT_TRUE(makeFolders(programFolders().temp));
  test::writeSolidPicture(*toFsName(workPicture), 16, 16, "red", "PNG");
  addPictures({fromCore(workPicture)});
  EXPECT_EQ(state(), std::make_pair(true, false));  // a picture only the work folder holds
}

// New, save, open and the unsaved-changes question, through real project files.
TEST_F(WindowTest, ProjectCommandsRoundTripThroughFiles) {
  addPictures(makePictures(2));
  prompts.choices.enqueue({file(QStringLiteral("one.dat"))});
  ASSERT_TRUE(window->projectCommands().saveAs());
  addPictures(makePictures(1));

  // Cancel keeps everything; No discards; Yes saves first.
  prompts.answers.enqueue(QMessageBox::Cancel);
  window->projectMenu().newProject->trigger();
  EXPECT_EQ(pictureCount(), 3);
  prompts.answers.enqueue(QMessageBox::No);
  window->projectMenu().newProject->trigger();
  EXPECT_EQ(pictureCount(), 0);
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Pictavo(V8.2) - 新项目"));
  session.undoStack().undo();  // "新建" is undone like any other change
  EXPECT_EQ(pictureCount(), 3);
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Pictavo(V8.2) - one.dat"));
  session.undoStack().redo();
  EXPECT_EQ(pictureCount(), 0);

  prompts.choices.enqueue({file(QStringLiteral("one.dat"))});
  window->projectMenu().open->trigger();
  EXPECT_EQ(pictureCount(), 2);  // the file holds what was saved, not the unsaved third
  EXPECT_EQ(window->windowTitle(), QStringLiteral("Pictavo(V8.2) - one.dat"));

  addPictures(makePictures(1));
  prompts.answers.enqueue(QMessageBox::Yes);
  window->projectMenu().newProject->trigger();
  EXPECT_TRUE(window->openProjectFile(file(QStringLiteral("one.dat"))));
  EXPECT_EQ(pictureCount(), 3);
  for (const auto& m : prompts.shown) EXPECT_EQ(m.text, QStringLiteral("项目已更改，是否保存更改？"));
}

TEST_F(WindowTest, ABrokenOrMissingProjectFileShowsTheReasonAndKeepsTheWindowAsItWas) {
  test::writeBytes(dir.file("broken.dat"), "{ not json");
  for (const QString& path : {file(QStringLiteral("broken.dat")), file(QStringLiteral("none.dat"))}) {
    prompts.shown.clear();
    EXPECT_FALSE(window->openProjectFile(path));
    ASSERT_EQ(prompts.shown.size(), 1);
    EXPECT_EQ(prompts.shown[0].title, QStringLiteral("提示"));
    EXPECT_EQ(pictureCount(), 0);
    EXPECT_TRUE(window->isEnabled());
  }
  EXPECT_EQ(prompts.shown[0].text, QStringLiteral("读取文件时出错, 无法打开文件句柄"));
}

// Of a dropped folder, pipe, text file and pictures only the pictures are added, at once.
TEST_F(WindowTest, DroppingAddsOnlyReadablePictureFiles) {
  QStringList dropped = makePictures(4);
  dropped.insert(2, file(QStringLiteral("notes.txt")));
  test::writeBytes(dir.file("notes.txt"), "hello");
  ASSERT_EQ(::mkfifo(dir.file("pipe.png").c_str(), 0600), 0);
  ASSERT_TRUE(QDir().mkpath(file(QStringLiteral("folder.jpg"))));
  dropped << file(QStringLiteral("pipe.png")) << file(QStringLiteral("folder.jpg"));

  auto* data = new QMimeData;
  QList<QUrl> urls;
  for (const QString& path : dropped) urls << QUrl::fromLocalFile(path);
  data->setUrls(urls);
  // As a desktop delivers a drop: the drag enters the list, then drops there.
  QWidget* list = window->layoutParts().pictureList->viewport();
  QSignalSpy loaded(window.get(), &MainWindow::picturesLoaded);
  QDragEnterEvent enter(QPoint(50, 50), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(list, &enter);
  QDropEvent drop(QPointF(50, 50), Qt::CopyAction, data, Qt::LeftButton, Qt::NoModifier);
  QCoreApplication::sendEvent(list, &drop);
  delete data;
  // The pictures are added once the drop has completed.
  EXPECT_EQ(pictureCount(), 0);
  EXPECT_TRUE(loaded.wait(10000));
  EXPECT_EQ(pictureCount(), 4);
}

// A full list takes what fits and then says so; a drop onto it says so at once.
TEST_F(WindowTest, AFullListShowsTheLimitMessage) {
  session.project().maxPictures = 2;
  addPictures(makePictures(3));
  EXPECT_EQ(pictureCount(), 2);
  addPictures(makePictures(1));
  EXPECT_EQ(pictureCount(), 2);
  ASSERT_EQ(prompts.shown.size(), 2);
  for (const auto& m : prompts.shown) EXPECT_EQ(m.text, QStringLiteral("最多可以添加 2 张图片"));
}

// Closing with "hide to the tray" where the desktop has no tray exits instead; the exit
// still asks about unsaved changes, stores the folders and removes the window's own work
// folder, but nothing of another window or of a command-line run on the same program folder.
TEST_F(WindowTest, ExitSequenceAsksStoresFoldersAndRemovesOnlyItsOwnWorkFolder) {
  ASSERT_FALSE(TrayIcon::available());  // the offscreen platform has none
  session.preferences().closeButtonHides = 1;
  window->show();
  addPictures(makePictures(1));
  std::string error;
  ASSERT_TRUE(claimOwnWorkFolder(&error)) << error;
  std::string shared = *toFsName(programFolders().sharedTemp);
  test::HeldFolder otherWindow(shared + "/4343-1700000000");
  test::writeBytes(shared + "/4343-1700000000/frame.jpg", "x");
  test::writeBytes(shared + "/cover.jpg", "x");
  std::string own = *toFsName(programFolders().temp);
  std::string leftover = own + "/left.jpg";
  test::writeBytes(leftover, "x");

  prompts.answers.enqueue(QMessageBox::Cancel);
  window->close();
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(prompts.titles(), QStringList{QStringLiteral("询问")});

  session.preferences().imageFolder = gbk("/somewhere/pictures");
  prompts.answers.enqueue(QMessageBox::No);
  window->trayIcon().exitAction()->trigger();
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(prompts.shown.size(), 2);
  std::string stored;
  EXPECT_TRUE(session.store().readString("file_dlg_choose_image", &stored));
  EXPECT_EQ(stored, gbk("/somewhere/pictures"));
  EXPECT_FALSE(std::filesystem::exists(own));
  EXPECT_TRUE(std::filesystem::exists(shared + "/4343-1700000000/frame.jpg"));
  EXPECT_TRUE(std::filesystem::exists(shared + "/cover.jpg"));
  std::filesystem::remove_all(shared + "/4343-1700000000");
  std::filesystem::remove(shared + "/cover.jpg");
}

TEST_F(WindowTest, ImportAnimationAddsEveryFrameOrSaysWhyNot) {
  test::writeGif(dir.file("anim.gif"), 12, 10);
  test::writeBytes(dir.file("fake.gif"), "GIF89a but not really");
  makePictures(1);
  struct Case {
    const char* file;
    int added;
    QStringList titles;
  };
  const Case cases[] = {
      {"anim.gif", 12, {}},
      {"p1.png", 0, {QStringLiteral("提示")}},
      {"fake.gif", 0, {QStringLiteral("错误")}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    int before = pictureCount();
    prompts.shown.clear();
    prompts.choices.enqueue({file(QString::fromUtf8(c.file))});
    window->toolbarActions().importAnimation->trigger();
    EXPECT_EQ(pictureCount() - before, c.added);
    EXPECT_EQ(prompts.titles(), c.titles);
  }
  EXPECT_TRUE(isInsideFolder(session.project().pictures.back().path, programFolders().temp));
  // The selection information follows the import: nothing is selected.
  EXPECT_EQ(window->statusParts().messageText(), QString());
  EXPECT_EQ(fromCore(importingFramesText(7, 120)), QStringLiteral("导入图片:   7 / 120"));
}

// The frame files in the work folder: imported frames live there until the project is
// saved. The image library's own short-lived temporaries (magick-*) do not count.
int workFiles() {
  QDir work(fromCore(programFolders().temp));
  const QStringList frames{QStringLiteral("*.jpg"), QStringLiteral("*.png")};
  return static_cast<int>(work.entryList(frames, QDir::Files).size());
}

// "取消" keeps nothing of the import, neither pictures nor frame files; a full list keeps
// the frames it took and no file of the frame it refused.
TEST_F(WindowTest, AnAnimationImportLeavesNoFrameOutsideTheList) {
  test::writeGif(dir.file("long.gif"), 20, 10);
  test::writeGif(dir.file("short.gif"), 12, 10);
  addPictures(makePictures(1));
  int steps = session.undoStack().count();
  int files = workFiles();
  QTimer canceller;
  QObject::connect(&canceller, &QTimer::timeout, [&] {
    if (auto* progress = window->findChild<QProgressDialog*>(QStringLiteral("workProgress")))
      emit progress->canceled();
  });
  canceller.start(5);
  prompts.choices.enqueue({file(QStringLiteral("long.gif"))});
  window->toolbarActions().importAnimation->trigger();
  canceller.stop();
  EXPECT_EQ(pictureCount(), 1);
  EXPECT_EQ(session.undoStack().count(), steps);
  EXPECT_EQ(workFiles(), files);

  session.project().maxPictures = 4;
  prompts.choices.enqueue({file(QStringLiteral("short.gif"))});
  window->toolbarActions().importAnimation->trigger();
  EXPECT_EQ(pictureCount(), 4);
  EXPECT_EQ(workFiles(), files + 3);
  EXPECT_EQ(prompts.titles(), QStringList{QStringLiteral("提示")});
}

TEST_F(WindowTest, SettingsMenuWritesItsPreferencesAtOnce) {
  QMenu* menu = window->toolbarActions().settings->menu();
  auto submenu = [menu](const QString& title) -> QMenu* {
    emit menu->aboutToShow();
    for (QAction* action : menu->actions())
      if (action->menu() && action->text() == title) return action->menu();
    return nullptr;
  };
  QMenu* closing = submenu(QStringLiteral("关闭窗口时"));
  ASSERT_NE(closing, nullptr);
  closing->actions()[1]->trigger();
  int32_t value = 0;
  EXPECT_TRUE(session.store().readNumber("click_close_button_status", &value));
  EXPECT_EQ(value, 1);
  // Without a tray the item says why closing will exit anyway.
  EXPECT_TRUE(closing->actions()[1]->text().contains(QStringLiteral("没有系统托盘")));

  // The frame pipe: raw until the JPEG item is chosen, which the next generation follows.
  QMenu* pipe = submenu(QStringLiteral("视频画面传送方式"));
  ASSERT_NE(pipe, nullptr);
  EXPECT_TRUE(pipe->actions()[0]->isChecked());
  pipe->actions()[1]->trigger();
  EXPECT_EQ(session.preferences().framePipe, FramePipe::Mjpeg);
  EXPECT_TRUE(session.store().readNumber("video_frame_pipe", &value));
  EXPECT_EQ(value, 1);
  EXPECT_TRUE(submenu(QStringLiteral("视频画面传送方式"))->actions()[1]->isChecked());
}

}  // namespace
}  // namespace pictavo
