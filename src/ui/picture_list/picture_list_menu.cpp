#include "ui/picture_list/picture_list_menu.h"

#include <QAction>
#include <QMenu>

#include "ui/menu_item.h"

namespace pictavo {
QList<QAction*> PictureListMenu::captionPlacements() const {
  return {flushDiagonal, flushCrossing, insetDiagonal, insetCrossing, middleBottom};
}

PictureListMenu buildPictureListMenu(QWidget* parent) {
  PictureListMenu m;
  m.menu = new QMenu(parent);
  m.menu->setObjectName(QStringLiteral("pictureListMenu"));
  m.add = addCommandItem(m.menu, kCmdMenuAddPictures, QObject::tr("添加图片"));
  m.insert = addCommandItem(m.menu, kCmdInsertPictures, QObject::tr("插入图片"));
  m.menu->addSeparator();
  m.removeSelected = addCommandItem(m.menu, kCmdRemoveSelected, QObject::tr("移除选中"));
  m.removeAll = addCommandItem(m.menu, kCmdRemoveAll, QObject::tr("移除全部\tCtrl+D"));
  m.menu->addSeparator();
  m.randomOrder = addCommandItem(m.menu, kCmdRandomOrder, QObject::tr("随机排列图片"));
  m.menu->addSeparator();
  m.newEffectSet = addCommandItem(m.menu, kCmdNewEffectSet, QObject::tr("更换一组动画"));
  m.sameEffectForAll = addCommandItem(m.menu, kCmdSameEffectForAll, QObject::tr("全部设置为该动画"));
  m.menu->addSeparator();
  m.flushDiagonal = addCommandItem(m.menu, kCmdCaptionsFlushDiagonal, QObject::tr("自动贴边对角排列文字"));
  m.flushCrossing = addCommandItem(m.menu, kCmdCaptionsFlushCrossing, QObject::tr("自动贴边交叉排列文字"));
  m.menu->addSeparator();
  m.insetDiagonal = addCommandItem(m.menu, kCmdCaptionsInsetDiagonal, QObject::tr("自动不贴边对角排列文字"));
  m.insetCrossing = addCommandItem(m.menu, kCmdCaptionsInsetCrossing, QObject::tr("自动不贴边交叉排列文字"));
  m.menu->addSeparator();
  m.middleBottom = addCommandItem(m.menu, kCmdCaptionsMiddleBottom, QObject::tr("自动中间下方排列文字"));
  m.menu->addSeparator();
  m.setAsCover = addCommandItem(m.menu, kCmdSetAsCover, QObject::tr("设置为封面"));
  m.menu->addSeparator();
  m.previewEffect = addCommandItem(m.menu, kCmdPreviewPictureEffect, QObject::tr("预览该图片动画\tF5"));
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
  m.previewEffect->setEnabled(selection);
  m.undo->setEnabled(s.canUndo);
  m.redo->setEnabled(s.canRedo);
}

}  // namespace pictavo
