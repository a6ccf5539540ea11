// Adding and removing pictures of the project.
#pragma once

#include <string>

#include "imaging/image.h"
#include "project/project_model.h"

namespace pictavo {

struct AddPictureOptions {
  int position = -1;              // -1 appends; k inserts before the picture now at k
  bool forceNoAnimation = false;  // the picture gets "无动画"
  int iconWidth = 144;
  int iconHeight = 144;
};

// Classifies the file, makes its list icon, creates the picture with the project's caption
// defaults and chooses its effect. Problems go to the information log; the list is then
// unchanged. True when the picture was added; `icon` (optional) receives its list icon.
bool addPicture(Project& project, const std::string& path, const AddPictureOptions& options = {},
                ListIcon* icon = nullptr);

// The text shown when the list is full.
std::string pictureLimitMessage(const Project& project);

// Removes the picture at `index`; false when there is none.
bool removePicture(Project& project, int index);

}  // namespace pictavo
