// The cover panel: whether the finished video gets a cover picture, and which (PNG or
// JPEG). Every change is one step of the undo history.
#pragma once

#include "ui/panels/picture_option_panel.h"

namespace pictavo {

class CoverPanel : public PictureOptionPanel {
  Q_OBJECT

 public:
  CoverPanel(Session& session, UserPrompts& prompts, FileChoosers& choosers, QWidget* parent);

  QCheckBox* coverBox() const { return switchBox(); }
};

}  // namespace pictavo
