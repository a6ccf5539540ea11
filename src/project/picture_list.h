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

// Adding in two steps, so that the reading can run on several threads while the pictures
// still enter the list one after the other (the effect of a picture depends on the one
// before it). The first step reads the file and touches no project: safe on any thread.
struct PreparedPicture {
  std::string path;
  bool usable = false;
  std::string problem;  // the information-log text when not usable; empty when silent
  ListIcon icon;
};
PreparedPicture preparePicture(const std::string& path, const AddPictureOptions& options = {});

// The second step, on the thread that owns the project: reports the problem of an unusable
// picture, else creates the picture and inserts it as addPicture does. True when added.
bool addPreparedPicture(Project& project, const PreparedPicture& prepared,
                        const AddPictureOptions& options = {});

// The text shown when the list is full.
std::string pictureLimitMessage(const Project& project);

// Removes the picture at `index`; false when there is none.
bool removePicture(Project& project, int index);

}  // namespace pictavo
