// The information window: a small log of problems that do not stop the user's work
// (pictures that cannot be read, failed imports), green on black. A new message shows it;
// F2 shows and hides it; closing it only hides it, and its text stays for the whole run.
#pragma once

#include <QWidget>

class QPlainTextEdit;

namespace pictavo {

class MainWindow;

class InformationWindow : public QWidget {
  Q_OBJECT

 public:
  // A tool window owned by `owner` (not on the task bar), created hidden.
  explicit InformationWindow(QWidget* owner);
  // Stops taking the core's messages when it was their sink.
  ~InformationWindow() override;

  // Appends the text and an empty line, scrolls to the end and shows the window when hidden,
  // without taking the focus.
  void addMessage(const QString& text);
  void toggle();
  QString text() const;

  // Makes this window the sink of the core's information log (util/info_log.h): messages
  // from any thread are shown on the main thread, in order, including those kept so far.
  void takeCoreMessages();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  QPlainTextEdit* log_;
  bool isCoreSink_ = false;
};

// The information window of the main window: F2 there toggles it, and it shows the core's
// messages from now on.
InformationWindow* attachInformationWindow(MainWindow& window);

}  // namespace pictavo
