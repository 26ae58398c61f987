// kalvero-tool: the command-line companion for batch work, scripting and
// benchmarks, on the same engine as the program.
#include <iostream>

#include "tool/commands.h"

namespace kalvero::tool {

namespace {

std::vector<Command> AllCommands() {
  std::vector<Command> all = FileCommands();
  for (auto& c : EngineCommands()) all.push_back(std::move(c));
  return all;
}

void PrintUsage(std::ostream& err) {
  err << "usage: kalvero-tool COMMAND [ARGS]\n";
  for (const auto& c : AllCommands()) err << "  kalvero-tool " << c.name << ' ' << c.usage << '\n';
}

}  // namespace

int UsageError(const std::string& name, std::ostream& err) {
  for (const auto& c : AllCommands())
    if (c.name == name) {
      err << "usage: kalvero-tool " << c.name << ' ' << c.usage << '\n';
      return kExitUsage;
    }
  PrintUsage(err);
  return kExitUsage;
}

}  // namespace kalvero::tool

int main(int argc, char** argv) {
  using namespace kalvero::tool;
  std::ios::sync_with_stdio(false);
  if (argc < 2) {
    PrintUsage(std::cerr);
    return kExitUsage;
  }
  const std::string name = argv[1];
  Args args(argv + 2, argv + argc);
  for (const auto& c : AllCommands())
    if (c.name == name) return c.run(args, std::cout, std::cerr);
  std::cerr << "kalvero-tool: unknown command \"" << name << "\"\n";
  PrintUsage(std::cerr);
  return kExitUsage;
}
