#pragma once
// Where the program keeps its files.
//
// The shipped files ("all.col", "kalvero.htm" and the starting "puzzles.txt")
// sit beside the program in a build folder, or in share/kalvero under the
// install prefix once installed. They are read where they are, so a package
// upgrade reaches them. The writable files ("kalvero.cfg", the temporary
// puzzle file and the user's puzzle files) go to the application folder:
// the program's own folder in a writable build folder, otherwise the
// per-user data folder, which is created and seeded from the shipped folder.
// When no folder can be written everything is read from the shipped folder
// and the settings are not saved.
#include <QString>

namespace kalvero {

// How the program found its shipped files.
enum class Layout {
  BuildFolder,  // beside the program
  Installed,    // in share/kalvero under the install prefix
};

struct ShippedFiles {
  QString folder;  // ends in "/"
  Layout layout = Layout::BuildFolder;
};

struct AppPaths {
  QString folder;        // the application folder, ends in "/"
  QString configFile;    // folder + "kalvero.cfg"
  QString schemeList;    // shipped "all.col"
  QString tempPuzzles;   // folder + "temporarypuzzlefile.txt"
  QString helpPage;      // shipped "kalvero.htm"
  QString unfinishedFile;  // folder + "unfinished.dat": entries kept when the program ends
  QString userSettingsFile;  // folder + "kalvero.ini": settings kalvero.cfg does not hold
  QString bestTimesFile;     // folder + "besttimes.txt": best solving times per level and grade
  // False when neither the program's folder nor the data folder can be
  // written: the settings are read but cannot be saved.
  bool settingsWritable = true;

  // Every file inside `folder` (which need not end in "/").
  static AppPaths In(const QString& folder);

  // A puzzle file name as the user or the configuration gave it: a relative
  // name is taken inside the application folder, so the shipped puzzles are
  // found wherever the program was started from.
  QString Resolve(const QString& fileName) const;
};

// The shipped files of a program living in `programFolder`: beside it when
// "all.col" is there, otherwise in the install prefix's share/kalvero.
ShippedFiles FindShippedFiles(const QString& programFolder);

// Chooses and prepares the application folder; `dataFolder` is the per-user
// folder used when the program's own folder is not the place for writing.
AppPaths ChooseAppPaths(const ShippedFiles& shipped, const QString& dataFolder);

// Names the application, which also names its per-user data folder.
void SetApplicationIdentity();

// The per-user data folder of the named application.
QString UserDataFolder();

// The application folder of the running program.
AppPaths RunningAppPaths();

}  // namespace kalvero
