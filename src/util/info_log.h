// The information log: problems that do not stop the user's work (unreadable pictures,
// failed imports). The user interface or the command line installs the sink that shows
// them; until then messages are kept so that nothing is lost.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace pictavo {

using InfoSink = std::function<void(const std::string& gbkText)>;

// Adds one message (GBK). Thread-safe; the sink is called under the log's lock.
void infoLog(const std::string& gbkText);

// Installs the sink and hands it every message kept so far. An empty sink keeps messages.
void setInfoSink(InfoSink sink);

// Messages kept while no sink was installed, and clears them (tests read the log this way).
std::vector<std::string> takeKeptInfoMessages();

}  // namespace pictavo
