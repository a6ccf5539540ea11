// The caption, logo, cover and output panels in their group boxes, and the settings dialogs
// they and the settings menu open. The main window makes one of these and asks it to show
// the project again after every change.
#pragma once

#include <QObject>

class QAction;
class QItemSelectionModel;
class QWidget;

namespace pictavo {

class CaptionMarginsDialog;
class CaptionPanel;
class CoverPanel;
class CustomSizeDialog;
class FileChoosers;
class LogoPanel;
class LoopStartDialog;
class OutputPanel;
class Session;
class SettingsMenu;
class UserPrompts;
struct WindowLayout;

class OptionPanels : public QObject {
  Q_OBJECT

 public:
  // `selection`: the picture list's selection. `generate`: the toolbar's "生成视频".
  OptionPanels(Session& session, UserPrompts& prompts, FileChoosers& choosers,
               const WindowLayout& layout, QItemSelectionModel* selection, QAction* generate,
               SettingsMenu& settingsMenu, QWidget* window);

  // Refills every panel from the project (after undo, redo, new, open, loaded settings).
  void showProject();

  CaptionPanel& caption() const { return *caption_; }
  LogoPanel& logo() const { return *logo_; }
  CoverPanel& cover() const { return *cover_; }
  OutputPanel& output() const { return *output_; }
  CustomSizeDialog& customSizeDialog() const { return *customSize_; }
  LoopStartDialog& loopStartDialog() const { return *loopStart_; }
  CaptionMarginsDialog& captionMarginsDialog() const { return *margins_; }

 private:
  CustomSizeDialog* customSize_;
  LoopStartDialog* loopStart_;
  CaptionMarginsDialog* margins_;
  CaptionPanel* caption_;
  LogoPanel* logo_;
  CoverPanel* cover_;
  OutputPanel* output_;
};

}  // namespace pictavo
