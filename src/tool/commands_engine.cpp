#include "tool/commands.h"

namespace kalvero::tool {

std::vector<Command> EngineCommands() { return {}; }

}  // namespace kalvero::tool
