// The main window: toolbar, menus, status bar and the places of the picture list and the
// option panels. Each command lives in its own file; this class only wires them together.
#pragma once

#include <QMainWindow>
#include <QString>
#include <QStringList>

namespace pictavo {

class Session;
class UserPrompts;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  MainWindow(Session& session, UserPrompts& prompts, QWidget* parent = nullptr);
  ~MainWindow() override;

  // Opens a project file (a command-line argument, "打开"). A file that is broken, missing
  // or whose name the program cannot carry: the reason in a box, the window stays with an
  // empty project, false.
  bool openProjectFile(const QString& path);

  // Appends pictures, skipping what cannot be added (reasons go to the information window).
  void addPictureFiles(const QStringList& paths);

 signals:
  // F2 and the menu item that shows the information window.
  void informationWindowToggleRequested();

 private:
  Session& session_;
  UserPrompts& prompts_;
};

}  // namespace pictavo
