#include "ui/panels/picture_file_check.h"

#include <QObject>

#include "app/qt_text.h"
#include "imaging/image.h"

namespace pictavo {

PictureFileRefusal checkPictureFile(const QString& path, bool logo) {
  PictureHeader header;
  bool probed = probePictureHeader(toCore(path), &header);
  if (probed && header.type == "PNG") return {};
  if (probed && header.type == "JPEG") {
    if (!logo || !isCmykFile(toCore(path))) return {};
    return {QMessageBox::Warning, QObject::tr("提示"),
            QObject::tr("选择的图标文件是一个使用了[CMYK颜色模式]的JPG图片，请先将图标文件转换成[RGB颜色模式]后再使用。")};
  }
  return {QMessageBox::Warning, QObject::tr("错误"),
          QObject::tr("选中的文件格式不受支持，请选择 PNG 或 JPG 格式的图片。")};
}

}  // namespace pictavo
