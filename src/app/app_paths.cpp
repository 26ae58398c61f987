#include "app/app_paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryFile>

namespace kalvero {

namespace {

QString WithSlash(QString folder) {
  if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
  return folder;
}

// A folder is writable when a file can actually be created in it.
bool CanWriteIn(const QString& folder) {
  QTemporaryFile probe(WithSlash(folder) + QStringLiteral("kalvero-probe-XXXXXX"));
  return probe.open();
}

}  // namespace

AppPaths AppPaths::In(const QString& folder) {
  AppPaths p;
  p.folder = WithSlash(folder);
  p.configFile = p.folder + QStringLiteral("kalvero.cfg");
  p.schemeList = p.folder + QStringLiteral("all.col");
  p.tempPuzzles = p.folder + QStringLiteral("temporarypuzzlefile.txt");
  p.helpPage = p.folder + QStringLiteral("kalvero.htm");
  return p;
}

QString AppPaths::Resolve(const QString& fileName) const {
  if (fileName.isEmpty() || QDir::isAbsolutePath(fileName)) return fileName;
  return folder + fileName;
}

AppPaths ChooseAppPaths(const QString& programFolder, const QString& dataFolder) {
  if (CanWriteIn(programFolder)) return AppPaths::In(programFolder);
  return PrepareDataFolder(programFolder, dataFolder);
}

AppPaths PrepareDataFolder(const QString& programFolder, const QString& dataFolder) {
  QDir().mkpath(dataFolder);
  const QString from = WithSlash(programFolder);
  const QString to = WithSlash(dataFolder);
  for (const char* name : {"all.col", "kalvero.htm", "puzzles.txt"}) {
    const QString target = to + QLatin1String(name);
    if (!QFileInfo::exists(target)) QFile::copy(from + QLatin1String(name), target);
  }
  return AppPaths::In(dataFolder);
}

AppPaths RunningAppPaths() {
  return ChooseAppPaths(QCoreApplication::applicationDirPath(),
                        QStandardPaths::writableLocation(QStandardPaths::AppDataLocation));
}

}  // namespace kalvero
