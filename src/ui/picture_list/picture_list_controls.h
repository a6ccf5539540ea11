// Everything that works on the picture list besides showing it: the context menu, the
// toolbar's turn and move buttons, F5, the effect chooser and caption badges floating over
// the pictures, and the selection information in the toolbar and status bar.
#pragma once

#include <QObject>

#include "ui/picture_list/picture_list_menu.h"
#include "ui/picture_list/selection_information.h"

class QListView;
class QTimer;

namespace pictavo {

class CaptionBadges;
class EffectChooser;
class MainStatusBar;
class PictureCommands;
class Session;
struct ToolbarActions;

class PictureListControls : public QObject {
  Q_OBJECT

 public:
  PictureListControls(Session& session, QListView* view, const ToolbarActions& toolbar,
                      MainStatusBar& status, QWidget* window);

  // Shows the project's and the selection's state again (after any change of the project).
  void refresh();

  PictureCommands& commands() const { return *commands_; }
  const PictureListMenu& menu() const { return menu_; }
  EffectChooser& effectChooser() const { return *chooser_; }

 signals:
  void addRequested();
  // "插入图片": new pictures go before the picture at `position`.
  void insertRequested(int position);
  void effectPreviewRequested(int row);

 private:
  void connectMenu();
  void connectList();
  void openMenu(const QPoint& position);
  void placeOverlays();
  void placeChooser();
  void hideOverlays();
  void chooseEffect(int animationIndex);
  void requestPreview();
  bool focusInList() const;

  Session& session_;
  QListView* view_;
  PictureCommands* commands_;
  PictureListMenu menu_;
  EffectChooser* chooser_;
  CaptionBadges* badges_;
  SelectionInformation information_;
  QTimer* scrollEnd_;
};

}  // namespace pictavo
