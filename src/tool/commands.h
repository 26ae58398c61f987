#pragma once
// Subcommands of kalvero-tool. Each family lives in its own file and lists
// its commands; main() looks the name up and runs it.
#include <cstddef>
#include <iosfwd>
#include <string>
#include <vector>

namespace kalvero::tool {

// Exit codes of the tool.
enum ExitCode : int {
  kExitOk = 0,
  kExitInput = 1,  // unreadable input (missing file, rejected board) or failed output
  kExitUsage = 2,  // wrong arguments
};

using Args = std::vector<std::string>;

struct Command {
  std::string name;
  std::string usage;  // argument synopsis after the name
  int (*run)(const Args& args, std::ostream& out, std::ostream& err);
};

std::vector<Command> FileCommands();       // count, clues, show
std::vector<Command> EngineCommands();     // verify, solve, pencil
std::vector<Command> GeneratorCommands();  // seedgrid, create
std::vector<Command> HintCommands();       // rate

// `kalvero-tool bench WHAT [OPTIONS]`: one "bench" command dispatches on WHAT
// to the benchmarks the families register here. A benchmark's run gets the
// whole argument list, WHAT first.
struct BenchCommand {
  std::string name;   // WHAT
  std::string usage;  // options after the name
  int (*run)(const Args& args, std::ostream& out, std::ostream& err);
};

std::vector<BenchCommand> FileBenches();       // files
std::vector<BenchCommand> EngineBenches();     // engine
std::vector<BenchCommand> GeneratorBenches();  // create
std::vector<BenchCommand> HintBenches();       // hint

// Prints the usage line of one command to err and returns kExitUsage.
int UsageError(const std::string& name, std::ostream& err);

// Prints "kalvero-tool: REASON" (what is wrong with which argument), then the
// command's usage line; returns kExitUsage.
int ArgumentError(const std::string& name, const std::string& reason, std::ostream& err);

// ArgumentError for a command given `got` arguments where it takes `wanted`.
int ArgumentCountError(const std::string& name, std::size_t wanted, std::size_t got, std::ostream& err);

}  // namespace kalvero::tool
