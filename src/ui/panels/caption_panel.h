// The caption panel: captions on or off, position and text of the selected pictures, and
// the project-wide font, point size and colour scheme with a sample. Every change is one
// step of the undo history; typing into the text merges into one step.
#pragma once

#include <QWidget>

#include <functional>
#include <vector>

#include "imaging/caption_fonts.h"

class QCheckBox;
class QComboBox;
class QItemSelectionModel;
class QLabel;
class QLineEdit;
class QPushButton;

namespace pictavo {

struct Project;
class Session;
class UserPrompts;

class CaptionPanel : public QWidget {
  Q_OBJECT

 public:
  // `fonts`: the caption fonts found on this computer (the font list's entries).
  // `selection`: the picture list's selection, which the position and text follow.
  CaptionPanel(Session& session, UserPrompts& prompts, std::vector<CaptionFont> fonts,
               QItemSelectionModel* selection, QWidget* parent);

  // Shows the project's caption options and the selected pictures' position and text.
  void showProject();

  QCheckBox* captionsBox() const { return captions_; }
  QComboBox* locationList() const { return location_; }
  QLineEdit* textEdit() const { return text_; }
  QComboBox* fontList() const { return font_; }
  QComboBox* sizeList() const { return size_; }
  QComboBox* colourList() const { return colour_; }
  QLabel* sample() const { return sample_; }

 private:
  void build();
  void connectControls();
  void switchCaptions(bool on);
  void chooseLocation(int location);
  void typeText(const QString& text);
  void chooseFont(int index);
  void chooseSize(int index);
  void chooseColour(int index);
  void showSelection();
  void enableControls();
  void repaintSample();
  // Runs an edit of the project as one undo step, keeping the picture selection.
  void edit(const QString& name, const std::function<void(Project&)>& change,
            bool mergeTyping = false);

  Session& session_;
  UserPrompts& prompts_;
  std::vector<CaptionFont> fonts_;
  QItemSelectionModel* selection_;
  QCheckBox* captions_ = nullptr;
  QComboBox* location_ = nullptr;
  QLineEdit* text_ = nullptr;
  QComboBox* font_ = nullptr;
  QComboBox* size_ = nullptr;
  QComboBox* colour_ = nullptr;
  QLabel* sample_ = nullptr;
  QPushButton* help_ = nullptr;
  bool editing_ = false;
};

}  // namespace pictavo
