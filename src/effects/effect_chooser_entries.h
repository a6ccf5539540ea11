// The effect choosers' entries: "无动画", then the 97 effect names in their groups, each
// group led by a dash line. A dash line stands for no effect and changes nothing.
#pragma once

#include <string>
#include <vector>

namespace pictavo {

// The entries in the order the choosers show them (GBK).
const std::vector<std::string>& effectChooserEntries();

// True for a dash line (any entry text containing "---").
bool isChooserSeparator(const std::string& entry);

}  // namespace pictavo
