// Fuzz target for the file readers: puzzle lines, the configuration file and
// the scheme list. Each input is written to a scratch file and read by all
// three; a configuration that reads must also survive a save and reload
// unchanged.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "model/config.h"
#include "model/puzzle_file.h"
#include "model/scheme_file.h"

namespace {

const std::string& ScratchPath() {
  static const std::string path = [] {
    char name[] = "/tmp/kalvero-fuzz-XXXXXX";
    const int fd = mkstemp(name);
    if (fd >= 0) close(fd);
    return std::string(name);
  }();
  return path;
}

void WriteScratch(const uint8_t* data, size_t size) {
  std::FILE* f = std::fopen(ScratchPath().c_str(), "wb");
  if (!f) std::abort();
  std::fwrite(data, 1, size, f);
  std::fclose(f);
}

bool SameSettings(const kalvero::Settings& a, const kalvero::Settings& b) {
  return kalvero::ConfigText(a) == kalvero::ConfigText(b);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace kalvero;
  WriteScratch(data, size);
  const std::string& path = ScratchPath();

  PuzzleState state;
  state.PuzzleCount = CountPuzzles(path);
  for (std::int32_t n = 1; n <= state.PuzzleCount && n <= 4; ++n) ReadPuzzle(state, path, n);
  LoadPuzzleLine(state, std::string(reinterpret_cast<const char*>(data), size));

  Settings settings;
  if (LoadConfig(path, settings)) {
    // A configuration that was read can be saved and read back: the numbers
    // come back exactly, and a second save and load changes nothing more.
    const std::string saved = path + ".cfg";
    Settings back;
    if (!SaveConfig(saved, settings) || !LoadConfig(saved, back)) std::abort();
    if (back.PlacementLimit != settings.PlacementLimit || back.PuzzleNumber != settings.PuzzleNumber ||
        back.GridColour != settings.GridColour || back.PencilColour != settings.PencilColour ||
        back.SumAreaTooltip != settings.SumAreaTooltip)
      std::abort();
    Settings again;
    if (!SaveConfig(saved, back) || !LoadConfig(saved, again) || !SameSettings(back, again)) std::abort();
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
