#include "ui/toolbar.h"

#include <QAction>
#include <QEvent>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

#include "ui/command_ids.h"

namespace pictavo {
namespace {

// Qt shows a button's label as its tooltip when the action has none; only the buttons
// with a tooltip of their own should show one.
// Found again by this name: the class has no meta-object of its own, so findChild cannot
// tell it from the toolbar's other children by type.
const char kTooltipFilterName[] = "ownTooltipsOnly";

class OwnTooltipsOnly : public QObject {
 public:
  explicit OwnTooltipsOnly(QObject* parent) : QObject(parent) {
    setObjectName(QLatin1String(kTooltipFilterName));
  }
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::ToolTip) return false;
    auto* button = qobject_cast<QToolButton*>(watched);
    return button && button->defaultAction() &&
           !button->defaultAction()->property("ownTooltip").toBool();
  }
};

QAction* addButton(QToolBar* bar, CommandId id, const QString& label, const char* icon,
                   const QString& tooltip = QString()) {
  auto* action = bar->addAction(QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(icon))),
                                label);
  action->setData(static_cast<int>(id));
  action->setObjectName(QStringLiteral("command%1").arg(static_cast<int>(id)));
  action->setToolTip(tooltip);
  action->setProperty("ownTooltip", !tooltip.isEmpty());
  if (QWidget* button = bar->widgetForAction(action)) {
    button->setAccessibleName(label);
    button->installEventFilter(
        bar->findChild<QObject*>(QLatin1String(kTooltipFilterName), Qt::FindDirectChildrenOnly));
  }
  return action;
}

// A button whose whole face opens its menu.
QAction* addMenuButton(QToolBar* bar, CommandId id, const QString& label, const char* icon,
                       QMenu* menu) {
  QAction* action = addButton(bar, id, label, icon);
  action->setMenu(menu);
  if (auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(action)))
    button->setPopupMode(QToolButton::InstantPopup);
  return action;
}

}  // namespace

QList<QAction*> ToolbarActions::all() const {
  return {projects,  addPictures, loadProduct, removePictures, importAnimation, turnLeft,
          turnRight, moveLeft,    moveRight,   preview,        generate,        shortcut,
          website,   about,       userGuide,   gifMode,        settings};
}

ToolbarActions buildToolbar(QToolBar* bar, QMenu* projectMenu, QMenu* settingsMenu) {
  bar->setMovable(false);
  bar->setFloatable(false);
  bar->setIconSize(QSize(32, 32));
  bar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  bar->setContextMenuPolicy(Qt::PreventContextMenu);
  bar->setStyleSheet(QStringLiteral("QToolButton { min-width: 56px; padding: 4px 2px; }"));
  new OwnTooltipsOnly(bar);

  ToolbarActions a;
  a.projects = addMenuButton(bar, kCmdProjects, QObject::tr("我的项目"), "projects", projectMenu);
  bar->addSeparator();
  a.addPictures = addButton(bar, kCmdAddPictures, QObject::tr("添加图片"), "add_pictures");
  a.loadProduct = addButton(bar, kCmdLoadProduct, QObject::tr("加载宝贝"), "load_product",
                            QObject::tr("加载淘宝,天猫宝贝图片"));
  a.removePictures = addButton(bar, kCmdRemovePictures, QObject::tr("移除图片"), "remove_pictures");
  bar->addSeparator();
  a.importAnimation = addButton(bar, kCmdImportAnimation, QObject::tr("导入动画"),
                                "import_animation", QObject::tr("导入gif动画"));
  bar->addSeparator();
  a.turnLeft = addButton(bar, kCmdTurnLeft, QObject::tr("图片左转"), "turn_left");
  a.turnRight = addButton(bar, kCmdTurnRight, QObject::tr("图片右转"), "turn_right");
  bar->addSeparator();
  a.moveLeft = addButton(bar, kCmdMoveLeft, QObject::tr("向左移动"), "move_left",
                         QObject::tr("快捷键: Ctrl + ←"));
  a.moveRight = addButton(bar, kCmdMoveRight, QObject::tr("向右移动"), "move_right",
                          QObject::tr("快捷键: Ctrl + →"));
  bar->addSeparator();
  a.preview = addButton(bar, kCmdPreview, QObject::tr("视频预览"), "preview");
  a.generate = addButton(bar, kCmdGenerate, QObject::tr("生成视频"), "generate");
  bar->addSeparator();
  a.shortcut = addButton(bar, kCmdShortcut, QObject::tr("快捷方式"), "shortcut",
                         QObject::tr("在桌面创建一个快捷方式"));
  a.website = addButton(bar, kCmdWebsite, QObject::tr("官方网站"), "website");
  a.about = addButton(bar, kCmdAbout, QObject::tr("关于软件"), "about");
  a.userGuide = addButton(bar, kCmdUserGuide, QObject::tr("使用指南"), "guide");
  a.userGuide->setVisible(false);
  bar->addSeparator()->setVisible(false);
  a.gifMode = addButton(bar, kCmdGifMode, QObject::tr("GIF模式"), "gif_mode",
                        QObject::tr("开启[GIF模式]后视频由最多 %1 张连续的图片组成").arg(99));
  a.gifMode->setCheckable(true);
  a.gifMode->setVisible(false);
  bar->addSeparator();
  a.settings = addMenuButton(bar, kCmdSettings, QObject::tr("软件设置"), "settings", settingsMenu);
  updateToolbarEnabling(a, 0, {});
  return a;
}

void updateToolbarEnabling(const ToolbarActions& a, int pictureCount,
                           const std::vector<int>& selectedRows) {
  a.preview->setEnabled(pictureCount > 0);
  a.generate->setEnabled(pictureCount > 0);
  const bool any = !selectedRows.empty();
  for (QAction* action : {a.removePictures, a.turnLeft, a.turnRight}) action->setEnabled(any);
  a.moveLeft->setEnabled(any && selectedRows.front() > 0);
  a.moveRight->setEnabled(any && selectedRows.back() < pictureCount - 1);
}

}  // namespace pictavo
