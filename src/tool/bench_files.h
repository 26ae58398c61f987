#pragma once
// `kalvero-tool bench files`: counting and reading a very large puzzle file.
#include "tool/commands.h"

namespace kalvero::tool {

int BenchFiles(const Args& args, std::ostream& out, std::ostream& err);

}  // namespace kalvero::tool
