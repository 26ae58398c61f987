#pragma once
// `kalvero-tool bench create`: puzzle creation speed per level, on one core
// and on all cores, against qqwing's expert puzzles; `bench rate`: rating
// speed on freshly created Hard puzzles.
#include "tool/commands.h"

namespace kalvero::tool {

int BenchCreate(const Args& args, std::ostream& out, std::ostream& err);
int BenchRate(const Args& args, std::ostream& out, std::ostream& err);

}  // namespace kalvero::tool
