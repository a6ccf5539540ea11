// errors.log in the program folder: technical failure reports (encoder, cover tool,
// image-library self-test, list icons) that were not sent to the vendor service, so that
// nothing is lost. Thread-safe.
#pragma once

#include <string>

namespace pictavo {

// Appends one report; `name`, `text` and `whyNotSent` are GBK, and an empty `whyNotSent`
// adds no reason line. Entries are written in UTF-8 so that they read in any terminal.
void appendErrorLog(const std::string& name, const std::string& text,
                    const std::string& whyNotSent = "");

// appendErrorLog without a reason: the reporter used where no service is installed.
void logErrorReport(const std::string& name, const std::string& text);

// The log file (GBK path).
std::string errorLogPath();

// A descriptor that appends to errors.log (created when missing), or -1 when the log cannot
// be opened or is not a regular file: a FIFO or a device there is never waited on or written
// to, and the program carries on without its log. The caller closes it.
int openErrorLogForAppend();

}  // namespace pictavo
