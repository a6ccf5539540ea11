// The settings dialogs on the real window: their checks, messages and what they store.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/qt_text.h"
#include "effects/effect_chooser_entries.h"
#include "project/stored_preferences.h"
#include "ui/dialogs/caption_margins_dialog.h"
#include "ui/dialogs/custom_size_dialog.h"
#include "ui/dialogs/loop_start_dialog.h"
#include "ui/panels/option_panels.h"
#include "ui/panels/output_panel.h"
#include "ui/settings_menu.h"
#include "ui/support/window_fixture.h"

namespace pictavo {
namespace {

using test::WindowTest;

QPushButton* buttonOf(QWidget* dialog, const QString& text) {
  for (auto* button : dialog->findChildren<QPushButton*>())
    if (button->text() == text) return button;
  return nullptr;
}

void clickOk(QWidget* dialog) { QTest::mouseClick(buttonOf(dialog, QStringLiteral("确定")), Qt::LeftButton); }

// Runs `answer` on the dialog once its own event loop is running (the dialog is modal).
void whenShown(std::function<void()> answer) { QTimer::singleShot(0, std::move(answer)); }

TEST_F(WindowTest, CustomSizeChecksEmptinessThenEvennessThenRanges) {
  CustomSizeDialog& dialog = window->optionPanels().customSizeDialog();
  QLineEdit* const w = dialog.widthEdit();
  QLineEdit* const h = dialog.heightEdit();
  struct Case {
    const char* typedWidth;  // typed keys: letters are refused, a fifth digit too
    const char* typedHeight;
    const char* message;     // empty: accepted
    QLineEdit* focus;
    QSize size;
  } cases[] = {
      {"", "1080", "请输入视频的宽度", w, {}},
      {"1920", "", "请输入视频的高度", h, {}},
      {"1921", "1080", "视频的宽度必须是偶数(能被2整除)", w, {}},
      {"4000", "7", "视频的高度必须是偶数(能被2整除)", h, {}},  // evenness before any range
      {"126", "126", "视频的宽度必须在 128 - 3840 之间", w, {}},
      {"3842", "2162", "视频的宽度必须在 128 - 3840 之间", w, {}},
      {"1920", "2162", "视频的高度必须在 128 - 2160 之间", h, {}},
      {"3x8400", "2160", "", nullptr, {3840, 2160}},
      {"128", "1a28", "", nullptr, {128, 128}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.typedWidth) + " x " + c.typedHeight);
    prompts.shown.clear();
    dialog.prepare();
    dialog.show();
    QTest::keyClicks(w, QString::fromUtf8(c.typedWidth));
    QTest::keyClicks(h, QString::fromUtf8(c.typedHeight));
    clickOk(&dialog);
    if (*c.message) {
      ASSERT_EQ(prompts.shown.size(), 1);
      EXPECT_EQ(prompts.shown[0].title, QStringLiteral("提示"));
      EXPECT_EQ(prompts.shown[0].text, QString::fromUtf8(c.message));
      EXPECT_TRUE(dialog.isVisible());
      EXPECT_EQ(dialog.focusWidget(), c.focus);
    } else {
      EXPECT_TRUE(prompts.shown.isEmpty());
      EXPECT_FALSE(dialog.isVisible());
      EXPECT_EQ(dialog.chosenSize(), c.size);
    }
    dialog.hide();
  }
}

// Every field is checked for presence and number form before any range.
TEST_F(WindowTest, CaptionMarginsCheckEveryFieldAndStoreHundredthsOfPercent) {
  using F = CaptionMarginsDialog;
  CaptionMarginsDialog& dialog = window->optionPanels().captionMarginsDialog();
  struct Case {
    std::vector<std::pair<F::Field, const char*>> typed;
    const char* message;  // empty: accepted
    F::Field focus;
    int32_t storedBottom;
  } cases[] = {
      {{{F::Left, "50"}}, "输入的【左边距】有误！\n\n请输入一个 0.01 ～ 49.99 范围内的值, 支持小数。", F::Left, 0},
      {{{F::CentreBottom, "abc"}},
       "输入的【加文字】 位置：【中间下方】的【下边距】有误！\n\n请输入一个数值, 支持小数。", F::CentreBottom, 0},
      {{{F::Left, "0"}, {F::Bottom, "1.2.3"}}, "输入的【下边距】有误！\n\n请输入一个数值, 支持小数。", F::Bottom, 0},
      {{{F::Top, "  "}}, "请输入【上边距】", F::Top, 0},
      {{{F::Right, ".5"}}, "输入的【右边距】有误！\n\n请输入一个数值, 支持小数。", F::Right, 0},
      {{{F::Right, "5."}, {F::Bottom, "49.99"}}, "", F::Bottom, 4999},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    prompts.shown.clear();
    dialog.prepare();
    dialog.show();
    QTest::mouseClick(buttonOf(&dialog, QStringLiteral("全部使用默认值")), Qt::LeftButton);
    EXPECT_EQ(dialog.field(F::CentreBottom)->text(), QStringLiteral("15.00"));
    for (const auto& [field, text] : c.typed) dialog.field(field)->setText(QString::fromUtf8(text));
    int32_t before = -1;
    session.store().readNumber(preference_names::kMarginBottom, &before);
    clickOk(&dialog);
    int32_t stored = -1;
    if (*c.message) {
      ASSERT_EQ(prompts.shown.size(), 1);
      EXPECT_EQ(prompts.shown[0].title, QStringLiteral("提示"));
      EXPECT_EQ(prompts.shown[0].text, QString::fromUtf8(c.message));
      EXPECT_EQ(dialog.focusWidget(), dialog.field(c.focus));
      EXPECT_TRUE(dialog.isVisible());
      session.store().readNumber(preference_names::kMarginBottom, &stored);
      EXPECT_EQ(stored, before);  // nothing is stored until every field passes
    } else {
      EXPECT_TRUE(prompts.shown.isEmpty());
      ASSERT_TRUE(session.store().readNumber(preference_names::kMarginBottom, &stored));
      EXPECT_EQ(stored, c.storedBottom);
      ASSERT_TRUE(session.store().readNumber(preference_names::kMarginRight, &stored));
      EXPECT_EQ(stored, 500);
      EXPECT_NEAR(session.preferences().margins.bottom, 0.4999f, 1e-6);
      // The next opening shows what was stored.
      dialog.prepare();
      EXPECT_EQ(dialog.field(F::Bottom)->text(), QStringLiteral("49.99"));
    }
    dialog.hide();
  }
}

// The menu item opens the dialog; a dash line confirmed keeps "无动画" (99).
TEST_F(WindowTest, LoopStartDialogFromTheMenuStoresNoAnimationForADashLine) {
  LoopStartDialog& dialog = window->optionPanels().loopStartDialog();
  QComboBox* list = dialog.effectList();
  for (const char* choice : {"风车", "--------------------"}) {
    SCOPED_TRACE(choice);
    whenShown([&] {
      EXPECT_TRUE(dialog.isVisible());
      list->setCurrentIndex(list->findText(QString::fromUtf8(choice)));
      clickOk(&dialog);
    });
    emit window->settingsMenu().loopPlaySettingsRequested();
    int32_t stored = -1;
    ASSERT_TRUE(session.store().readNumber(preference_names::kLoopStartEffect, &stored));
    EXPECT_EQ(stored, session.preferences().loopStartEffect);
    if (isChooserSeparator(choice)) {
      EXPECT_EQ(stored, 99);
    } else {
      EXPECT_NE(stored, 99);
      dialog.prepare();  // the next opening selects the stored effect
      EXPECT_EQ(list->currentText(), QString::fromUtf8(choice));
    }
  }
}

}  // namespace
}  // namespace pictavo
