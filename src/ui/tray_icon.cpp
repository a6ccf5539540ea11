#include "ui/tray_icon.h"

#include <QMenu>
#include <QSystemTrayIcon>

#include "ui/command_ids.h"

namespace pictavo {

TrayIcon::TrayIcon(QObject* parent)
    : QObject(parent),
      menu_(new QMenu),
      showWindow_(menu_->addAction(tr("显示主窗口"))),
      exit_(nullptr),
      icon_(new QSystemTrayIcon(this)) {
  showWindow_->setData(static_cast<int>(kCmdTrayShowWindow));
  menu_->addSeparator();
  exit_ = menu_->addAction(tr("退出"));
  exit_->setData(static_cast<int>(kCmdTrayExit));
  icon_->setToolTip(QStringLiteral("Pictavo"));
  icon_->setContextMenu(menu_);
  connect(showWindow_, &QAction::triggered, this, &TrayIcon::showWindowRequested);
  connect(exit_, &QAction::triggered, this, &TrayIcon::exitRequested);
  // A left click brings the window back, as "显示主窗口" does.
  connect(icon_, &QSystemTrayIcon::activated, this, [this](QSystemTrayIcon::ActivationReason why) {
    if (why == QSystemTrayIcon::Trigger) emit showWindowRequested();
  });
}

TrayIcon::~TrayIcon() { delete menu_; }

bool TrayIcon::available() { return QSystemTrayIcon::isSystemTrayAvailable(); }
void TrayIcon::setIcon(const QIcon& icon) { icon_->setIcon(icon); }
void TrayIcon::show() { icon_->show(); }
void TrayIcon::hide() { icon_->hide(); }
bool TrayIcon::isVisible() const { return icon_->isVisible(); }

}  // namespace pictavo
