#include "ui/panels/picture_file_check.h"

#include <QObject>
#include <QPushButton>

#include "app/qt_text.h"
#include "app/session.h"
#include "app/user_prompts.h"
#include "imaging/image.h"
#include "ui/commands/project_edit_command.h"
#include "ui/file_choosers.h"

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

void choosePictureOption(const PanelServices& services, QPushButton* chooseButton,
                         const PictureOptionChoice& choice) {
  QString path = services.choosers.open(choice.title, choice.filter,
                                        services.session.preferences().logoFolder);
  if (path.isEmpty()) return;
  PictureFileRefusal refusal = checkPictureFile(path, choice.logo);
  std::string chosen = refusal.refused() ? std::string() : toCore(path);
  if (refusal.refused()) services.prompts.message(chooseButton, refusal.icon, refusal.caption, refusal.text);
  editProject(services.session, choice.stepName,
              [&](Project& p) { p.settings.*choice.path = chosen; });
  if (refusal.refused()) chooseButton->setFocus();
}

}  // namespace pictavo
