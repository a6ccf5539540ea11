#include "ui/picture_list/picture_list_controls.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <set>

#include "app/qt_text.h"
#include "effects/effect_names.h"
#include "project/effect_choice.h"
#include "ui/commands/project_edit_command.h"
#include "ui/picture_list/caption_badges.h"
#include "ui/picture_list/effect_chooser.h"
#include "ui/picture_list/list_geometry.h"
#include "ui/picture_list/list_selection.h"
#include "ui/status_bar.h"
#include "ui/support/window_fixture.h"
#include "ui/toolbar.h"
#include "util/info_log.h"

namespace pictavo {
namespace {

class PictureListControlsTest : public test::WindowTest {
 protected:
  // A shown, active window with `count` pictures, each with a caption at the middle.
  void showWithPictures(int count) {
    window->show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    if (count > 0) addPictures(makePictures(count));
    ASSERT_EQ(pictureCount(), count);
    for (ImageItem& item : session.project().pictures) {
      item.caption.mode = 1;
      item.caption.text = "caption";
    }
  }
  QListView* list() const { return window->layoutParts().pictureList; }
  const PictureListMenu& menu() const { return window->pictureControls().menu(); }
  EffectChooser& chooser() const { return window->pictureControls().effectChooser(); }

  // A left click on the picture, with `modifiers` (Ctrl adds it to the selection).
  void click(int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QRect item = list()->visualRect(list()->model()->index(row, 0));
    QTest::mouseClick(list()->viewport(), Qt::LeftButton, modifiers, item.center());
  }
  void select(const std::vector<int>& rows) {
    list()->clearSelection();
    for (int row : rows) click(row, Qt::ControlModifier);
    ASSERT_EQ(selectedRows(list()), rows);
  }
  int visibleBadges() const {
    int shown = 0;
    for (QLabel* label : list()->viewport()->findChildren<QLabel*>(QStringLiteral("captionBadge")))
      shown += label->isVisibleTo(window.get()) ? 1 : 0;
    return shown;
  }
  void setCaptionsOn(bool on) {
    editProject(session, QStringLiteral("文字"), [on](Project& p) { p.settings.captionsOn = on; });
  }
};

// The first picture has "无动画": the entry after it is a dash line, then the first effect.
TEST_F(PictureListControlsTest, EffectChooserIgnoresDashLinesAndSetsAChosenEffect) {
  showWithPictures(3);
  click(0);
  ASSERT_TRUE(chooser().isVisible());
  EXPECT_EQ(chooser().currentText(), QStringLiteral("无动画"));
  int steps = session.undoStack().count();

  QTest::keyClick(&chooser(), Qt::Key_Down);
  EXPECT_TRUE(chooser().currentText().startsWith(QStringLiteral("---")));
  EXPECT_EQ(session.project().pictures[0].animationIndex, kNoAnimation);
  EXPECT_EQ(session.undoStack().count(), steps);

  QTest::keyClick(&chooser(), Qt::Key_Down);
  EXPECT_EQ(session.project().pictures[0].animationName, toCore(QStringLiteral("淡入淡出")));
  EXPECT_EQ(session.project().pictures[0].animationIndex, effectIndexByName(toCore(QStringLiteral("淡入淡出"))));
  EXPECT_TRUE(list()->model()->index(0, 0).data().toString().contains(QStringLiteral("淡入淡出")));
  EXPECT_EQ(session.undoStack().count(), steps + 1);
  EXPECT_FALSE(chooser().isVisible());

  // Only over the one focused picture: two selected pictures have no chooser.
  click(1);
  EXPECT_TRUE(chooser().isVisible());
  EXPECT_EQ(chooser().currentText(), fromCore(session.project().pictures[1].animationName));
  click(2, Qt::ControlModifier);
  EXPECT_FALSE(chooser().isVisible());
}

// The chooser floats over the list and waits, like the list's menu, while pictures are
// added (the list still scrolls): an effect chosen then would be lost when the load is
// undone.
TEST_F(PictureListControlsTest, EffectChooserWaitsWhilePicturesAreAdded) {
  showWithPictures(2);
  click(0);
  ASSERT_TRUE(chooser().isVisible());
  int steps = session.undoStack().count();
  window->addPictureFiles(makePictures(3));
  ASSERT_TRUE(window->loadingPictures());
  EXPECT_FALSE(chooser().isEnabled());
  EXPECT_TRUE(list()->verticalScrollBar()->isEnabled());
  QTest::keyClick(&chooser(), Qt::Key_End);
  ASSERT_TRUE(QTest::qWaitFor([&] { return !window->loadingPictures(); }, 60000));
  EXPECT_TRUE(chooser().isEnabled());
  EXPECT_EQ(session.undoStack().count(), steps + 1);  // the load alone

  session.undoStack().undo();
  EXPECT_EQ(pictureCount(), 2);
}

// A badge for each visible picture whose caption shows, at most twelve, only with captions on.
TEST_F(PictureListControlsTest, CaptionBadgesFollowCaptionsAndTheCaptionsSwitch) {
  showWithPictures(14);
  session.project().pictures[1].caption.text = "  \t ";  // only blanks: no caption
  session.project().pictures[2].caption.mode = 0;
  EXPECT_EQ(visibleBadges(), 0);
  setCaptionsOn(true);
  EXPECT_EQ(visibleBadges(), 10);  // positions 0..11 but the two without a caption
  editProject(session, QStringLiteral("移除"), [](Project& p) { p.pictures.resize(5); });
  EXPECT_EQ(visibleBadges(), 3);
  session.undoStack().undo();
  session.undoStack().undo();
  EXPECT_EQ(visibleBadges(), 0);
}

// Scrolling hides the badges; once it stops they belong to the pictures now in view.
TEST_F(PictureListControlsTest, CaptionBadgesFollowScrolling) {
  list()->setWrapping(false);  // one row of pictures, as the window shows them
  showWithPictures(40);
  setCaptionsOn(true);
  QScrollBar* bar = list()->horizontalScrollBar();
  ASSERT_TRUE(QTest::qWaitFor([&] { return bar->maximum() > 0; }));
  bar->setValue(bar->maximum());
  EXPECT_EQ(visibleBadges(), 0);
  ASSERT_TRUE(QTest::qWaitFor([&] { return visibleBadges() > 0; }));
  int first = firstVisibleRow(list());
  EXPECT_GT(first, 0);
  EXPECT_EQ(visibleBadges(), std::min(12, 40 - first));
}

// Each corner's badge lies over that corner of the thumbnail, in both caption modes.
TEST(CaptionBadgePlacement, BadgesSitInTheirCaptionsCorner) {
  const QRect thumbnail(20, 10, 144, 144);
  for (int mode : {1, 2}) {
    for (int location = 0; location < 9; ++location) {
      QRect badge(badgePosition(thumbnail, thumbnail, location, mode), QSize(28, 16));
      SCOPED_TRACE(location);
      EXPECT_TRUE(thumbnail.contains(badge));
      bool left = location == 0 || location == 1 || location == 5 || location == 6;
      bool right = location == 2 || location == 3 || location == 7 || location == 8;
      bool top = location == 0 || location == 2 || location == 5 || location == 7;
      int across = left ? -1 : right ? 1 : 0;
      int fromCentre = badge.center().x() - thumbnail.center().x();
      EXPECT_EQ((fromCentre > 1) - (fromCentre < -1), across);
      EXPECT_EQ(badge.center().y() < thumbnail.center().y(), top);
    }
  }
}

// What the context menu (opened by a right click) and the toolbar offer for each list and
// selection.
TEST_F(PictureListControlsTest, MenuAndToolbarFollowTheListAndSelection) {
  struct Case {
    int pictures;
    std::vector<int> selected;
    bool captionsOn;
    QStringList menuEnabled;  // besides "添加图片"
    QStringList toolbarEnabled;
    QString status;
  };
  const QStringList all = {"移除全部\tCtrl+D", "更换一组动画"};
  const QStringList selection = {"插入图片", "移除选中", "图片动感", "设置为封面", "预览该图片动画\tF5"};
  const QStringList captions = {"自动贴边对角排列文字", "自动贴边交叉排列文字", "自动不贴边对角排列文字",
                                "自动不贴边交叉排列文字", "自动中间下方排列文字"};
  const QStringList shuffle = {"随机排列图片"};
  const QStringList same = {"全部设置为该动画"};
  const QStringList removeTurn = {"移除图片", "图片左转", "图片右转"};
  const Case cases[] = {
      {0, {}, true, {}, {}, ""},
      {1, {}, true, all + captions, {}, ""},
      {1, {0}, false, all + selection + same, removeTurn, "尺寸: 64 x 48"},
      {3, {0}, false, all + selection + shuffle + same, removeTurn + QStringList{"向右移动"}, "尺寸: 64 x 48"},
      {3, {1}, true, all + selection + shuffle + same + captions,
       removeTurn + QStringList{"向左移动", "向右移动"}, "尺寸: 64 x 48"},
      {3, {1, 2}, true, all + selection + shuffle + captions, removeTurn + QStringList{"向左移动"},
       "选中了 2 张图片"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.pictures * 10 + static_cast<int>(c.selected.size()));
    window = std::make_unique<MainWindow>(session, prompts);
    session.undoStack().clear();
    session.project().clear();
    showWithPictures(c.pictures);
    setCaptionsOn(c.captionsOn);
    if (!c.selected.empty()) select(c.selected);

    QContextMenuEvent rightClick(QContextMenuEvent::Mouse, QPoint(5, 5),
                                 list()->viewport()->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(list()->viewport(), &rightClick);
    ASSERT_TRUE(menu().menu->isVisible());
    QStringList enabled;
    for (QAction* action : menu().menu->actions()) {
      if (!action->isSeparator() && action->isEnabled() && action != menu().add &&
          action != menu().undo && action != menu().redo)
        enabled << action->text();
    }
    menu().menu->hide();
    EXPECT_EQ(std::set<QString>(enabled.begin(), enabled.end()),
              std::set<QString>(c.menuEnabled.begin(), c.menuEnabled.end()));
    EXPECT_TRUE(menu().add->isEnabled());

    QStringList buttons;
    const ToolbarActions& t = window->toolbarActions();
    for (QAction* action : {t.removePictures, t.turnLeft, t.turnRight, t.moveLeft, t.moveRight})
      if (action->isEnabled()) buttons << action->text();
    EXPECT_EQ(buttons, c.toolbarEnabled);
    QString status = window->statusParts().messageText();
    EXPECT_EQ(status.left(c.status.size()), c.status);
    EXPECT_EQ(status.endsWith(QStringLiteral("秒")), c.selected.size() == 1) << status.toStdString();
  }
}

// A picture that can no longer be read shows no line and is reported once each time it is
// selected, not again at every later edit.
TEST_F(PictureListControlsTest, AnUnreadablePictureIsReportedOncePerSelection) {
  showWithPictures(2);
  test::writeBytes(dir.file("p1.png"), "no longer a picture");
  const std::string report = toCore(QStringLiteral("无法识别的图片:\r\n") + file(QStringLiteral("p1.png")));
  takeKeptInfoMessages();
  click(0);
  EXPECT_EQ(window->statusParts().messageText(), QString());
  window->toolbarActions().turnRight->trigger();
  EXPECT_EQ(session.project().pictures[0].turnAngle, 90);
  EXPECT_EQ(takeKeptInfoMessages(), std::vector<std::string>{report});
  click(1);
  EXPECT_TRUE(window->statusParts().messageText().startsWith(QStringLiteral("尺寸: 64 x 48, 类型: PNG 图片")));
  click(0);
  EXPECT_EQ(takeKeptInfoMessages(), std::vector<std::string>{report});
}

// Every command is one step: undo gives back the project exactly as it was before, redo
// exactly as it was after; moved pictures stay selected.
TEST_F(PictureListControlsTest, EachCommandIsOneExactUndoStep) {
  seedEffectChoice(7);
  showWithPictures(4);
  setCaptionsOn(true);
  const PictureListMenu& m = menu();
  const ToolbarActions& t = window->toolbarActions();
  auto trigger = [](QAction* action) { return [action] { action->trigger(); }; };
  auto key = [this](Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
    return [this, k, mods] { QTest::keyClick(list(), k, mods); };
  };
  struct Case {
    const char* name;
    std::vector<int> selected;
    std::function<void()> command;
    std::vector<int> selectedAfter;
  };
  const Case cases[] = {
      {"turn left", {1, 2}, trigger(t.turnLeft), {1, 2}},
      {"turn right", {3}, trigger(t.turnRight), {3}},
      {"move left", {1, 2}, key(Qt::Key_Left, Qt::ControlModifier), {0, 1}},
      {"move right", {1}, key(Qt::Key_Right, Qt::ControlModifier), {2}},
      {"random order", {0}, trigger(m.randomOrder), {0}},
      {"new effect set", {}, trigger(m.newEffectSet), {}},
      {"same effect", {2}, trigger(m.sameEffectForAll), {2}},
      {"flush diagonal", {}, trigger(m.flushDiagonal), {}},
      {"flush crossing", {}, trigger(m.flushCrossing), {}},
      {"inset diagonal", {}, trigger(m.insetDiagonal), {}},
      {"inset crossing", {}, trigger(m.insetCrossing), {}},
      {"middle bottom", {}, trigger(m.middleBottom), {}},
      {"cover", {2}, trigger(m.setAsCover), {2}},
      {"own motion", {1, 3}, trigger(m.motions[1 + static_cast<int>(Motion::ZoomIn)]), {1, 3}},
      {"effect chooser", {1}, [this] { QTest::keyClick(&chooser(), Qt::Key_Home); }, {1}},
      {"remove selected", {0, 2}, key(Qt::Key_Delete), {}},
      {"remove all", {}, key(Qt::Key_D, Qt::ControlModifier), {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.name == std::string("flush diagonal") || c.name == std::string("middle bottom"))
      for (ImageItem& item : session.project().pictures) item.caption.location = 7;
    select(c.selected);
    ProjectContent before = ProjectContent::of(session.project());
    int steps = session.undoStack().index();
    c.command();
    ProjectContent after = ProjectContent::of(session.project());
    ASSERT_NE(after, before);
    EXPECT_EQ(session.undoStack().index(), steps + 1);
    EXPECT_EQ(selectedRows(list()), c.selectedAfter);
    session.undoStack().undo();
    EXPECT_EQ(ProjectContent::of(session.project()), before);
    session.undoStack().redo();
    EXPECT_EQ(ProjectContent::of(session.project()), after);
    session.undoStack().undo();  // the next command starts from four pictures again
  }

  // A picture with its own motion says so in the list; following the project again drops it.
  select({1});
  m.motions[1 + static_cast<int>(Motion::Auto)]->trigger();
  const QModelIndex second = list()->model()->index(1, 0);
  EXPECT_TRUE(second.data().toString().endsWith(QStringLiteral(" · 自动"))) << second.data().toString().toStdString();
  m.motions[0]->trigger();
  EXPECT_FALSE(second.data().toString().contains(QStringLiteral("·")));

  // F5 asks to preview the focused picture's effect.
  QSignalSpy previews(window.get(), &MainWindow::pictureEffectPreviewRequested);
  select({2});
  QTest::keyClick(list(), Qt::Key_F5);
  ASSERT_EQ(previews.count(), 1);
  EXPECT_EQ(previews[0][0].toInt(), 2);
}

}  // namespace
}  // namespace pictavo
