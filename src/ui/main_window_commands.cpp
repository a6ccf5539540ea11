// The main window's wiring: which command each button, menu item and key runs.
#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QListView>
#include <QMenu>
#include <QPushButton>
#include <QShortcut>

#include <functional>

#include "app/qt_text.h"
#include "app/session.h"
#include "app/user_prompts.h"
#include "platform/folders.h"
#include "ui/desktop_shortcut.h"
#include "ui/dialogs/product_import_dialog.h"
#include "ui/file_choosers.h"
#include "ui/generation_command.h"
#include "ui/main_window.h"
#include "ui/models/picture_list_model.h"
#include "ui/panels/cover_panel.h"
#include "ui/panels/logo_panel.h"
#include "ui/panels/music_panel.h"
#include "ui/panels/option_panels.h"
#include "ui/panels/output_panel.h"
#include "ui/picture_list/picture_commands.h"
#include "ui/picture_list/picture_list_controls.h"
#include "ui/preview/preview_command.h"
#include "ui/project_commands.h"
#include "ui/settings_menu.h"
#include "ui/status_bar.h"
#include "ui/tray_icon.h"
#include "ui/web_pages.h"

namespace pictavo {

void MainWindow::connectCommands() {
  QUndoStack& history = session_.undoStack();
  connect(&history, &QUndoStack::indexChanged, this, &MainWindow::refresh);
  connect(projectMenu_.menu, &QMenu::aboutToShow, this,
          [this] { updateProjectMenu(projectMenu_, session_.project()); });

  // After a project command the title names the project.
  auto titledCommand = [this](QAction* action, std::function<void(ProjectCommands&)> command) {
    connect(action, &QAction::triggered, this, [this, command = std::move(command)] {
      command(*projectCommands_);
      showProjectTitle_ = true;
      refresh();
    });
  };
  titledCommand(projectMenu_.newProject, [](ProjectCommands& c) { c.newProject(); });
  titledCommand(projectMenu_.open, [](ProjectCommands& c) { c.open(); });
  titledCommand(projectMenu_.save, [](ProjectCommands& c) { c.save(); });
  titledCommand(projectMenu_.saveAs, [](ProjectCommands& c) { c.saveAs(); });
  connect(projectCommands_, &ProjectCommands::statusMessage, status_, &MainStatusBar::setMessage);
  connect(projectCommands_, &ProjectCommands::projectSaved, this, &MainWindow::refresh);

  connect(toolbar_.addPictures, &QAction::triggered, this, &MainWindow::addPicturesFromChooser);
  connect(toolbar_.loadProduct, &QAction::triggered, this,
          [this] { openProductImportDialog(*this, prompts_, session_.project()); });
  connect(toolbar_.importAnimation, &QAction::triggered, this, &MainWindow::importAnimation);
  connect(toolbar_.removePictures, &QAction::triggered, this, &MainWindow::removeSelectedPictures);
  connect(toolbar_.generate, &QAction::triggered, generation_, &GenerationCommand::run);
  connect(toolbar_.preview, &QAction::triggered, preview_, &PreviewCommand::start);
  connect(toolbar_.shortcut, &QAction::triggered, this, &MainWindow::createShortcut);
  connect(toolbar_.website, &QAction::triggered, this,
          [this] { openServicePage(prompts_, this, QString()); });
  connect(toolbar_.about, &QAction::triggered, this, &MainWindow::showAbout);
  auto openHelp = [this] { openServicePage(prompts_, this, QLatin1String(kHelpPagePath)); };
  connect(toolbar_.userGuide, &QAction::triggered, this, openHelp);
  connect(settingsMenu_, &SettingsMenu::userGuideRequested, this, openHelp);
  connect(settingsMenu_, &SettingsMenu::informationWindowRequested, this,
          &MainWindow::informationWindowToggleRequested);

  connect(pictureControls_, &PictureListControls::addRequested, this,
          [this] { addPicturesFromChooser(); });
  connect(pictureControls_, &PictureListControls::insertRequested, this,
          &MainWindow::addPicturesFromChooser);
  connect(pictureControls_, &PictureListControls::effectPreviewRequested, this,
          &MainWindow::pictureEffectPreviewRequested);
  connect(this, &MainWindow::pictureEffectPreviewRequested, this, &MainWindow::previewPictureEffect);

  connect(generation_, &GenerationCommand::refused, this, &MainWindow::pointAtRefusal);
  connect(preview_, &PreviewCommand::refused, this, &MainWindow::pointAtRefusal);

  connect(tray_, &TrayIcon::showWindowRequested, this, &MainWindow::restoreFromTray);
  connect(tray_, &TrayIcon::exitRequested, this, &MainWindow::exitProgram);
}

// Keys that work anywhere in the window. Ctrl+← / Ctrl+→ belong to the move buttons;
// F5 (the picture's effect preview) comes with the picture list's controls.
void MainWindow::addKeys() {
  auto key = [this](const QKeySequence& sequence, auto slot) {
    auto* shortcut = new QShortcut(sequence, this);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, slot);
  };
  key(QKeySequence(Qt::Key_F2), [this] { emit informationWindowToggleRequested(); });
  key(QKeySequence(Qt::CTRL | Qt::Key_D), [this] { removeAllPictures(); });
  QAction* undo = session_.undoStack().createUndoAction(this, tr("撤销"));
  undo->setShortcut(QKeySequence::Undo);
  QAction* redo = session_.undoStack().createRedoAction(this, tr("重做"));
  redo->setShortcut(QKeySequence::Redo);
  addActions({undo, redo});
  toolbar_.moveLeft->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Left));
  toolbar_.moveRight->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Right));
}

