// Error reports: technical failures (encoder, cover tool, image-library self-test, list
// icons) under a routine name. With a vendor service address they are queued and posted
// there by one background thread, so that no caller waits for the network; a report that
// cannot be sent, or that is still queued when the program ends, is appended to errors.log
// in the program folder (platform/error_log.h), as is every report when there is no
// service. Thread-safe; never shows anything.
#pragma once

#include <string>

namespace pictavo {

// `name` and `text` are GBK. Returns true when the report was queued for the service,
// false when it went straight to errors.log.
bool reportError(const std::string& name, const std::string& text);

// Waits until every queued report was sent or logged (tests, and before the program ends).
void flushErrorReports();

}  // namespace pictavo
