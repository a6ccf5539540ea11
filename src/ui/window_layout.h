// The area below the toolbar: the picture list and the five option groups at their places.
// The list and the groups' panels are filled in by their own parts of the program.
#pragma once

class QGroupBox;
class QListView;
class QWidget;

namespace pictavo {

struct WindowLayout {
  QWidget* central = nullptr;
  QListView* pictureList = nullptr;
  QGroupBox* captionGroup = nullptr;
  QGroupBox* logoGroup = nullptr;
  QGroupBox* musicGroup = nullptr;
  QGroupBox* coverGroup = nullptr;
  QGroupBox* outputGroup = nullptr;
};

// `top`: the window y at which the central area starts (below the toolbar).
WindowLayout buildWindowLayout(QWidget* parent, int top);

}  // namespace pictavo