// Delete and Ctrl+A reach the window when the control that has the focus does not use them
// itself (the list, a button, a combo box): a text field or the music list keeps its own.
void MainWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Delete && event->modifiers() == Qt::NoModifier) {
    removeSelectedPictures();
  } else if (event->matches(QKeySequence::SelectAll)) {
    selectAllPictures();
  } else {
    QMainWindow::keyPressEvent(event);
  }
}

// `position` -1 appends; else the pictures go before the picture at `position`.
void MainWindow::addPicturesFromChooser(int position) {
  QStringList paths = choosers_->openMany(
      tr("选择图片 - 支持多选"),
      tr("图片文件(*.jpg *.jpeg *.gif *.png *.bmp *.tbi *.JPG *.JPEG *.GIF *.PNG *.BMP *.TBI)"),
      session_.preferences().imageFolder);
  if (paths.isEmpty()) return;
  if (position < 0)
    addPictureFiles(paths);
  else
    insertPictureFiles(paths, position);
}

void MainWindow::removeSelectedPictures() {
  if (!loadingPictures()) pictureControls_->commands().removeSelected();
}

void MainWindow::removeAllPictures() {
  if (!loadingPictures()) pictureControls_->commands().removeAll();
}

void MainWindow::previewPictureEffect(int row) { preview_->previewPictureEffect(row); }

void MainWindow::selectAllPictures() { layout_.pictureList->selectAll(); }

// After a refused preview or generation, the focus goes to the control to change.
void MainWindow::pointAtRefusal(const ProjectCheck& check) {
  switch (check.focus) {
    case CheckFocus::SizeList: panels_->output().sizeList()->setFocus(); break;
    case CheckFocus::LogoPanel: panels_->logo().chooseButton()->setFocus(); break;
    case CheckFocus::CoverPanel: panels_->cover().chooseButton()->setFocus(); break;
    case CheckFocus::MusicList: music_->focusTrack(check.musicTrack); break;
    case CheckFocus::None: break;
  }
}

void MainWindow::createShortcut() {
  QString program = QCoreApplication::applicationFilePath();
  // The program's own icon file where it has one, else the icon theme's entry.
  QString icon = QFile::decodeName(resourceFolder().c_str()) + QStringLiteral("/icons/pictavo.svg");
  if (!QFileInfo::exists(icon)) icon = QStringLiteral("pictavo");
  bool made = createDesktopShortcut(fromCore(desktopFolder()), program,
                                    QFileInfo(program).absolutePath(), icon);
  if (made)
    prompts_.message(this, QMessageBox::Information, tr("提示"), tr("在桌面上成功创建了一个快捷方式"));
  else
    prompts_.message(this, QMessageBox::Critical, tr("提示"), tr("在桌面上创建快捷方式失败"));
}

void MainWindow::showAbout() {
  prompts_.message(this, QMessageBox::Information, tr("关于"), aboutText());
}

}  // namespace pictavo
