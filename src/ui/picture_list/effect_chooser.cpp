#include "ui/picture_list/effect_chooser.h"

#include <QAbstractItemView>
#include <QScreen>
#include <QStyle>

#include <algorithm>

#include "app/qt_text.h"
#include "effects/effect_chooser_entries.h"
#include "effects/effect_names.h"

namespace pictavo {
namespace {

constexpr int kChooserHeight = 23;

bool isDashLine(const QString& text) { return text.contains(QLatin1String("---")); }

}  // namespace

int chooserVisibleEntries(int screenHeight) {
  switch (screenHeight) {
    case 768: return 30;
    case 800: return 31;
    case 900: return 34;
    case 960: return 36;
    case 1024: return 38;
    case 1080: return 39;
    default: break;
  }
  if (screenHeight < 769) return 22;
  return screenHeight <= 1080 ? 33 : 40;
}

EffectChooser::EffectChooser(QWidget* parent) : QComboBox(parent) {
  setObjectName(QStringLiteral("effectChooser"));
  setAccessibleName(tr("图片动画"));
  for (const std::string& entry : effectChooserEntries())
    addItem(fromCore(effectShownName(entry)), fromCore(entry));
  QScreen* screen = this->screen();
  setMaxVisibleItems(chooserVisibleEntries(screen ? screen->geometry().height() : 768));
  connect(this, &QComboBox::activated, this, &EffectChooser::choose);
  hide();
}

void EffectChooser::showUnder(const QRect& thumbnail, const QString& effectName) {
  setGeometry(thumbnail.left(), thumbnail.bottom() + 1, thumbnail.width(), kChooserHeight);
  fitDroppedWidth(thumbnail.width());
  setCurrentIndex(findData(effectName));
  show();
  raise();
}

// The longest name must fit when the list drops down, even over a narrow thumbnail.
void EffectChooser::fitDroppedWidth(int thumbnailWidth) {
  int width = 0;
  for (int i = 0; i < count(); ++i)
    width = std::max(width, fontMetrics().horizontalAdvance(itemText(i)));
  width += 6;
  if (count() > maxVisibleItems()) width += style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  view()->setMinimumWidth(width > thumbnailWidth ? width : 0);
}

void EffectChooser::choose(int entry) {
  QString name = itemData(entry).toString();
  if (isDashLine(name)) return;
  emit effectChosen(effectIndexByName(toCore(name)));
}

void EffectChooser::hidePopup() {
  QComboBox::hidePopup();
  if (isDashLine(currentText())) hide();
}

}  // namespace pictavo
