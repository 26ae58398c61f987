// Generator subcommands: seedgrid, create, and the "create" benchmark's
// registration.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include <cstdio>
#include <cstdlib>
#include <iomanip>
#include <memory>
#include <mutex>
#include <ostream>
#include <sstream>
#include <thread>

#include "generator/creation.h"
#include "generator/generator.h"
#include "generator/patterns.h"
#include "hint/grade.h"
#include "model/line_reader.h"
#include "model/posix_file.h"
#include "model/puzzle_file.h"
#include "tool/arguments.h"
#include "tool/bench_create.h"
#include "tool/commands.h"
#include "tool/creation_jobs.h"
#include "tool/tool_support.h"

namespace kalvero::tool {

namespace {

// seedgrid P1 ... P9: the grid MakeSolution makes from a fresh engine when
// the nine seed draws put digit d on the Pd-th cell of box d and every later
// draw is 0.
int SeedGridCommand(const Args& args, std::ostream& out, std::ostream& err) {
  if (args.size() != 9) return ArgumentCountError("seedgrid", 9, args.size(), err);
  std::vector<double> draws;
  for (std::size_t i = 0; i < args.size(); ++i) {
    unsigned long long p = 0;
    std::string why;
    if (!ParseNumberArgument("P" + std::to_string(i + 1), args[i], 1, 9, p, why))
      return ArgumentError("seedgrid", why, err);
    draws.push_back((static_cast<double>(p) - 0.5) / 9);
  }
  PuzzleState puzzle;
  SolverState solver;
  ScriptedRandom random(std::move(draws), 0.0);
  Generator generator(random);
  SilentHost host;
  GeneratorContext ctx{puzzle, solver, generator, host};
  if (MakeSolution(ctx) == MakeResult::GaveUp)
    out << "gave up\n";
  else
    out << puzzle.SolutionText << '\n';
  return kExitOk;
}

// Options of `create`.
struct CreateOptions {
  CreationRequest request;       // --level or --fixed: which cells are fixed
  bool havePattern = false;   // one of the two was given
  long long count = 0;     // --count: puzzles to create
  std::string outFile;     // --out: file the lines are appended to; "" = standard output
  std::uint64_t seed = 0;  // --seed: job j draws from the seed's stream jumped j times
  bool seeded = false;     // --seed was given; otherwise the clock seeds
  int jobs = 1;            // --jobs: engines running side by side
};

// The options of `create`; false with the reason in `why` for the first
// argument that is wrong.
bool ParseCreateOptions(const Args& args, CreateOptions& opt, std::string& why) {
  const unsigned cores = std::thread::hardware_concurrency();
  opt.jobs = cores > 0 ? static_cast<int>(cores) : 1;
  for (std::size_t i = 0; i < args.size(); i += 2) {
    const std::string& name = args[i];
    const bool known = name == "--level" || name == "--fixed" || name == "--count" || name == "--out" ||
                       name == "--seed" || name == "--jobs" || name == "--grade";
    if (!known) {
      why = "unknown option \"" + name + "\"";
      return false;
    }
    if (i + 1 >= args.size()) {
      why = name + " needs a value";
      return false;
    }
    const std::string& value = args[i + 1];
    unsigned long long v = 0;
    if ((name == "--level" || name == "--fixed") && opt.havePattern) {
      why = name + ": give one --level or one --fixed";
      return false;
    }
    if (name == "--level") {
      opt.request.levelIndex = -1;
      for (int level = 0; level < static_cast<int>(kCreateLevels.size()); ++level)
        if (value == LevelOptionName(level)) opt.request.levelIndex = level;
      if (opt.request.levelIndex < 0) {
        why = "--level must be very-easy, easy or hard";
        return false;
      }
      opt.havePattern = true;
    } else if (name == "--fixed") {
      if (!ParseFixedCells(value, opt.request.pattern, why)) return false;
      opt.havePattern = true;
    } else if (name == "--count") {
      if (!ParseNumberArgument(name, value, 1, 1000000000, v, why)) return false;
      opt.count = static_cast<long long>(v);
    } else if (name == "--out") {
      if (value.empty()) {
        why = "--out needs a file name";
        return false;
      }
      opt.outFile = value;
    } else if (name == "--grade") {
      opt.request.grade = GradeNamed(value);
      if (!opt.request.grade) {
        why = "--grade must be gentle, moderate, tough or fiendish";
        return false;
      }
    } else if (name == "--seed") {
      if (!ParseNumberArgument(name, value, 0, UINT64_MAX, v, why)) return false;
      opt.seed = v;
      opt.seeded = true;
    } else {
      if (!ParseNumberArgument(name, value, 1, 256, v, why)) return false;
      opt.jobs = static_cast<int>(v);
    }
  }
  if (!opt.havePattern) why = "--level or --fixed is missing";
  else if (opt.count == 0) why = "--count is missing";
  return opt.havePattern && opt.count > 0;
}

// Opens the --out file for appending, creating it when it does not exist;
// only a regular file is ever opened. `created` tells whether this open made
// the file (O_EXCL: it did not exist before), `readable` whether its last
// byte can be read back: a file we may write but not read is still appended
// to.
FileDescriptor OpenOutputFile(const std::string& path, bool& created, bool& readable, int& error) {
  FileDescriptor fd;
  for (const int access : {O_RDWR, O_WRONLY}) {
    created = true;
    fd = OpenRegularFile(path, access | O_APPEND | O_CREAT | O_EXCL, error);
    if (error == EEXIST) {
      created = false;
      fd = OpenRegularFile(path, access | O_APPEND, error);
    }
    // Gone again in between, or a link to a file yet to be made: open it
    // as the plain append would, without claiming to have made it.
    if (error == ENOENT) {
      created = false;
      fd = OpenRegularFile(path, access | O_APPEND | O_CREAT, error);
    }
    readable = access == O_RDWR;
    if (error != EACCES) break;
  }
  return fd;
}

// Where finished lines go, one whole line per write and never two at once:
// a puzzle file gets CR LF lines appended, standard output plain LF lines.
// The first failed write ends the output and every later line is refused.
//
// Other runs of the tool may append to the same file at the same time. Every
// write to the file is made under an exclusive lock (flock) on it, where its
// file system has locks: the end
// of the file is read afresh (as other writers left it), a last line without
// its line end is ended first, and a write that fails is cut back to that
// end, so only what this write added is taken away and the file keeps only
// whole lines. A file this run created and wrote no line to is removed again
// when the sink is done, so a failed run leaves no empty file behind.
class LineSink {
 public:
  LineSink(std::ostream& out, const std::string& fileName) : out_(out), fileName_(fileName) {
    if (fileName.empty()) return;
    toFile_ = true;
    fd_ = OpenOutputFile(fileName, created_, readable_, error_);
  }
  ~LineSink() {
    if (created_ && lines_ == 0 && fd_.IsOpen()) RemoveEmptyFile();
  }
  LineSink(const LineSink&) = delete;
  LineSink& operator=(const LineSink&) = delete;

