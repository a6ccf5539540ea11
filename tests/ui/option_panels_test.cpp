// The option panels on the real window: what each control changes in the project, the
// logo and cover file checks, and that every change is one undo step shown again on undo.
#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QLabel>
#include <QListView>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/qt_text.h"
#include "ui/commands/project_edit_command.h"
#include "ui/dialogs/custom_size_dialog.h"
#include "ui/panels/caption_panel.h"
#include "ui/panels/caption_sample.h"
#include "ui/panels/cover_panel.h"
#include "ui/panels/logo_panel.h"
#include "ui/panels/motion_controls.h"
#include "ui/panels/option_panels.h"
#include "ui/panels/output_panel.h"
#include "ui/support/window_fixture.h"
#include "util/charset.h"

namespace pictavo {
namespace {

using test::WindowTest;

TEST_F(WindowTest, CustomSizeJoinsTheListOnceAndCancelKeepsThePreviousSize) {
  QComboBox* sizes = window->optionPanels().output().sizeList();
  CustomSizeDialog& dialog = window->optionPanels().customSizeDialog();
  const int presets = sizes->count();  // the empty entry, the presets and "自定义..."
  auto chooseCustom = [&](const char* width, const char* height) {
    QTimer::singleShot(0, [&dialog, width, height] {
      dialog.widthEdit()->setText(QString::fromUtf8(width));
      dialog.heightEdit()->setText(QString::fromUtf8(height));
      if (*width) dialog.accept(); else dialog.reject();
    });
    sizes->setCurrentIndex(sizes->count() - 1);
  };

  sizes->setCurrentIndex(16);
  chooseCustom("1000", "600");
  ASSERT_EQ(sizes->count(), presets + 1);
  EXPECT_EQ(sizes->itemText(presets - 1), QStringLiteral("1000x600"));
  EXPECT_EQ(sizes->itemText(presets), QStringLiteral("自定义..."));
  EXPECT_EQ(sizes->currentIndex(), presets - 1);
  EXPECT_EQ(session.project().settings.width, 1000);
  EXPECT_EQ(session.project().settings.height, 600);

  sizes->setCurrentIndex(16);
  chooseCustom("1000", "600");  // the same size again: selected, not added
  EXPECT_EQ(sizes->count(), presets + 1);
  EXPECT_EQ(sizes->currentIndex(), presets - 1);

  chooseCustom("", "");  // cancelled
  EXPECT_EQ(sizes->currentIndex(), presets - 1);
  EXPECT_EQ(session.project().settings.width, 1000);

  // Undo takes the custom size away again; the empty first entry is a 400 x 400 video.
  for (int i = 0; i < 3; ++i) session.undoStack().undo();
  EXPECT_EQ(sizes->count(), presets);
  EXPECT_EQ(sizes->currentIndex(), 16);
  sizes->setCurrentIndex(0);
  EXPECT_EQ(session.project().settings.width, 400);
  EXPECT_EQ(session.project().settings.height, 400);
}

// The pause list sets the frames; with the automatic pause time the computed text replaces it.
TEST_F(WindowTest, PauseListSetsFramesAndGivesWayToTheComputedPause) {
  OutputPanel& output = window->optionPanels().output();
  window->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  for (auto [label, frames] : {std::pair{"1.4秒", 34}, {"0.12秒", 3}, {"0.16秒", 4}}) {
    int index = output.pauseList()->findText(QString::fromUtf8(label));
    ASSERT_GE(index, 0) << label;
    output.pauseList()->setCurrentIndex(index);
    EXPECT_EQ(session.project().settings.pauseFrames, frames) << label;
  }
  EXPECT_FALSE(output.generateButton()->isEnabled());
  addPictures(makePictures(2));
  EXPECT_TRUE(output.generateButton()->isEnabled());

  // What the music panel does when the automatic pause time is switched on with a track.
  editProject(session, QStringLiteral("music"), [](Project& p) {
    p.settings.autoPause = true;
    p.settings.musicTracks.push_back({"/music/a.mp3", 60000.f, 44100});
  });
  EXPECT_FALSE(output.pauseList()->isVisible());
  ASSERT_TRUE(output.pauseText()->isVisible());
  EXPECT_EQ(output.pauseText()->text(), fromCore(session.project().settings.customPauseText));
  EXPECT_TRUE(output.pauseText()->text().endsWith(QStringLiteral("秒")));
  session.undoStack().undo();
  EXPECT_TRUE(output.pauseList()->isVisible());
}

TEST_F(WindowTest, LogoAndCoverTakeOnlyPngAndJpegAndTheLogoNoCmyk) {
  const QString png = makePictures(1).first();
  const QString cmyk = file(QStringLiteral("cmyk.jpg"));
  ASSERT_EQ(QProcess::execute(QStringLiteral("convert"),
                              {QStringLiteral("-size"), QStringLiteral("32x32"), QStringLiteral("xc:red"),
                               QStringLiteral("-colorspace"), QStringLiteral("CMYK"), cmyk}),
            0);
  const QString text = file(QStringLiteral("notes.txt"));
  test::writeBytes(text.toStdString(), "not a picture");
  const QString cmykRefusal = QStringLiteral(
      "选择的图标文件是一个使用了[CMYK颜色模式]的JPG图片，请先将图标文件转换成[RGB颜色模式]后再使用。");
  const QString formatRefusal = QStringLiteral("选中的文件格式不受支持，请选择 PNG 或 JPG 格式的图片。");

  LogoPanel& logo = window->optionPanels().logo();
  CoverPanel& cover = window->optionPanels().cover();
  EXPECT_FALSE(logo.chooseButton()->isEnabled());
  logo.logoBox()->click();
  cover.coverBox()->click();
  ASSERT_TRUE(logo.chooseButton()->isEnabled() && cover.chooseButton()->isEnabled());

  struct Case {
    bool isLogo;
    QString chosen;
    QString caption;  // empty: accepted
    QString message;
  } cases[] = {
      {true, png, {}, {}},
      {true, cmyk, QStringLiteral("提示"), cmykRefusal},
      {true, text, QStringLiteral("错误"), formatRefusal},
      {false, cmyk, {}, {}},
      {false, text, QStringLiteral("错误"), formatRefusal},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.chosen.toStdString());
    prompts.shown.clear();
    prompts.choices.enqueue({c.chosen});
    QPushButton* choose = c.isLogo ? logo.chooseButton() : cover.chooseButton();
    QLineEdit* path = c.isLogo ? logo.pathEdit() : cover.pathEdit();
    QTest::mouseClick(choose, Qt::LeftButton);
    const std::string& stored = c.isLogo ? session.project().settings.logoPath
                                         : session.project().settings.coverPath;
    if (c.caption.isEmpty()) {
      EXPECT_TRUE(prompts.shown.isEmpty());
      EXPECT_EQ(path->text(), c.chosen);
      EXPECT_EQ(fromCore(stored), c.chosen);
    } else {
      ASSERT_EQ(prompts.shown.size(), 1);
      EXPECT_EQ(prompts.shown[0].title, c.caption);
      EXPECT_EQ(prompts.shown[0].text, c.message);
      EXPECT_TRUE(path->text().isEmpty());
      EXPECT_TRUE(stored.empty());
      EXPECT_EQ(window->focusWidget(), choose);
    }
  }
}

TEST_F(WindowTest, CaptionsWithoutAnyFontOfferTheDownloadAndStayOff) {
  QWidget host;
  CaptionPanel panel(session, prompts, {}, window->layoutParts().pictureList->selectionModel(), &host);
  prompts.answers.enqueue(QMessageBox::No);
  panel.captionsBox()->click();
  ASSERT_EQ(prompts.shown.size(), 1);
  EXPECT_EQ(prompts.shown[0].title, QStringLiteral("注意"));
  EXPECT_TRUE(prompts.shown[0].text.startsWith(QStringLiteral("在您的电脑中没有找到必需的 [黑体] 和 [楷体] 字体")));
  EXPECT_FALSE(panel.captionsBox()->isChecked());
  EXPECT_FALSE(session.project().settings.captionsOn);
  EXPECT_EQ(session.undoStack().count(), 0);
}

// Typing reaches the selected pictures only and undoes in one step; every caption option
// is a step of its own.
TEST_F(WindowTest, CaptionTextFollowsTheSelectionAndUndoesInOneStep) {
  if (captionFonts().empty()) GTEST_SKIP() << "no caption font on this computer";
  CaptionPanel& caption = window->optionPanels().caption();
  window->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
  addPictures(makePictures(3));
  caption.captionsBox()->click();
  for (const ImageItem& p : session.project().pictures) EXPECT_EQ(p.caption.mode, 1);
  EXPECT_FALSE(caption.textEdit()->isEnabled());  // nothing selected yet

  QListView* list = window->layoutParts().pictureList;
  list->selectionModel()->select(list->model()->index(0, 0), QItemSelectionModel::Select);
  list->selectionModel()->select(list->model()->index(2, 0), QItemSelectionModel::Select);
  ASSERT_TRUE(caption.textEdit()->isEnabled());
  const int stepsBefore = session.undoStack().count();
  caption.textEdit()->setFocus();
  QTest::keyClicks(caption.textEdit(), QStringLiteral(" "));
  QInputMethodEvent chinese;  // Chinese text arrives from the input method
  chinese.setCommitString(QStringLiteral("你好"));
  QCoreApplication::sendEvent(caption.textEdit(), &chinese);
  QTest::keyClicks(caption.textEdit(), QStringLiteral(" world "));
  const auto& pictures = session.project().pictures;
  EXPECT_EQ(pictures[0].caption.text, gbk("你好 world"));
  EXPECT_EQ(pictures[2].caption.text, gbk("你好 world"));
  EXPECT_TRUE(pictures[1].caption.text.empty());
  EXPECT_EQ(caption.textEdit()->text(), QStringLiteral(" 你好 world "));  // the blanks typed stay
  EXPECT_EQ(session.undoStack().count(), stepsBefore + 1);

  // Typing for another selection is a step of its own.
  list->selectionModel()->select(list->model()->index(1, 0), QItemSelectionModel::ClearAndSelect);
  caption.textEdit()->setFocus();
  QTest::keyClicks(caption.textEdit(), QStringLiteral("x"));
  EXPECT_EQ(session.undoStack().count(), stepsBefore + 2);
  session.undoStack().undo();
  EXPECT_EQ(pictures[0].caption.text, gbk("你好 world"));
  list->selectionModel()->select(list->model()->index(0, 0), QItemSelectionModel::ClearAndSelect);
  list->selectionModel()->select(list->model()->index(2, 0), QItemSelectionModel::Select);

  caption.locationList()->setCurrentIndex(7);
  EXPECT_EQ(pictures[0].caption.location, 7);
  EXPECT_EQ(pictures[1].caption.location, 4);
  caption.colourList()->setCurrentIndex(1);  // "黑底黄字"
  EXPECT_EQ(pictures[1].caption.textColour, 0x00ffffu);

  session.undoStack().undo();
  session.undoStack().undo();
  session.undoStack().undo();
  EXPECT_TRUE(pictures[0].caption.text.empty());
  EXPECT_EQ(pictures[0].caption.location, 4);
  EXPECT_EQ(caption.colourList()->currentIndex(), 8);
  EXPECT_TRUE(caption.captionsBox()->isChecked());
  session.undoStack().undo();
  EXPECT_FALSE(caption.captionsBox()->isChecked());
  EXPECT_EQ(pictures[0].caption.mode, 0);
  EXPECT_FALSE(caption.fontList()->isEnabled());

  // A full field of characters that take four bytes each keeps whole characters only, as
  // many as a caption holds, and the field shows what was kept.
  caption.captionsBox()->click();
  list->selectionModel()->select(list->model()->index(0, 0), QItemSelectionModel::Select);
  QInputMethodEvent korean;
  korean.setCommitString(QString(97, QChar(0xD55C)));
  QCoreApplication::sendEvent(caption.textEdit(), &korean);
  EXPECT_EQ(pictures[0].caption.text.size(), 192u);
  EXPECT_EQ(fromCore(pictures[0].caption.text), QString(48, QChar(0xD55C)));
  EXPECT_EQ(caption.textEdit()->text(), fromCore(pictures[0].caption.text));
}

// The sample shows the scheme's band behind its text; a scheme without a band shows the
// panel's colour, except white text on a (near-)white panel, which gets grey to stay legible.
TEST(CaptionSample, PaintsTheBandOrThePanelBehindTheText) {
  struct Case {
    bool on;
    int scheme;
    QColor face;
    QColor background;
    QColor text;
  } cases[] = {
      {false, 1, QColor(0xd4, 0xd0, 0xc8), Qt::white, Qt::black},
      {true, 1, QColor(0xd4, 0xd0, 0xc8), Qt::black, Qt::yellow},     // "黑底黄字"
      {true, 9, QColor(0xd4, 0xd0, 0xc8), QColor(0xd4, 0xd0, 0xc8), Qt::black},  // "黑色"
      {true, 8, QColor(0xd4, 0xd0, 0xc8), QColor(0xd4, 0xd0, 0xc8), Qt::white},  // "白色"
      {true, 8, QColor(0xf0, 0xf0, 0xf0), QColor(0x80, 0x80, 0x80), Qt::white},
      {true, 8, Qt::white, QColor(0x80, 0x80, 0x80), Qt::white},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.scheme);
    QWidget panel;
    QPalette face = panel.palette();
    face.setColor(QPalette::Window, c.face);
    face.setColor(QPalette::WindowText, Qt::black);
    panel.setPalette(face);
    QLabel sample(QStringLiteral("文字示例"), &panel);
    paintCaptionSample(&sample, c.on, colourScheme(c.scheme), QString());
    EXPECT_EQ(sample.palette().color(QPalette::Window), c.background);
    EXPECT_EQ(sample.palette().color(QPalette::WindowText), c.text);
  }
}

