// The notification-area icon shown while the window is hidden there, with its menu.
#pragma once

#include <QObject>

class QAction;
class QIcon;
class QMenu;
class QSystemTrayIcon;

namespace pictavo {

class TrayIcon : public QObject {
  Q_OBJECT

 public:
  explicit TrayIcon(QObject* parent = nullptr);
  ~TrayIcon() override;

  // Whether the desktop has a notification area at all.
  static bool available();

  void setIcon(const QIcon& icon);
  void show();
  void hide();
  bool isVisible() const;

  QAction* showWindowAction() const { return showWindow_; }
  QAction* exitAction() const { return exit_; }

 signals:
  void showWindowRequested();
  void exitRequested();

 private:
  QMenu* menu_;
  QAction* showWindow_;
  QAction* exit_;
  QSystemTrayIcon* icon_;
};

}  // namespace pictavo
