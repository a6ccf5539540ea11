#include "app/qt_text.h"

#include "util/charset.h"

namespace pictavo {

QString fromCore(std::string_view gb18030) {
  if (auto utf8 = gb18030ToUtf8(gb18030)) return QString::fromStdString(*utf8);
  QString out;
  for (size_t at = 0; at < gb18030.size();) {
    size_t width = charWidthAt(gb18030, at);
    auto one = gb18030ToUtf8(gb18030.substr(at, width ? width : 1));
    out += one ? QString::fromStdString(*one) : QString(QChar::ReplacementCharacter);
    at += width ? width : 1;
  }
  return out;
}

std::string toCore(const QString& text) {
  // toStdString() writes an unpaired surrogate as U+FFFD, which GB18030 can hold.
  return utf8ToGb18030(text.toStdString()).value_or(std::string());
}

}  // namespace pictavo
