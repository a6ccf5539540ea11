#include "ui/picture_list/selection_information.h"

#include <QCoreApplication>

#include "app/qt_text.h"
#include "imaging/image.h"
#include "project/project_model.h"
#include "ui/status_bar.h"
#include "ui/toolbar.h"
#include "util/charset.h"
#include "util/info_log.h"
#include "video/length_texts.h"

namespace pictavo {

SelectionInformation::SelectionInformation(const ToolbarActions& toolbar, MainStatusBar& status)
    : toolbar_(toolbar), status_(status) {}

void SelectionInformation::show(const Project& project, const std::vector<int>& selectedRows) {
  updateToolbarEnabling(toolbar_, static_cast<int>(project.pictures.size()), selectedRows);
  status_.setMessage(statusLine(project, selectedRows));
}

QString SelectionInformation::statusLine(const Project& project,
                                         const std::vector<int>& selectedRows) {
  const int count = static_cast<int>(project.pictures.size());
  if (selectedRows.size() != 1 || selectedRows.front() >= count) {
    if (selectedRows.size() < 2) return QString();
    return fromCore(selectionCountText(static_cast<int>(selectedRows.size())));
  }
  const ImageItem& item = project.pictures[static_cast<size_t>(selectedRows.front())];
  if (item.path != describedPath_) {
    describedPath_ = item.path;
    description_ = pictureInformation(item.path);
    if (description_.empty())
      infoLog(toCore(QCoreApplication::translate("SelectionInformation", "无法识别的图片:")) +
              "\r\n" + item.path);
  }
  if (description_.empty()) return QString();
  return fromCore(description_ + effectLengthText(project, item));
}

}  // namespace pictavo
