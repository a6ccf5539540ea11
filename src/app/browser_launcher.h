// The browser launcher: opens a web page or a local file in the user's browser (xdg-open
// through Qt). With PICTAVO_RECORD_PROMPTS set, the address is recorded instead
// (app/prompt_recording.h).
#pragma once

#include <QUrl>

namespace pictavo {

// False when no browser could be started.
bool openInBrowser(const QUrl& url);

// The vendor service's page at `path` (with `query`), or `fallback` when no service address
// is configured; an empty URL when neither is there.
QUrl vendorPage(const char* path, const QString& query = QString(), const QUrl& fallback = QUrl());

}  // namespace pictavo
