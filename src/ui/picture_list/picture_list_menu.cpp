#include "ui/picture_list/picture_list_menu.h"

#include <QAction>
#include <QMenu>

#include "ui/menu_item.h"
#include "ui/panels/motion_controls.h"

namespace pictavo {
QList<QAction*> PictureListMenu::captionPlacements() const {
  return {flushDiagonal, flushCrossing, insetDiagonal, insetCrossing, middleBottom};
}

PictureListMenu buildPictureListMenu(QWidget* parent) {
  PictureListMenu m;
  m.menu = new QMenu(parent);
  m.menu->setObjectName(QStringLiteral("pictureListMenu"));
  using M = PictureListMenu;
  addMenuRows<M>(m, {
      {&M::add, kCmdMenuAddPictures, QT_TRANSLATE_NOOP("QObject", "添加图片")},
      {&M::insert, kCmdInsertPictures, QT_TRANSLATE_NOOP("QObject", "插入图片")},
      {},
      {&M::removeSelected, kCmdRemoveSelected, QT_TRANSLATE_NOOP("QObject", "移除选中")},
      {&M::removeAll, kCmdRemoveAll, QT_TRANSLATE_NOOP("QObject", "移除全部\tCtrl+D")},
      {},
      {&M::randomOrder, kCmdRandomOrder, QT_TRANSLATE_NOOP("QObject", "随机排列图片")},
      {},
      {&M::newEffectSet, kCmdNewEffectSet, QT_TRANSLATE_NOOP("QObject", "更换一组动画")},
      {&M::sameEffectForAll, kCmdSameEffectForAll, QT_TRANSLATE_NOOP("QObject", "全部设置为该动画")},
      {},
      {&M::flushDiagonal, kCmdCaptionsFlushDiagonal, QT_TRANSLATE_NOOP("QObject", "自动贴边对角排列文字")},
      {&M::flushCrossing, kCmdCaptionsFlushCrossing, QT_TRANSLATE_NOOP("QObject", "自动贴边交叉排列文字")},
      {},
      {&M::insetDiagonal, kCmdCaptionsInsetDiagonal, QT_TRANSLATE_NOOP("QObject", "自动不贴边对角排列文字")},
      {&M::insetCrossing, kCmdCaptionsInsetCrossing, QT_TRANSLATE_NOOP("QObject", "自动不贴边交叉排列文字")},
      {},
      {&M::middleBottom, kCmdCaptionsMiddleBottom, QT_TRANSLATE_NOOP("QObject", "自动中间下方排列文字")},
      {},
      {&M::setAsCover, kCmdSetAsCover, QT_TRANSLATE_NOOP("QObject", "设置为封面")},
      {},
      {&M::previewEffect, kCmdPreviewPictureEffect, QT_TRANSLATE_NOOP("QObject", "预览该图片动画\tF5")},
  });
  m.motionMenu = new QMenu(QObject::tr("图片动感"), m.menu);
  m.motions.append(m.motionMenu->addAction(QObject::tr("跟随项目设置")));
  m.motionMenu->addSeparator();
  for (const QString& name : MotionControls::motionNames()) m.motions.append(m.motionMenu->addAction(name));
  m.menu->insertMenu(m.setAsCover, m.motionMenu);
  m.menu->insertSeparator(m.setAsCover);
  // Undo and redo of the window's history, where a right click on the list expects them.
  m.menu->addSeparator();
  m.undo = m.menu->addAction(QObject::tr("撤销"));
  m.redo = m.menu->addAction(QObject::tr("重做"));
  return m;
}

void updatePictureListMenu(const PictureListMenu& m, const MenuState& s) {
  const bool any = s.pictureCount > 0;
  const bool selection = any && s.selectedCount > 0;
  m.add->setEnabled(true);
  m.insert->setEnabled(selection);
  m.removeSelected->setEnabled(selection);
  m.removeAll->setEnabled(any);
  m.randomOrder->setEnabled(s.pictureCount > 1);
  m.newEffectSet->setEnabled(any);
  m.sameEffectForAll->setEnabled(any && s.selectedCount == 1);
  for (QAction* placement : m.captionPlacements()) placement->setEnabled(any && s.captionsOn);
  m.setAsCover->setEnabled(selection);
  m.motionMenu->setEnabled(selection);
  m.previewEffect->setEnabled(selection);
  m.undo->setEnabled(s.canUndo);
  m.redo->setEnabled(s.canRedo);
}

}  // namespace pictavo
