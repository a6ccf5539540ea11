#include "ui/panels/caption_sample.h"

#include <QFontDatabase>
#include <QHash>
#include <QLabel>

#include "project/caption_styles.h"

namespace pictavo {
namespace {

QColor fromWindowsColour(WindowsColour c) {
  return QColor(static_cast<int>(c & 0xff), static_cast<int>((c >> 8) & 0xff),
                static_cast<int>((c >> 16) & 0xff));
}

}  // namespace

QString captionFontFamily(const QString& displayName, const QString& fontFile) {
  static QHash<QString, QString> loaded;  // font file -> family, each file loaded once
  if (!fontFile.isEmpty()) {
    auto hit = loaded.constFind(fontFile);
    if (hit == loaded.constEnd()) {
      int id = QFontDatabase::addApplicationFont(fontFile);
      QStringList families = id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
      hit = loaded.insert(fontFile, families.isEmpty() ? QString() : families.first());
    }
    if (!hit->isEmpty()) return *hit;
  }
  if (displayName == QStringLiteral("阿里普惠体")) return QStringLiteral("阿里巴巴普惠体");
  return displayName;
}

void paintCaptionSample(QLabel* sample, bool captionsOn, const ColourScheme& scheme,
                        const QString& family) {
  QPalette palette = sample->palette();
  const QColor face = sample->parentWidget() ? sample->parentWidget()->palette().color(QPalette::Window)
                                             : palette.color(QPalette::Window);
  QColor background = Qt::white;
  QColor text = palette.color(QPalette::WindowText);
  if (captionsOn) {
    text = fromWindowsColour(scheme.text);
    if (scheme.band != scheme.text) {
      background = fromWindowsColour(scheme.band);
    } else {
      background = face;
      // A white face, or the near-white face of the usual styles (#f0f0f0, Fusion's #efefef).
      const bool whiteFace = face.lightness() >= 0xef;
      if (scheme.text == 0xffffffu && whiteFace) background = QColor(0x80, 0x80, 0x80);
    }
  }
  palette.setColor(QPalette::Window, background);
  palette.setColor(QPalette::WindowText, text);
  sample->setAutoFillBackground(true);
  sample->setPalette(palette);
  QFont font = sample->font();
  if (!family.isEmpty()) font.setFamily(family);
  font.setWeight(QFont::Normal);
  sample->setFont(font);
}

}  // namespace pictavo
