#include "ui/picture_list/picture_list_controls.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QListView>
#include <QMenu>
#include <QScrollBar>
#include <QShortcut>
#include <QTimer>

#include "app/qt_text.h"
#include "app/session.h"
#include "ui/picture_list/caption_badges.h"
#include "ui/picture_list/effect_chooser.h"
#include "ui/picture_list/list_geometry.h"
#include "ui/picture_list/list_selection.h"
#include "ui/picture_list/picture_commands.h"
#include "ui/toolbar.h"

namespace pictavo {
namespace {

// The overlays come back this long after the last scroll step.
constexpr int kScrollSettleMs = 120;

}  // namespace

PictureListControls::PictureListControls(Session& session, QListView* view,
                                         const ToolbarActions& toolbar, MainStatusBar& status,
                                         QWidget* window)
    : QObject(window),
      session_(session),
      view_(view),
      commands_(new PictureCommands(session, view, this)),
      menu_(buildPictureListMenu(window)),
      chooser_(new EffectChooser(view->viewport())),
      badges_(new CaptionBadges(view, session.project())),
      information_(toolbar, status),
      scrollEnd_(new QTimer(this)) {
  connect(toolbar.turnLeft, &QAction::triggered, commands_, &PictureCommands::turnLeft);
  connect(toolbar.turnRight, &QAction::triggered, commands_, &PictureCommands::turnRight);
  connect(toolbar.moveLeft, &QAction::triggered, commands_, &PictureCommands::moveLeft);
  connect(toolbar.moveRight, &QAction::triggered, commands_, &PictureCommands::moveRight);
  auto* f5 = new QShortcut(QKeySequence(Qt::Key_F5), window);
  f5->setContext(Qt::WindowShortcut);
  connect(f5, &QShortcut::activated, this, &PictureListControls::requestPreview);
  connect(chooser_, &EffectChooser::effectChosen, this, &PictureListControls::chooseEffect);
  connectMenu();
  connectList();
}

void PictureListControls::connectMenu() {
  const PictureListMenu& m = menu_;
  PictureCommands* c = commands_;
  connect(m.add, &QAction::triggered, this, &PictureListControls::addRequested);
  connect(m.insert, &QAction::triggered, this, [this] {
    int position = view_->selectionModel()->currentIndex().row();
    std::vector<int> rows = selectedRows(view_);
    if (position < 0 && !rows.empty()) position = rows.front();
    emit insertRequested(position);
  });
  connect(m.removeSelected, &QAction::triggered, c, &PictureCommands::removeSelected);
  connect(m.removeAll, &QAction::triggered, c, &PictureCommands::removeAll);
  connect(m.randomOrder, &QAction::triggered, c, &PictureCommands::randomOrder);
  connect(m.newEffectSet, &QAction::triggered, c, &PictureCommands::newEffectSet);
  connect(m.sameEffectForAll, &QAction::triggered, c, &PictureCommands::sameEffectForAll);
  const CaptionPlacement placements[] = {
      CaptionPlacement::FlushDiagonal, CaptionPlacement::FlushCrossing,
      CaptionPlacement::InsetDiagonal, CaptionPlacement::InsetCrossing,
      CaptionPlacement::MiddleBottom};
  QList<QAction*> placementItems = m.captionPlacements();
  for (int i = 0; i < placementItems.size(); ++i) {
    CaptionPlacement placement = placements[i];
    connect(placementItems[i], &QAction::triggered, c, [c, placement] { c->placeCaptions(placement); });
  }
  connect(m.setAsCover, &QAction::triggered, c, &PictureCommands::setAsCover);
  for (int i = 0; i < m.motions.size(); ++i) {
    const int motion = i == 0 ? kMotionOfProject : i - 1;
    connect(m.motions[i], &QAction::triggered, c, [c, motion] { c->setMotion(motion); });
  }
  connect(m.previewEffect, &QAction::triggered, this, &PictureListControls::requestPreview);
  connect(m.undo, &QAction::triggered, &session_.undoStack(), &QUndoStack::undo);
  connect(m.redo, &QAction::triggered, &session_.undoStack(), &QUndoStack::redo);
}

void PictureListControls::connectList() {
  view_->setContextMenuPolicy(Qt::CustomContextMenu);
  connect(view_, &QWidget::customContextMenuRequested, this, &PictureListControls::openMenu);
  connect(view_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &PictureListControls::refresh);
  connect(view_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          &PictureListControls::placeChooser);
  const QAbstractItemModel* model = view_->model();
  for (auto signal : {&QAbstractItemModel::rowsInserted, &QAbstractItemModel::rowsRemoved})
    connect(model, signal, this, &PictureListControls::refresh);
  connect(model, &QAbstractItemModel::dataChanged, this, &PictureListControls::refresh);
  connect(model, &QAbstractItemModel::layoutChanged, this, &PictureListControls::refresh);
  connect(qApp, &QApplication::focusChanged, this, &PictureListControls::placeChooser);

  // Scrolling hides the overlays; they are placed again once it stops.
  scrollEnd_->setSingleShot(true);
  scrollEnd_->setInterval(kScrollSettleMs);
  connect(scrollEnd_, &QTimer::timeout, this, &PictureListControls::placeOverlays);
  for (QScrollBar* bar : {view_->horizontalScrollBar(), view_->verticalScrollBar()}) {
    connect(bar, &QScrollBar::valueChanged, this, [this] {
      hideOverlays();
      scrollEnd_->start();
    });
  }
}

void PictureListControls::refresh() {
  information_.show(session_.project(), selectedRows(view_));
  placeOverlays();
}

void PictureListControls::openMenu(const QPoint& position) {
  MenuState state;
  state.pictureCount = static_cast<int>(session_.project().pictures.size());
  state.selectedCount = static_cast<int>(selectedRows(view_).size());
  state.captionsOn = session_.project().settings.captionsOn;
  state.canUndo = session_.undoStack().canUndo();
  state.canRedo = session_.undoStack().canRedo();
  updatePictureListMenu(menu_, state);
  menu_.menu->popup(view_->viewport()->mapToGlobal(position));
}

void PictureListControls::placeOverlays() {
  if (scrollEnd_->isActive()) return;
  badges_->refresh();
  placeChooser();
}

void PictureListControls::hideOverlays() {
  chooser_->hide();
  badges_->hideAll();
}

// Over the focused picture when it is the only one selected and the list or the chooser
// has the keyboard focus.
void PictureListControls::placeChooser() {
  if (chooser_->view()->isVisible() || scrollEnd_->isActive()) return;
  std::vector<int> rows = selectedRows(view_);
  int row = focusedSelectedRow(view_);
  const auto& pictures = session_.project().pictures;
  if (rows.size() != 1 || row < 0 || row >= static_cast<int>(pictures.size()) || !focusInList()) {
    chooser_->hide();
    return;
  }
  chooser_->showUnder(thumbnailRect(view_, row),
                      fromCore(pictures[static_cast<size_t>(row)].animationName));
}

bool PictureListControls::focusInList() const {
  QWidget* focus = QApplication::focusWidget();
  return focus != nullptr && (focus == view_ || view_->isAncestorOf(focus));
}

void PictureListControls::chooseEffect(int animationIndex) {
  int row = focusedSelectedRow(view_);
  if (row < 0) return;
  commands_->setEffect(row, animationIndex);
  view_->setFocus();
  chooser_->hide();
}

void PictureListControls::requestPreview() {
  int row = focusedSelectedRow(view_);
  if (row >= 0) emit effectPreviewRequested(row);
}

}  // namespace pictavo
