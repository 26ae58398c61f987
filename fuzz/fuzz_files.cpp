// Fuzz target for the file readers: puzzle files, the configuration file and
// the scheme list (fuzz_engine reads the input as a puzzle line). Each input
// is written to a scratch file and read by all three; a configuration that
// reads must survive a save and reload unchanged.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "model/config.h"
#include "model/puzzle_file.h"
#include "model/scheme_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kalvero;
  // A name of its own (mkstemp), never a guessable one in a shared folder.
  static const std::string path = [] {
    char name[] = "/tmp/kalvero-fuzz-XXXXXX";
    const int fd = ::mkstemp(name);
    if (fd < 0) std::abort();
    ::close(fd);
    return std::string(name);
  }();
  std::FILE* f = std::fopen(path.c_str(), "wb");
  if (!f) std::abort();
  std::fwrite(data, 1, size, f);
  std::fclose(f);

  PuzzleState state;
  state.PuzzleCount = CountPuzzles(path);
  for (std::int32_t n = 1; n <= state.PuzzleCount && n <= 4; ++n) ReadPuzzle(state, path, n);

  Settings settings;
  if (LoadConfig(path, settings)) {
    const std::string saved = path + ".cfg";
    Settings back;
    if (!SaveConfig(saved, settings) || !LoadConfig(saved, back) || ConfigText(back) != ConfigText(settings))
      std::abort();
    std::remove(saved.c_str());
  }

  int loaded = 0;
  for (const std::string& name : SchemeNames(path)) {
    if (++loaded > 8) break;
    SchemeColours table{};
    LoadScheme(path, name + ".col", table);
    PreviewScheme(path, name + ".col", Rgb(250, 250, 250), table);
  }
  return 0;
}
