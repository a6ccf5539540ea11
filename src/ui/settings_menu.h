// The "软件设置" drop-down. It is rebuilt each time it opens so that its check marks show
// the preferences as they are; each item writes its preference at once.
#pragma once

#include <QObject>

class QMenu;
class QWidget;

namespace pictavo {

class PreferencesStore;
class Session;

class SettingsMenu : public QObject {
  Q_OBJECT

 public:
  // `trayAvailable`: without a notification area, hiding to it is not offered.
  SettingsMenu(Session& session, bool trayAvailable, QWidget* parent);

  QMenu* menu() const { return menu_; }

 signals:
  void captionMarginsRequested();
  void loopPlaySettingsRequested();
  void userGuideRequested();
  void informationWindowRequested();

 private:
  void rebuild();
  void addLanguageChoices(PreferencesStore& store);

  Session& session_;
  bool trayAvailable_;
  QMenu* menu_;
};

}  // namespace pictavo
