// kalvero-tool: the command-line companion for batch work, scripting and
// benchmarks, on the same engine as the program.
#include <cerrno>
#include <iostream>

#include "program_info.h"
#include "tool/commands.h"
#include "tool/tool_support.h"

namespace kalvero::tool {

namespace {

// Every benchmark behind "bench", from every family.
std::vector<BenchCommand> AllBenches() {
  std::vector<BenchCommand> all;
  for (auto& b : FileBenches()) all.push_back(std::move(b));
  for (auto& b : EngineBenches()) all.push_back(std::move(b));
  for (auto& b : GeneratorBenches()) all.push_back(std::move(b));
  for (auto& b : HintBenches()) all.push_back(std::move(b));
  return all;
}

int RunBench(const Args& args, std::ostream& out, std::ostream& err) {
  std::string names;
  for (const auto& b : AllBenches()) {
    if (!args.empty() && b.name == args[0]) return b.run(args, out, err);
    names += (names.empty() ? "" : ", ") + b.name;
  }
  return ArgumentError("bench", args.empty() ? "bench needs one of " + names : "unknown benchmark \"" + args[0] + "\"",
                       err);
}

// The commands of every family, with one "bench" entry per benchmark (all
// running RunBench), so the usage text lists each benchmark on its own line.
std::vector<Command> AllCommands() {
  std::vector<Command> all;
  for (auto family : {FileCommands, EngineCommands, GeneratorCommands, HintCommands})
    for (auto& c : family()) all.push_back(std::move(c));
  for (const auto& b : AllBenches()) all.push_back({"bench", b.name + ' ' + b.usage, RunBench});
  return all;
}

// The usage of every command: on standard error after a wrong command, on
// standard output for --help.
void PrintUsage(std::ostream& out) {
  out << "usage: kalvero-tool COMMAND [ARGS]\n  kalvero-tool --help\n  kalvero-tool --version\n";
  for (const auto& c : AllCommands()) out << "  kalvero-tool " << c.name << ' ' << c.usage << '\n';
}

}  // namespace

int UsageError(const std::string& name, std::ostream& err) {
  bool found = false;
  for (const auto& c : AllCommands())
    if (c.name == name) {
      err << "usage: kalvero-tool " << c.name << ' ' << c.usage << '\n';
      found = true;
    }
  if (!found) PrintUsage(err);
  return kExitUsage;
}

int ArgumentError(const std::string& name, const std::string& reason, std::ostream& err) {
  err << "kalvero-tool: " << reason << '\n';
  return UsageError(name, err);
}

int ArgumentCountError(const std::string& name, std::size_t wanted, std::size_t got, std::ostream& err) {
  return ArgumentError(name,
                       name + " takes " + std::to_string(wanted) + (wanted == 1 ? " argument" : " arguments") +
                           ", not " + std::to_string(got),
                       err);
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
  if (name == "--help" || name == "-h") {
    PrintUsage(std::cout);
    std::cout.flush();
    return std::cout ? kExitOk : WriteFailure("standard output", errno, std::cerr);
  }
  if (name == "--version") {
    std::cout << "kalvero-tool " << kalvero::kProgramVersion << std::endl;
    return std::cout ? kExitOk : WriteFailure("standard output", errno, std::cerr);
  }
  Args args(argv + 2, argv + argc);
  for (const auto& c : AllCommands()) {
    if (c.name != name) continue;
    const int code = c.run(args, std::cout, std::cerr);
    // Whatever the command wrote must reach its destination: a full disk or
    // a closed pipe is a failure, not a success with lost output. (A command
    // that failed has said why already.)
    std::cout.flush();
    if (!std::cout && code == kExitOk) return WriteFailure("standard output", errno, std::cerr);
    return code;
  }
  std::cerr << "kalvero-tool: unknown command \"" << name << "\"\n";
  PrintUsage(std::cerr);
  return kExitUsage;
}
