// "【加文字】边距设置": the caption margins as percentages of the video size. Confirming
// checks all five values and writes them to the preferences at once; it is no step of the
// project's undo history.
#pragma once

#include <QDialog>

#include <array>

class QLineEdit;

namespace pictavo {

class Session;
class UserPrompts;

class CaptionMarginsDialog : public QDialog {
  Q_OBJECT

 public:
  // The fields in the order they are checked and stored.
  enum Field { CentreBottom, Left, Right, Top, Bottom, FieldCount };

  CaptionMarginsDialog(Session& session, UserPrompts& prompts, QWidget* parent);

  // Fills the fields from the preferences and runs the dialog.
  void run();
  // Fills the fields from the preferences (every opening does this).
  void prepare();

  QLineEdit* field(Field f) const { return fields_[f]; }

  void accept() override;

 private:
  void fillDefaults();
  // The first failed check's message; `failed` names its field.
  QString firstProblem(Field* failed, std::array<double, FieldCount>* percents) const;

  Session& session_;
  UserPrompts& prompts_;
  std::array<QLineEdit*, FieldCount> fields_{};
};

}  // namespace pictavo
