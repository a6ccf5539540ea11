// The "我的项目" commands: new, open, save and save as, over the core's project file.
#pragma once

#include <QObject>
#include <QString>

namespace pictavo {

class FileChoosers;
class Session;
class UserPrompts;

class ProjectCommands : public QObject {
  Q_OBJECT

 public:
  ProjectCommands(Session& session, UserPrompts& prompts, FileChoosers& choosers,
                  QWidget* window);

  void newProject();
  void open();
  bool openFile(const QString& path);
  bool save();
  bool saveAs();

  // Before the project is closed: asks whether to save a changed project. True when the
  // caller may go on (saved, or the user chose not to); false on Cancel or a failed save.
  bool settleUnsavedChanges();

 signals:
  // Progress lines for the status bar.
  void statusMessage(const QString& text);
  // The project now has this file (its title changes with it).
  void projectSaved();

 private:
  bool writeTo(const QString& path);
  void showCoreMessage(const std::string& caption, const std::string& text);

  Session& session_;
  UserPrompts& prompts_;
  FileChoosers& choosers_;
  QWidget* window_;
};

}  // namespace pictavo