  bool IsOpen() const { return !toFile_ || fd_.IsOpen(); }
  bool Failed() const { return error_ != 0 || failed_; }
  int Error() const { return error_; }

  // False when the line could not be written whole (now or before).
  bool Write(const std::string& line) {
    const std::lock_guard lock(mutex_);
    if (Failed()) return false;
    if (!toFile_) {
      out_ << line << '\n';
      out_.flush();
      if (!out_) Fail(errno);
      return !Failed();
    }
    // Another run may have made this file, failed before its first line
    // and removed it (ENOENT): lines written now would be lost with it.
    if (const int error = AppendLineTo(fd_.get(), line, readable_))
      Fail(error);
    else
      ++lines_;
    return !Failed();
  }

 private:
  // Removes the file this sink created when it is still empty and still the
  // file the name stands for; another run may have written to it meanwhile.
  void RemoveEmptyFile() {
    const FileLock lock(fd_.get());
    struct stat mine {}, named {};
    if (::fstat(fd_.get(), &mine) == 0 && mine.st_size == 0 && mine.st_nlink > 0 &&
        ::lstat(fileName_.c_str(), &named) == 0 && named.st_dev == mine.st_dev && named.st_ino == mine.st_ino)
      ::unlink(fileName_.c_str());
  }

  void Fail(int error) {
    failed_ = true;
    if (!error_) error_ = error;
  }