// Each option control changes the project in one undo step; undo shows the old value again.
TEST_F(WindowTest, EveryPanelShowsTheProjectAgainAfterUndo) {
  OptionPanels& panels = window->optionPanels();
  struct Case {
    const char* name;
    QComboBox* list;
    int choice;
    std::function<int(const ProjectSettings&)> setting;
  } cases[] = {
      {"size", panels.output().sizeList(), kSizeIndex1280x720, [](const ProjectSettings& s) { return s.width; }},
      {"pause", panels.output().pauseList(), 0, [](const ProjectSettings& s) { return s.pauseFrames; }},
      {"caption colour", panels.caption().colourList(), 3,
       [](const ProjectSettings& s) { return s.captionColour; }},
      {"caption size", panels.caption().sizeList(), 0,
       [](const ProjectSettings& s) { return s.captionFontSize; }},
      {"logo corner", panels.logo().locationList(), 0,
       [](const ProjectSettings& s) { return s.logoLocation; }},
      {"auto motion", panels.output().motion().motionList(), static_cast<int>(Motion::Auto),
       [](const ProjectSettings& s) { return static_cast<int>(s.motion); }},
      {"framing", panels.output().motion().framingList(), static_cast<int>(Framing::Blur),
       [](const ProjectSettings& s) { return static_cast<int>(s.framing); }},
      {"strength", panels.output().motion().strengthList(), 0,
       [](const ProjectSettings& s) { return s.motionStrength; }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const int shownBefore = c.list->currentIndex();
    const int valueBefore = c.setting(session.project().settings);
    const int steps = session.undoStack().index();
    c.list->setCurrentIndex(c.choice);
    EXPECT_NE(c.setting(session.project().settings), valueBefore);
    EXPECT_EQ(session.undoStack().index(), steps + 1);
    session.undoStack().undo();
    EXPECT_EQ(c.setting(session.project().settings), valueBefore);
    EXPECT_EQ(c.list->currentIndex(), shownBefore);
  }
  // Another part of the window ("设置为封面") sets the cover; the panel shows it.
  editProject(session, QStringLiteral("cover"), [](Project& p) {
    p.settings.coverOn = true;
    p.settings.coverPath = "/pictures/cover.png";
  });
  EXPECT_TRUE(panels.cover().coverBox()->isChecked());
  EXPECT_EQ(panels.cover().pathEdit()->text(), QStringLiteral("/pictures/cover.png"));
  EXPECT_TRUE(panels.cover().chooseButton()->isEnabled());
  session.undoStack().undo();
  EXPECT_FALSE(panels.cover().coverBox()->isChecked());
  EXPECT_FALSE(panels.cover().chooseButton()->isEnabled());
}

// The window speaks of this platform: no control, tooltip or the cover's help names Windows.
TEST_F(WindowTest, NoTextOfTheWindowNamesWindows) {
  QStringList texts;
  for (QWidget* widget : window->findChildren<QWidget*>()) {
    texts << widget->accessibleName() << widget->toolTip();
    if (auto* button = qobject_cast<QAbstractButton*>(widget)) texts << button->text();
    if (auto* label = qobject_cast<QLabel*>(widget)) texts << label->text();
  }
  EXPECT_TRUE(texts.contains(QStringLiteral("设置封面：文件管理器中显示的视频缩略图")));
  window->optionPanels().cover().coverBox()->click();
  window->optionPanels().cover().helpButton()->click();
  ASSERT_FALSE(prompts.shown.isEmpty());
  texts << prompts.shown.last().text;
  for (const QString& text : texts) EXPECT_FALSE(text.contains(QStringLiteral("Windows"))) << text.toStdString();
}

}  // namespace
}  // namespace pictavo
