#include "ui/commands/replace_project_command.h"

namespace pictavo {

ReplaceProjectCommand::ReplaceProjectCommand(Project& project, Project replacement,
                                             const QString& text)
    : project_(project), other_(std::move(replacement)) {
  setText(text);
}

}  // namespace pictavo
