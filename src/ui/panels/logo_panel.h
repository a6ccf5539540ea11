// The logo panel: "加图标", the logo's corner and its file. The file is checked before it is
// taken: PNG or an RGB JPEG only. Every change is one step of the undo history.
#pragma once

#include "ui/panels/picture_option_panel.h"

class QComboBox;

namespace pictavo {

class LogoPanel : public PictureOptionPanel {
  Q_OBJECT

 public:
  LogoPanel(Session& session, UserPrompts& prompts, FileChoosers& choosers, QWidget* parent);

  QCheckBox* logoBox() const { return switchBox(); }
  QComboBox* locationList() const { return location_; }

 private:
  void addOwnControls(QHBoxLayout* row) override;
  void showOwnControls(const ProjectSettings& s, bool on) override;

  QComboBox* location_ = nullptr;
};

}  // namespace pictavo
