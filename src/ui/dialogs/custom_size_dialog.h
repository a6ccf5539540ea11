// "自定义视频尺寸": asks for an output size of even sides, 128..3840 by 128..2160. Created
// once by the main window and shown again for every use.
#pragma once

#include <QDialog>
#include <QSize>

#include <optional>

class QLineEdit;

namespace pictavo {

class UserPrompts;

class CustomSizeDialog : public QDialog {
  Q_OBJECT

 public:
  CustomSizeDialog(UserPrompts& prompts, QWidget* parent);

  // Empties both fields and runs the dialog; the size on "确定", nothing on cancel.
  std::optional<QSize> ask();

  // Empties both fields and puts the focus in the width (every opening does this).
  void prepare();
  // The size of the last accepted run.
  QSize chosenSize() const { return chosen_; }

  QLineEdit* widthEdit() const { return width_; }
  QLineEdit* heightEdit() const { return height_; }

  void accept() override;

 private:
  // The first failed check's message with its field, or no message when the size is good.
  QString firstProblem(QLineEdit** field) const;

  UserPrompts& prompts_;
  QLineEdit* width_;
  QLineEdit* height_;
  QSize chosen_;
};

}  // namespace pictavo
