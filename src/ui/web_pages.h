// The vendor's pages the window opens in the browser, and the about text that names the
// website. The service address is a deployment setting; without one there is no page.
#pragma once

#include <QString>

class QWidget;

namespace pictavo {

class UserPrompts;

// The address of `path` on the vendor service ("" for the website itself); empty when no
// service is configured.
QString servicePage(const QString& path);

// Opens the page with the browser; without a configured service, says so.
void openServicePage(UserPrompts& prompts, QWidget* parent, const QString& path);

inline const char kHelpPagePath[] = "/help.html";
inline const char kFontPagePath[] = "/font.asp";

QString aboutText();

}  // namespace pictavo
