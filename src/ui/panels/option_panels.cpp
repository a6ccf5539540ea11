#include "ui/panels/option_panels.h"

#include <QGroupBox>
#include <QVBoxLayout>

#include "imaging/caption_fonts.h"
#include "ui/dialogs/caption_margins_dialog.h"
#include "ui/dialogs/custom_size_dialog.h"
#include "ui/dialogs/loop_start_dialog.h"
#include "ui/panels/caption_panel.h"
#include "ui/panels/cover_panel.h"
#include "ui/panels/logo_panel.h"
#include "ui/panels/output_panel.h"
#include "ui/settings_menu.h"
#include "ui/window_layout.h"

namespace pictavo {
namespace {

// Puts `panel` inside its group box, filling it.
template <typename Panel>
Panel* placed(Panel* panel, QGroupBox* group) {
  auto* box = new QVBoxLayout(group);
  box->setContentsMargins(0, 0, 0, 0);
  box->addWidget(panel);
  return panel;
}

}  // namespace

OptionPanels::OptionPanels(Session& session, UserPrompts& prompts, FileChoosers& choosers,
                           const WindowLayout& layout, QItemSelectionModel* selection,
                           QAction* generate, SettingsMenu& settingsMenu, QWidget* window)
    : QObject(window),
      customSize_(new CustomSizeDialog(prompts, window)),
      loopStart_(new LoopStartDialog(session, window)),
      margins_(new CaptionMarginsDialog(session, prompts, window)),
      caption_(placed(new CaptionPanel(session, prompts, captionFonts(), selection, layout.captionGroup),
                      layout.captionGroup)),
      logo_(placed(new LogoPanel(session, prompts, choosers, layout.logoGroup), layout.logoGroup)),
      cover_(placed(new CoverPanel(session, prompts, choosers, layout.coverGroup), layout.coverGroup)),
      output_(placed(new OutputPanel(session, *customSize_, generate, layout.outputGroup),
                     layout.outputGroup)) {
  connect(&settingsMenu, &SettingsMenu::captionMarginsRequested, margins_, &CaptionMarginsDialog::run);
  connect(&settingsMenu, &SettingsMenu::loopPlaySettingsRequested, loopStart_, &LoopStartDialog::run);
}

void OptionPanels::showProject() {
  caption_->showProject();
  logo_->showProject();
  cover_->showProject();
  output_->showProject();
}

}  // namespace pictavo
