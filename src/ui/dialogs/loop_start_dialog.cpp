#include "ui/dialogs/loop_start_dialog.h"

#include <QComboBox>
#include <QLabel>
#include <QVBoxLayout>

#include "app/qt_text.h"
#include "app/session.h"
#include "effects/effect_chooser_entries.h"
#include "effects/effect_names.h"
#include "project/stored_preferences.h"
#include "ui/dialogs/dialog_buttons.h"
#include "util/charset.h"

namespace pictavo {

LoopStartDialog::LoopStartDialog(Session& session, QWidget* parent)
    : QDialog(parent), session_(session), effects_(new QComboBox(this)) {
  setWindowTitle(tr("图片循环播放设置"));
  setModal(true);
  const QString listName = tr("第一张图片在循环播放时的过渡动画设置为：");
  effects_->setAccessibleName(listName);
  effects_->setMaxVisibleItems(40);
  for (const std::string& entry : effectChooserEntries())
    effects_->addItem(fromCore(effectShownName(entry)), fromCore(entry));
  // A dash line only separates groups; choosing one falls back to "无动画".
  connect(effects_, &QComboBox::activated, this, [this](int index) {
    if (isChooserSeparator(toCore(effects_->itemData(index).toString()))) effects_->setCurrentIndex(0);
  });

  auto* column = new QVBoxLayout(this);
  auto* intro = new QLabel(
      tr("当勾选【当音频长度 > 视频长度时, 图片循环播放】选项，同时第一张图片设置为【无动画】时："),
      this);
  intro->setWordWrap(true);
  column->addWidget(intro);
  column->addWidget(new QLabel(listName, this));
  column->addWidget(effects_);
  column->addWidget(okCancelButtons(this));
  setFixedWidth(562);
}

void LoopStartDialog::prepare() {
  int index = effects_->findData(fromCore(effectName(session_.preferences().loopStartEffect)));
  effects_->setCurrentIndex(index < 0 ? 0 : index);
  effects_->setFocus();
}

void LoopStartDialog::run() {
  prepare();
  exec();
}

// A dash line, or a name the effect table does not know, keeps "无动画" (99).
void LoopStartDialog::accept() {
  std::string text = gb18030Prefix(toCore(effects_->currentData().toString()), 31);
  int effect = isChooserSeparator(text) ? kNoAnimation : effectIndexByName(text);
  setLoopStartEffect(session_.preferences(), session_.store(), effect);
  QDialog::accept();
}

}  // namespace pictavo
