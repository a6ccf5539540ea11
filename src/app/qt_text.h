// The one place where text crosses between the core and the widgets: the core keeps
// GB18030 bytes (file names, messages, project texts), widgets hold QString.
#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace pictavo {

// Core text (GB18030) to QString. Bytes that are not valid GB18030 become U+FFFD.
QString fromCore(std::string_view gb18030);

// QString to core text (GB18030). Every Unicode character has a GB18030 form; an unpaired
// surrogate becomes U+FFFD on the way.
std::string toCore(const QString& text);

}  // namespace pictavo
