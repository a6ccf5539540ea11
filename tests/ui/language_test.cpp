// The window in each language: accessible names and status texts in the language of the
// locale, a core message translated on its way to the information window, and no text
// clipped in English (its texts are the longest) at the window's size.
#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QMenu>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>

#include "app/language_start.h"
#include "app/qt_text.h"
#include "app/session.h"
#include "effects/effect_names.h"
#include "project/language_choice.h"
#include "support/scoped_env.h"
#include "support/test_files.h"
#include "ui/information_window.h"
#include "ui/dialogs/caption_margins_dialog.h"
#include "ui/dialogs/custom_size_dialog.h"
#include "ui/dialogs/loop_start_dialog.h"
#include "ui/dialogs/product_import_dialog.h"
#include "ui/dialogs/progress_dialog.h"
#include "ui/main_window.h"
#include "ui/panels/option_panels.h"
#include "ui/status_bar.h"
#include "ui/toolbar.h"
#include "ui/window_layout.h"
#include "ui/support/scripted_prompts.h"

namespace pictavo {
namespace {

using test::ScopedEnv;

// The language a run started under LANG=`lang` speaks, for the life of the object; the
// window is built after it, as start-up builds it.
class WindowInLanguage {
 public:
  explicit WindowInLanguage(const char* lang) : lang_("LANG", lang) {
    startLanguage(*qApp);
    window = std::make_unique<MainWindow>(session, prompts);
  }
  ~WindowInLanguage() {
    window.reset();
    applyLanguage(*qApp, Language::SimplifiedChinese);
  }

  QString spokenName(QWidget* widget) const {
    QAccessibleInterface* spoken = QAccessible::queryAccessibleInterface(widget);
    return spoken ? spoken->text(QAccessible::Name) : QString();
  }
  QAbstractButton* buttonNamed(const QString& name) const {
    for (auto* button : window->findChildren<QAbstractButton*>())
      if (spokenName(button) == name) return button;
    return nullptr;
  }

  test::TempDir dir{"pictavo-language"};
  ScopedEnv config_{"XDG_CONFIG_HOME", dir.file("config")};
  ScopedEnv all_{"LC_ALL", ""};
  ScopedEnv messages_{"LC_MESSAGES", ""};
  ScopedEnv lang_;
  Session session;
  test::ScriptedPrompts prompts;
  std::unique_ptr<MainWindow> window;
};

TEST(WindowLanguage, NamesAndStatusReadInTheLanguageOfTheLocale) {
  const struct {
    const char* lang;
    const char* addPictures;
    const char* generate;
    const char* noPictures;
  } cases[] = {
      {"en_US.UTF-8", "Add pictures", "Generate video", "0 pictures"},
      {"zh_TW.UTF-8", "新增圖片", "產生影片", "0 張圖片"},
      {"zh_CN.UTF-8", "添加图片", "生成视频", "0 张图片"},  // the source text, as always
      {"", "添加图片", "生成视频", "0 张图片"},
  };
  for (const auto& c : cases) {
    WindowInLanguage run(c.lang);
    EXPECT_NE(run.buttonNamed(QString::fromUtf8(c.addPictures)), nullptr) << c.lang;
    EXPECT_NE(run.buttonNamed(QString::fromUtf8(c.generate)), nullptr) << c.lang;
    EXPECT_EQ(run.window->statusParts().pictureCountText(), QString::fromUtf8(c.noPictures));
  }
  WindowInLanguage english("en_US.UTF-8");
  english.window->statusParts().setPictureCount(1);
  EXPECT_EQ(english.window->statusParts().pictureCountText(), QStringLiteral("1 picture"));
}

TEST(WindowLanguage, CoreMessageReachesTheInformationWindowTranslated) {
  WindowInLanguage run("en_US.UTF-8");
  InformationWindow* information = attachInformationWindow(*run.window);
  std::string broken = run.dir.file("broken.png");
  test::writeBytes(broken, "not a picture");
  run.window->addPictureFiles({QString::fromStdString(broken)});
  ASSERT_TRUE(QTest::qWaitFor([&] { return !run.window->loadingPictures(); }, 60000));
  ASSERT_TRUE(QTest::qWaitFor([&] { return information->isVisible(); }));
  EXPECT_EQ(information->text(), QStringLiteral("Unknown picture:\n%1\n\n").arg(QString::fromStdString(broken)));
}

// The width of the longest line of `text` in `widget`'s font.
int textWidth(const QWidget* widget, const QString& text) {
  int widest = 0;
  for (const QString& line : text.split(QLatin1Char('\n')))
    widest = std::max(widest, widget->fontMetrics().horizontalAdvance(QString(line).remove(QLatin1Char('&'))));
  return widest;
}

// A label narrower than its size hint or a button narrower than its text shows it cut; a
// combo box too narrow for its entries cuts them; and the window cuts what reaches past it.
QStringList clippedTexts(QWidget* window) {
  QStringList clipped;
  for (auto* label : window->findChildren<QLabel*>())
    if (label->isVisible() && !label->text().isEmpty() &&
        label->mapTo(window, QPoint(label->width(), 0)).x() > window->width())
      clipped << label->text() + QStringLiteral(" past the window's edge");
  for (auto* label : window->findChildren<QLabel*>())
    if (label->isVisible() && !label->text().isEmpty() && !label->wordWrap() &&
        label->sizeHint().width() > label->width())
      clipped << label->text() + QStringLiteral(" %1>%2").arg(label->sizeHint().width()).arg(label->width());
  for (auto* button : window->findChildren<QAbstractButton*>())
    if (button->isVisible() && textWidth(button, button->text()) + 6 > button->width())
      clipped << button->text() + QStringLiteral(" %1>%2").arg(textWidth(button, button->text())).arg(button->width());
  for (auto* group : window->findChildren<QGroupBox*>())
    if (group->isVisible() && group->minimumSizeHint().width() > group->width()) clipped << group->title();
  for (auto* combo : window->findChildren<QComboBox*>())
    if (combo->isVisible() && textWidth(combo, combo->currentText()) + 24 > combo->width())
      clipped << combo->currentText() + QStringLiteral(" in its list");
  return clipped;
}

TEST(WindowLanguage, NothingIsClippedInEnglishAtTheWindowSize) {
  WindowInLanguage run("en_US.UTF-8");
  run.window->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(run.window.get()));
  const QStringList clipped = clippedTexts(run.window.get());
  EXPECT_TRUE(clipped.isEmpty()) << qPrintable(clipped.join(QStringLiteral("; ")));

