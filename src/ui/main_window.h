// The main window: toolbar, menus, status bar and the places of the picture list and the
// option panels. Each command lives in its own file; this class only wires them together.
#pragma once

#include <QMainWindow>
#include <QString>
#include <QStringList>

#include <memory>

#include "ui/project_menu.h"
#include "ui/toolbar.h"
#include "ui/window_layout.h"

namespace pictavo {

class FileChoosers;
class GenerationCommand;
class MainStatusBar;
class PictureListControls;
class OptionPanels;
class MusicPanel;
class PictureListModel;
struct ProjectCheck;
class PreviewMusic;
class PreviewCommand;
class PictureLoading;
class ProjectCommands;
class Session;
class SettingsMenu;
class TrayIcon;
class UserPrompts;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  MainWindow(Session& session, UserPrompts& prompts, QWidget* parent = nullptr);
  ~MainWindow() override;

  // Opens a project file (a command-line argument, "打开"). A file that is broken, missing
  // or cannot be read: the reason in a box, the current project stays as it was, false.
  bool openProjectFile(const QString& path);

  // Appends pictures, skipping what cannot be added (reasons go to the information window).
  // Returns at once: the pictures are read on other threads and join the list one by one,
  // in this order. Called while a load runs, the files join the end of that load.
  void addPictureFiles(const QStringList& paths);
  // The same, inserting before the picture at `position` ("插入图片").
  void insertPictureFiles(const QStringList& paths, int position);
  // True while pictures are being added; the editing commands wait for the end.
  bool loadingPictures() const;

  // The exit sequence: asks about unsaved changes, stores the folders, empties the work
  // folder and closes. False when the user cancelled.
  bool exitProgram();
  // A termination signal: stops loading pictures and a generation run, without questions.
  void stopForInterrupt();

  // "预览该图片动画" (F5): the effect of the picture in `row`.
  void previewPictureEffect(int row);

  // The window's parts, for the commands that later parts add and for tests.
  const ToolbarActions& toolbarActions() const { return toolbar_; }
  const ProjectMenu& projectMenu() const { return projectMenu_; }
  SettingsMenu& settingsMenu() const { return *settingsMenu_; }
  MainStatusBar& statusParts() const { return *status_; }
  const WindowLayout& layoutParts() const { return layout_; }
  ProjectCommands& projectCommands() const { return *projectCommands_; }
  GenerationCommand& generationCommand() const { return *generation_; }
  PreviewCommand& previewCommand() const { return *preview_; }
  TrayIcon& trayIcon() const { return *tray_; }
  PictureListControls& pictureControls() const { return *pictureControls_; }
  OptionPanels& optionPanels() const { return *panels_; }
  MusicPanel& musicPanel() const { return *music_; }
  // The preview window plays its music through this.
  PreviewMusic& previewMusic() const;

 signals:
  // F2 and the menu item that shows the information window.
  void informationWindowToggleRequested();
  // F5 and "预览该图片动画": play the effect of the picture at `row`.
  void pictureEffectPreviewRequested(int row);
  // A load of pictures has ended (all added, stopped, or the list became full).
  void picturesLoaded();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void connectCommands();
  void pointAtRefusal(const ProjectCheck& check);
  void addKeys();
  void refresh();
  void refreshTitle();
  void addPicturesFromChooser(int position = -1);
  void importAnimation();
  void showPictureLimit();
  void connectPictureLoading();
  void stopLoadingPictures();
  void removeSelectedPictures();
  void removeAllPictures();
  void selectAllPictures();
  void createShortcut();
  void showAbout();
  void hideToTray();
  void restoreFromTray();
  void emptyWorkFolder();

  Session& session_;
  UserPrompts& prompts_;
  std::unique_ptr<FileChoosers> choosers_;
  ProjectMenu projectMenu_;
  SettingsMenu* settingsMenu_;
  ToolbarActions toolbar_;
  WindowLayout layout_;
  MainStatusBar* status_;
  PictureListModel* model_;
  PictureListControls* pictureControls_ = nullptr;
  PictureLoading* loading_;
  ProjectCommands* projectCommands_;
  GenerationCommand* generation_;
  PreviewCommand* preview_;
  TrayIcon* tray_;
  OptionPanels* panels_ = nullptr;
  MusicPanel* music_ = nullptr;
  bool exiting_ = false;
  bool showProjectTitle_ = false;
};

}  // namespace pictavo
