#include "ui/main_window.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QListView>
#include <QMimeData>
#include <QScreen>
#include <QToolBar>

#include <algorithm>

#include "app/qt_text.h"
#include "app/session.h"
#include "app/user_prompts.h"
#include "music/music_texts.h"
#include "ui/file_choosers.h"
#include "ui/generation_command.h"
#include "ui/models/picture_list_model.h"
#include "ui/panels/music_panel.h"
#include "ui/panels/option_panels.h"
#include "ui/picture_list/picture_list_controls.h"
#include "ui/picture_list/picture_loading.h"
#include "ui/preview/preview_command.h"
#include "ui/project_commands.h"
#include "ui/settings_menu.h"
#include "ui/status_bar.h"
#include "ui/tray_icon.h"
#include "video/length_texts.h"

// The icons are compiled into this static library; its resources must be registered by
// name, as the linker keeps no unreferenced initialiser. Outside any namespace, as Qt needs.
static void registerIcons() { Q_INIT_RESOURCE(icons); }

namespace pictavo {
namespace {

constexpr int kToolbarHeight = 62;

}  // namespace

MainWindow::MainWindow(Session& session, UserPrompts& prompts, QWidget* parent)
    : QMainWindow(parent),
      session_(session),
      prompts_(prompts),
      choosers_(std::make_unique<FileChoosers>(prompts, this)),
      projectMenu_(buildProjectMenu(this)),
      settingsMenu_(new SettingsMenu(session, TrayIcon::available(), this)),
      status_(new MainStatusBar(this)),
      model_(new PictureListModel(session.project(), this)),
      projectCommands_(new ProjectCommands(session, prompts, *choosers_, this)),
      generation_(new GenerationCommand(session, prompts, *choosers_, this)),
      tray_(new TrayIcon(this)) {
  registerIcons();
  setWindowIcon(QIcon(QStringLiteral(":/icons/pictavo.svg")));
  tray_->setIcon(windowIcon());
  setFixedSize(1019, 666);
  setWindowFlag(Qt::WindowMaximizeButtonHint, false);
  setAcceptDrops(true);

  auto* bar = new QToolBar(tr("工具栏"), this);
  bar->setFixedHeight(kToolbarHeight);
  addToolBar(bar);
  toolbar_ = buildToolbar(bar, projectMenu_.menu, settingsMenu_->menu());
  // A longer language puts some labels on two lines: the toolbar, and the window with it,
  // grow by that line rather than cut it.
  const QList<QAction*> buttons = toolbar_.all();
  const bool twoLines = std::any_of(buttons.begin(), buttons.end(), [](const QAction* action) {
    return action->iconText().contains(QLatin1Char('\n'));
  });
  const int toolbarHeight = kToolbarHeight + (twoLines ? bar->fontMetrics().lineSpacing() : 0);
  bar->setFixedHeight(toolbarHeight);
  setFixedSize(width(), height() + toolbarHeight - kToolbarHeight);
  preview_ = new PreviewCommand(session, prompts, this, toolbar_.preview);
  layout_ = buildWindowLayout(this, toolbarHeight);
  layout_.pictureList->setModel(model_);
  pictureControls_ = new PictureListControls(session_, layout_.pictureList, toolbar_, *status_, this);
  music_ = new MusicPanel(session, prompts, *choosers_, layout_.musicGroup);
  preview_->setMusic(music_);
  connect(music_, &MusicPanel::beatsFound, this, &MainWindow::refresh);
  setCentralWidget(layout_.central);
  panels_ = new OptionPanels(session_, prompts_, *choosers_, layout_,
                             layout_.pictureList->selectionModel(), toolbar_.generate,
                             *settingsMenu_, this);
  setStatusBar(status_);
  loading_ = new PictureLoading(session, prompts, *model_, *status_, this);

  connectCommands();
  addKeys();
  connectPictureLoading();
  refresh();
  if (QScreen* screen = this->screen()) move(screen->availableGeometry().center() - rect().center());
}

// The list's controls go first: they follow the list and the focus, which the destruction of
// the window's children would otherwise report to them half-destroyed.
MainWindow::~MainWindow() { delete pictureControls_; }

PreviewMusic& MainWindow::previewMusic() const { return *music_; }

bool MainWindow::openProjectFile(const QString& path) {
  stopLoadingPictures();  // the pictures being added belong to the project being closed
  bool opened = projectCommands_->openFile(path);
  showProjectTitle_ = showProjectTitle_ || opened;
  refresh();
  return opened;
}

// Shows the project as it is now; it only reads.
void MainWindow::refresh() {
  model_->reload();
  panels_->showProject();
  music_->showProject();
  int count = static_cast<int>(session_.project().pictures.size());
  pictureControls_->refresh();
  updateProjectMenu(projectMenu_, session_.project());
  status_->setPictureCount(count);
  status_->setAudioLengthText(fromCore(audioLengthText(session_.project().settings.musicTracks)));
  status_->setVideoLengthText(
      fromCore(videoLengthText(session_.project(), session_.preferences().loopStartEffect)));
  refreshTitle();
}

// "Pictavo(V8.2)" until a project command gives the window a project title.
void MainWindow::refreshTitle() {
  QString title = QStringLiteral("Pictavo(V8.2)");
  if (showProjectTitle_ || !session_.project().path.empty())
    title += QStringLiteral(" - ") + session_.projectTitle();
  setWindowTitle(title);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // While a worker or a run holds the window, closing waits for it to end.
  if (!exiting_ && (!isEnabled() || session_.preferences().closeButtonHides == 0 ||
                    !TrayIcon::available())) {
    event->ignore();
    if (isEnabled()) exitProgram();
    return;
  }
  if (!exiting_) {
    event->ignore();
    hideToTray();
    return;
  }
  tray_->hide();
  event->accept();
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

}  // namespace pictavo
