#pragma once
// Where the program keeps its files. The application folder is the
// program's own folder when that folder is writable; an installed program
// (read-only folder) uses the per-user data folder instead, created on first
// run and seeded with copies of the shipped "all.col", "kalvero.htm" and
// "puzzles.txt".
#include <QString>

namespace kalvero {

struct AppPaths {
  QString folder;        // ends in "/"
  QString configFile;    // folder + "kalvero.cfg"
  QString schemeList;    // folder + "all.col"
  QString tempPuzzles;   // folder + "temporarypuzzlefile.txt"
  QString helpPage;      // folder + "kalvero.htm"

  // Paths inside `folder` (which must end in "/").
  static AppPaths In(const QString& folder);

  // A puzzle file name as the user or the configuration gave it: a relative
  // name is taken inside the application folder, so the shipped puzzles are
  // found wherever the program was started from.
  QString Resolve(const QString& fileName) const;
};

// Chooses and prepares the application folder for a program living in
// `programFolder`; `dataFolder` is the per-user fallback.
AppPaths ChooseAppPaths(const QString& programFolder, const QString& dataFolder);

// The per-user folder, created when missing and given copies of the shipped
// files it lacks (a file the user already has is never replaced).
AppPaths PrepareDataFolder(const QString& programFolder, const QString& dataFolder);

// The application folder of the running program.
AppPaths RunningAppPaths();

}  // namespace kalvero
