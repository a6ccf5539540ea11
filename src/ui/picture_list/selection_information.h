// What the window says about the selected pictures: which toolbar buttons work, and the
// status line (the one picture's size, type, file size and effect length, or how many
// pictures are selected).
#pragma once

#include <string>
#include <vector>

#include <QString>

namespace pictavo {

class MainStatusBar;
struct Project;
struct ToolbarActions;

class SelectionInformation {
 public:
  SelectionInformation(const ToolbarActions& toolbar, MainStatusBar& status);

  // `selectedRows` ascending.
  void show(const Project& project, const std::vector<int>& selectedRows);

 private:
  QString statusLine(const Project& project, const std::vector<int>& selectedRows);

  const ToolbarActions& toolbar_;
  MainStatusBar& status_;
  // The file part of the line is read again only when another picture is selected alone:
  // the line is shown again after every edit (which briefly empties the selection), and an
  // unreadable file is reported once, not at every keystroke.
  std::string describedPath_;
  std::string description_;
};

}  // namespace pictavo
