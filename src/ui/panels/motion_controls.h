// The framing and motion of the project's pictures, beside the size and pause: how a
// picture meets the frame (fitted, filled, over a blurred copy of itself), how it moves over
// its stay and how far. Every choice is one step of the undo history.
#pragma once

#include <QWidget>

class QBoxLayout;
class QComboBox;

namespace pictavo {

class Session;

class MotionControls : public QObject {
  Q_OBJECT

 public:
  // Adds the three labelled lists to `row`.
  MotionControls(Session& session, QBoxLayout* row, QWidget* parent);

  void showProject();

  QComboBox* framingList() const { return framing_; }
  QComboBox* motionList() const { return motion_; }
  QComboBox* strengthList() const { return strength_; }

  // The motion names in the order of their numbers, for the lists and the picture menu.
  static QStringList motionNames();

 private:
  Session& session_;
  QComboBox* framing_;
  QComboBox* motion_;
  QComboBox* strength_;
};

}  // namespace pictavo
