#include "ui/settings_menu.h"

#include <QActionGroup>
#include <QMenu>

#include <functional>

#include "app/session.h"
#include "project/language_choice.h"
#include "project/stored_preferences.h"
#include "ui/command_ids.h"

namespace pictavo {
namespace {

// One submenu of exclusive choices; `choose` runs with the chosen item's value.
void addChoices(QMenu* parent, const QString& title,
                const QList<std::tuple<CommandId, QString, int>>& items, int checkedValue,
                const std::function<void(int)>& choose) {
  QMenu* sub = parent->addMenu(title);
  auto* group = new QActionGroup(sub);
  for (const auto& [id, label, value] : items) {
    QAction* action = sub->addAction(label);
    action->setData(static_cast<int>(id));
    action->setCheckable(true);
    action->setChecked(value == checkedValue);
    group->addAction(action);
    QObject::connect(action, &QAction::triggered, sub, [choose, v = value] { choose(v); });
  }
}

}  // namespace

SettingsMenu::SettingsMenu(Session& session, bool trayAvailable, QWidget* parent)
    : QObject(parent), session_(session), trayAvailable_(trayAvailable), menu_(new QMenu(parent)) {
  connect(menu_, &QMenu::aboutToShow, this, &SettingsMenu::rebuild);
  rebuild();
}

void SettingsMenu::rebuild() {
  menu_->clear();
  Preferences& prefs = session_.preferences();
  PreferencesStore& store = session_.store();

  addChoices(menu_, tr("视频背景填充色"),
             {{kCmdBackgroundWhite, tr("白色"), 0}, {kCmdBackgroundBlack, tr("黑色"), 1}},
             prefs.backgroundFill == 1 ? 1 : 0,
             [&prefs, &store](int v) { setBackgroundFill(prefs, store, v); });
  int naming = prefs.defaultFileName == 1 || prefs.defaultFileName == 2 ? prefs.defaultFileName : 0;
  addChoices(menu_, tr("生成视频的默认文件名"),
             {{kCmdDefaultNameBlank, tr("空白"), 0},
              {kCmdDefaultNameTime, tr("当前时间"), 1},
              {kCmdDefaultNameFirstPicture, tr("第一张图片的文件名"), 2}},
             naming, [&prefs, &store](int v) { setDefaultFileName(prefs, store, v); });
  addChoices(menu_, tr("视频画面传送方式"),
             {{kCmdFramePipeRaw, tr("原始画面 (更快、更清晰)"), 0},
              {kCmdFramePipeMjpeg, tr("JPEG 图片"), 1}},
             prefs.framePipe == FramePipe::Mjpeg ? 1 : 0, [&prefs, &store](int v) {
               setFramePipe(prefs, store, v == 1 ? FramePipe::Mjpeg : FramePipe::Raw);
             });
  menu_->addSeparator();
  menu_->addAction(tr("【加文字】边距设置..."), this, &SettingsMenu::captionMarginsRequested)
      ->setData(static_cast<int>(kCmdCaptionMargins));
  menu_->addAction(tr("图片循环播放设置..."), this, &SettingsMenu::loopPlaySettingsRequested)
      ->setData(static_cast<int>(kCmdLoopPlaySettings));
  menu_->addSeparator();
  QString hideLabel = trayAvailable_
                          ? tr("窗口隐藏到系统托盘中")
                          : tr("窗口隐藏到系统托盘中 (当前桌面没有系统托盘，关闭窗口时将退出程序)");
  addChoices(menu_, tr("关闭窗口时"),
             {{kCmdCloseExits, tr("退出程序"), 0}, {kCmdCloseHidesToTray, hideLabel, 1}},
             prefs.closeButtonHides != 0 ? 1 : 0,
             [&prefs, &store](int v) { setCloseButtonHides(prefs, store, v); });
  addLanguageChoices(store);
  menu_->addSeparator();
  menu_->addAction(tr("使用指南"), this, &SettingsMenu::userGuideRequested)
      ->setData(static_cast<int>(kCmdUserGuideMenu));
  // The log of problems with the user's own material; F2 shows and hides it too.
  menu_->addAction(tr("信息窗口") + QStringLiteral("\tF2"), this,
                   &SettingsMenu::informationWindowRequested);
}

// Each language under its own name, so that a reader finds it in any language; the choice
// is stored at once and read at the next start.
void SettingsMenu::addLanguageChoices(PreferencesStore& store) {
  static const char* const kCodes[] = {"", "zh_CN", "zh_TW", "en"};
  std::string stored = storedLanguageChoice(store);
  int checked = 0;
  for (int i = 1; i < 4; ++i)
    if (stored == kCodes[i]) checked = i;
  addChoices(menu_, tr("界面语言 (重新启动软件后生效)"),
             {{kCmdLanguageSystem, tr("跟随系统"), 0},
              {kCmdLanguageSimplified, QStringLiteral("简体中文"), 1},
              {kCmdLanguageTraditional, QStringLiteral("繁體中文"), 2},
              {kCmdLanguageEnglish, QStringLiteral("English"), 3}},
             checked, [&store](int v) { storeLanguageChoice(store, kCodes[v]); });
}

}  // namespace pictavo
