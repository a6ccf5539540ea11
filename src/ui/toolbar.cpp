#include "ui/toolbar.h"

#include <QAction>
#include <QEvent>
#include <QMenu>
#include <QToolBar>
#include <QToolButton>

#include <cstdlib>
#include <initializer_list>

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

// A label wider than a button's least width goes on two lines, split at the space nearest
// its middle, so that a longer language still fits the toolbar; the spoken name keeps the
// label whole. Labels without a space (Chinese ones) stay as they are.
QString buttonFace(const QString& label, const QFontMetrics& metrics) {
  constexpr int kOneLineWidth = 56;
  if (metrics.horizontalAdvance(label) <= kOneLineWidth) return label;
  const int middle = static_cast<int>(label.size() / 2);
  int split = -1;
  for (int i = 0; i < label.size(); ++i)
    if (label[i] == QLatin1Char(' ') && (split < 0 || std::abs(i - middle) < std::abs(split - middle)))
      split = i;
  QString face = label;
  if (split >= 0) face[split] = QLatin1Char('\n');
  return face;
}

QAction* addButton(QToolBar* bar, CommandId id, const QString& label, const char* icon,
                   const QString& tooltip = QString()) {
  auto* action = bar->addAction(QIcon(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(icon))),
                                label);
  action->setIconText(buttonFace(label, bar->fontMetrics()));
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

// One button of the toolbar's table: the action is kept in `member`; an empty row, {}, is a
// separator. Texts are marked for translation with QT_TRANSLATE_NOOP("QObject", ...).
using A = ToolbarActions;
struct ButtonRow {
  QAction* A::*member = nullptr;
  CommandId id{};
  const char* label = nullptr;
  const char* icon = nullptr;
  const char* tooltip = nullptr;
};

void addButtonRows(QToolBar* bar, ToolbarActions& a, std::initializer_list<ButtonRow> rows) {
  for (const ButtonRow& row : rows) {
    if (row.member == nullptr)
      bar->addSeparator();
    else
      a.*row.member = addButton(bar, row.id, QObject::tr(row.label), row.icon,
                                row.tooltip ? QObject::tr(row.tooltip) : QString());
  }
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
  addButtonRows(bar, a, {
      {&A::addPictures, kCmdAddPictures, QT_TRANSLATE_NOOP("QObject", "添加图片"), "add_pictures"},
      {&A::loadProduct, kCmdLoadProduct, QT_TRANSLATE_NOOP("QObject", "加载宝贝"), "load_product",
       QT_TRANSLATE_NOOP("QObject", "加载淘宝,天猫宝贝图片")},
      {&A::removePictures, kCmdRemovePictures, QT_TRANSLATE_NOOP("QObject", "移除图片"),
       "remove_pictures"},
      {},
      {&A::importAnimation, kCmdImportAnimation, QT_TRANSLATE_NOOP("QObject", "导入动画"),
       "import_animation", QT_TRANSLATE_NOOP("QObject", "导入gif动画")},
      {},
      {&A::turnLeft, kCmdTurnLeft, QT_TRANSLATE_NOOP("QObject", "图片左转"), "turn_left"},
      {&A::turnRight, kCmdTurnRight, QT_TRANSLATE_NOOP("QObject", "图片右转"), "turn_right"},
      {},
      {&A::moveLeft, kCmdMoveLeft, QT_TRANSLATE_NOOP("QObject", "向左移动"), "move_left",
       QT_TRANSLATE_NOOP("QObject", "快捷键: Ctrl + ←")},
      {&A::moveRight, kCmdMoveRight, QT_TRANSLATE_NOOP("QObject", "向右移动"), "move_right",
       QT_TRANSLATE_NOOP("QObject", "快捷键: Ctrl + →")},
      {},
      {&A::preview, kCmdPreview, QT_TRANSLATE_NOOP("QObject", "视频预览"), "preview"},
      {&A::generate, kCmdGenerate, QT_TRANSLATE_NOOP("QObject", "生成视频"), "generate"},
      {},
      {&A::shortcut, kCmdShortcut, QT_TRANSLATE_NOOP("QObject", "快捷方式"), "shortcut",
       QT_TRANSLATE_NOOP("QObject", "在桌面创建一个快捷方式")},
      {&A::website, kCmdWebsite, QT_TRANSLATE_NOOP("QObject", "官方网站"), "website"},
      {&A::about, kCmdAbout, QT_TRANSLATE_NOOP("QObject", "关于软件"), "about"},
      {&A::userGuide, kCmdUserGuide, QT_TRANSLATE_NOOP("QObject", "使用指南"), "guide"},
  });
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