  std::ostream& out_;
  std::string fileName_;
  bool toFile_ = false;
  FileDescriptor fd_;
  bool created_ = false;   // this sink made the file
  bool readable_ = false;  // its last byte can be read
  long long lines_ = 0;    // lines this sink wrote whole
  int error_ = 0;
  bool failed_ = false;
  std::mutex mutex_;
};

std::string Fixed(double value, int decimals) {
  std::ostringstream s;
  s << std::fixed << std::setprecision(decimals) << value;
  return s.str();
}

// create (--level L | --fixed CELLS) --count N [--out FILE] [--seed S] [--jobs J]
int CreateCommand(const Args& args, std::ostream& out, std::ostream& err) {
  CreateOptions opt;
  std::string why;
  if (!ParseCreateOptions(args, opt, why)) return ArgumentError("create", why, err);
  if (!opt.seeded) opt.seed = ClockSeed();
  const std::string target = opt.outFile.empty() ? "standard output" : opt.outFile;
  LineSink sink(out, opt.outFile);
  if (!sink.IsOpen() || sink.Failed()) return WriteFailure(target, sink.Error(), err);
  const std::string what = std::to_string(opt.count) + " (" + opt.request.Description() + ")";
  const bool terminal = isatty(STDERR_FILENO) == 1;
  int ticks = 0;
  const auto progress = [&](long long done, double seconds) {
    ++ticks;
    if (!terminal && ticks % 10 != 0) return;
    const double rate = seconds > 0 ? static_cast<double>(done) / seconds : 0;
    const std::string left = rate > 0 ? Fixed(static_cast<double>(opt.count - done) / rate, 1) + " s left" : "";
    err << (terminal ? "\r" : "") << "created " << done << " of " << what << ", " << Fixed(rate, 1)
        << " puzzles/s, " << left << (terminal ? "   " : "\n") << std::flush;
  };
  const RunSummary run = RunJobs(opt.request, opt.count, opt.jobs, opt.seed,
                                 [&sink](const std::string& line) { return sink.Write(line); }, progress, 0.2);
  const JobStats& t = run.total;
  if (run.started < opt.jobs)
    err << (terminal ? "\r" : "") << "note: " << run.started << " of " << opt.jobs
        << " jobs got a thread of their own (" << run.startFailure << "); "
        << (run.started ? "those threads ran the other jobs too\n" : "the jobs ran one after another\n");
  const double rate = run.seconds > 0 ? static_cast<double>(t.puzzles) / run.seconds : 0;
  err << (terminal ? "\r" : "") << "created " << t.puzzles << " of " << what << " in " << Fixed(run.seconds, 2)
      << " s, " << Fixed(rate, 1) << " puzzles/s, "
      << Fixed(t.puzzles ? static_cast<double>(t.attempts) / static_cast<double>(t.puzzles) : 0, 2)
      << " attempts per puzzle, " << t.gaveUp << " grids given up, "
      << (opt.request.grade ? std::to_string(t.rejected) + " puzzles of other grades passed over, " : "") << "seed "
      << opt.seed << ", " << opt.jobs << " jobs\n";
  if (sink.Failed()) return WriteFailure(target, sink.Error(), err);
  if (t.tooManyGiveUps) {
    err << "error: creation stopped: " << kGiveUpsInARowLimit << " grids in a row were given up\n";
    return kExitInput;
  }
  return kExitOk;
}

}  // namespace

std::vector<Command> GeneratorCommands() {
  return {
      {"seedgrid", "P1 P2 P3 P4 P5 P6 P7 P8 P9", SeedGridCommand},
      {"create",
       "(--level very-easy|easy|hard | --fixed \"r,c r,c ...\") --count N [--grade G] [--out FILE] [--seed S] "
       "[--jobs J]",
       CreateCommand},
  };
}

std::vector<BenchCommand> GeneratorBenches() {
  return {{"create", "[--count N] [--seed S]", BenchCreate}, {"rate", "[--count N] [--seed S]", BenchRate}};
}

}  // namespace kalvero::tool