  // The settings dialogs, the product import and the progress window, each as it opens.
  OptionPanels& panels = run.window->optionPanels();
  ProductImportDialog import(run.prompts, run.session.project(), [](const QStringList&) {},
                             run.window.get());
  ProgressDialog progress(run.window.get());
  for (QDialog* dialog : std::initializer_list<QDialog*>{&panels.customSizeDialog(),
                                                        &panels.captionMarginsDialog(),
                                                        &panels.loopStartDialog(), &import,
                                                        &progress}) {
    dialog->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog));
    const QStringList cut = clippedTexts(dialog);
    EXPECT_TRUE(cut.isEmpty()) << qPrintable(dialog->windowTitle() + QStringLiteral(": ") +
                                             cut.join(QStringLiteral("; ")));
    dialog->hide();
  }
}

// The choice under 软件设置 is stored only once made, and speaks from the next start on: the
// window built now keeps its language.
TEST(WindowLanguage, SettingsChoiceIsStoredForTheNextStart) {
  WindowInLanguage run("zh_CN.UTF-8");
  std::string stored;
  EXPECT_FALSE(run.session.store().readString("interface_language", &stored));
  QMenu* menu = run.window->toolbarActions().settings->menu();
  emit menu->aboutToShow();
  QMenu* languages = nullptr;
  for (QAction* action : menu->actions())
    if (action->menu() && action->text().startsWith(QStringLiteral("界面语言")))
      languages = action->menu();
  ASSERT_NE(languages, nullptr);
  EXPECT_TRUE(languages->actions()[0]->isChecked());  // follow the system
  languages->actions()[3]->trigger();                 // English
  EXPECT_EQ(storedLanguageChoice(run.session.store()), "en");
  EXPECT_EQ(run.window->statusParts().pictureCountText(), QStringLiteral("0 张图片"));

  run.window.reset();
  startLanguage(*qApp);
  run.window = std::make_unique<MainWindow>(run.session, run.prompts);
  EXPECT_EQ(run.window->statusParts().pictureCountText(), QStringLiteral("0 pictures"));
}

// The picture list shows each picture's effect under its thumbnail: every English name fits.
TEST(WindowLanguage, EveryEnglishEffectNameFitsUnderAThumbnail) {
  WindowInLanguage run("en_US.UTF-8");
  QListView* list = run.window->layoutParts().pictureList;
  const int room = list->gridSize().width() - 6;  // the item's text margins
  for (int index : effectIndices()) {
    QString shown = fromCore(effectShownName(effectName(index)));
    EXPECT_NE(shown, fromCore(effectName(index)));
    EXPECT_LE(list->fontMetrics().horizontalAdvance(shown), room) << qPrintable(shown);
  }
}

}  // namespace
}  // namespace pictavo
