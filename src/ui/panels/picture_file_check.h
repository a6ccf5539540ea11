// The check the logo and cover choosers make before taking a file: its header must be PNG
// or JPEG, and a logo must not be a CMYK JPEG (the encoder's overlay cannot use one).
#pragma once

#include <QMessageBox>
#include <QString>

namespace pictavo {

struct PictureFileRefusal {
  QMessageBox::Icon icon = QMessageBox::Warning;
  QString caption;  // empty when the file is accepted
  QString text;
  bool refused() const { return !caption.isEmpty(); }
};

// `logo`: a CMYK JPEG is refused too.
PictureFileRefusal checkPictureFile(const QString& path, bool logo);

}  // namespace pictavo
