#include "app/tool_check.h"

#include "platform/external_tools.h"

namespace pictavo {

std::optional<std::string> firstMissingTool() {
  for (const char* tool : {kEncoderTool, kPlayerTool, kCoverTool}) {
    if (!findTool(tool)) return std::string(tool);
  }
  return std::nullopt;
}

}  // namespace pictavo
