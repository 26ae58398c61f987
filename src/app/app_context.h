#pragma once
// What the parts of the main window share: the application folder, the
// puzzle state, the settings (kalvero.cfg's and the per-user file's), the
// colour scheme in force, the solver's working state, the one random source
// and the host the engine reports through. The main window owns one AppContext for the life of the program
// and hands it to its parts by reference.
//
// Why shared rather than handed out piece by piece: every part reads or
// changes the one puzzle state and shows messages through the one host; the
// board's colours come from the settings and the scheme together, which
// the display, play, output and styling parts all draw with; the solver and
// the random source must be the same objects for creation and navigation,
// so a creation's state is the one the window then plays on and the random
// puzzle number and the created puzzles come from one seeded sequence.
#include <string>
#include <vector>

#include "app/app_paths.h"
#include "app/gui_host.h"
#include "generator/random_source.h"
#include "model/config.h"
#include "model/puzzle_state.h"
#include "model/scheme_file.h"
#include "model/solver_state.h"
#include "app/user_settings.h"
#include "play/highlights.h"
#include "view/board_painter.h"

namespace kalvero {

struct AppContext {
  AppContext(AppPaths appPaths, QWidget* owner) : paths(std::move(appPaths)), host(owner) {}

  AppPaths paths;
  PuzzleState state;
  Settings settings;
  SchemeColours scheme{};
  bool schemeFilled = false;               // a scheme has been loaded at least once
  int controlColourIndex = kControlEntry;  // the scheme entry buttons and text boxes take
  std::vector<std::string> schemeNames;
  GuiHost host;
  SolverState solver;
  PseudoRandom random{ClockSeed()};
  UserSettings userSettings{paths.userSettingsFile};  // what kalvero.cfg does not hold
  PlayerAids highlights;  // from userSettings, read at start-up

  // The board's colours from the settings and the scheme.
  BoardColours Colours() const {
    return {settings.GridColour, settings.NumbersColour, settings.PencilColour, scheme[kBackgroundEntry],
            scheme[controlColourIndex]};
  }
  Colour ControlColour() const { return scheme[controlColourIndex]; }

  MsgResult Message(const QString& text, const QString& style) { return host.Message(text, style); }
  // Lets pending window events run now (after messages, as start-up does).
  void ProcessEvents() { host.YieldNow(); }
};

}  // namespace kalvero
