#include "app/app_paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStandardPaths>
#include <QTemporaryFile>

#include "view/std_text.h"
#include "model/config.h"
#include "program_info.h"

namespace kalvero {

namespace {

QString WithSlash(QString folder) {
  if (!folder.endsWith(QLatin1Char('/'))) folder += QLatin1Char('/');
  return folder;
}

QString FromView(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// A folder is writable when a file can actually be created in it.
bool CanWriteIn(const QString& folder) {
  QTemporaryFile probe(WithSlash(folder) + QStringLiteral("kalvero-probe-XXXXXX"));
  return probe.open();
}

bool IsValidConfig(const QString& path) {
  Settings ignored;
  return LoadConfig(Std(path), ignored);
}

// Gives the data folder copies of the shipped folder's files it lacks; a
// file the user already has is never replaced. A configuration is copied
// only when it can be read, so a broken one leads to the first-run defaults.
void Seed(const QString& from, const QString& to) {
  for (const char* name : {"puzzles.txt", "kalvero.cfg"}) {
    const QString source = from + QLatin1String(name);
    const QString target = to + QLatin1String(name);
    if (QFileInfo::exists(target) || !QFileInfo::exists(source)) continue;
    if (QLatin1String(name) == QLatin1String("kalvero.cfg") && !IsValidConfig(source)) continue;
    QFile::copy(source, target);
    // Copies of read-only shipped files must stay writable for the user.
    QFile(target).setPermissions(QFile(target).permissions() | QFileDevice::WriteOwner);
  }
}

}  // namespace

AppPaths AppPaths::In(const QString& folder) {
  AppPaths p;
  p.folder = WithSlash(folder);
  p.configFile = p.folder + QStringLiteral("kalvero.cfg");
  p.schemeList = p.folder + QStringLiteral("all.col");
  p.tempPuzzles = p.folder + QStringLiteral("temporarypuzzlefile.txt");
  p.helpPage = p.folder + QStringLiteral("kalvero.htm");
  p.unfinishedFile = p.folder + QStringLiteral("unfinished.dat");
  p.userSettingsFile = p.folder + QStringLiteral("kalvero.ini");
  p.bestTimesFile = p.folder + QStringLiteral("besttimes.txt");
  return p;
}

QString AppPaths::Resolve(const QString& fileName) const {
  if (fileName.isEmpty() || QDir::isAbsolutePath(fileName)) return fileName;
  return folder + fileName;
}

ShippedFiles FindShippedFiles(const QString& programFolder) {
  const QString beside = WithSlash(programFolder);
  const QString installed = WithSlash(QDir::cleanPath(beside + FromView(kShippedFromProgram)));
  // A build folder whose all.col was deleted stays a build folder (the
  // built-in colours stand in): only an installed data folder makes the
  // program an installed one.
  if (QFileInfo::exists(beside + QStringLiteral("all.col")) || !QFileInfo(installed).isDir())
    return {beside, Layout::BuildFolder};
  return {installed, Layout::Installed};
}

AppPaths ChooseAppPaths(const ShippedFiles& shipped, const QString& dataFolder) {
  if (shipped.layout == Layout::BuildFolder && CanWriteIn(shipped.folder)) return AppPaths::In(shipped.folder);

  AppPaths p = AppPaths::In(shipped.folder);
  if (QDir().mkpath(dataFolder) && CanWriteIn(dataFolder)) {
    const QString data = WithSlash(dataFolder);
    Seed(shipped.folder, data);
    p.folder = data;
    p.configFile = data + QStringLiteral("kalvero.cfg");
    p.tempPuzzles = data + QStringLiteral("temporarypuzzlefile.txt");
    p.unfinishedFile = data + QStringLiteral("unfinished.dat");
    p.userSettingsFile = data + QStringLiteral("kalvero.ini");
    p.bestTimesFile = data + QStringLiteral("besttimes.txt");
  } else {
    p.settingsWritable = false;
  }
  return p;
}

void SetApplicationIdentity() {
  QCoreApplication::setApplicationName(QStringLiteral("Kalvero"));
  QCoreApplication::setOrganizationName(QStringLiteral("Kalvero"));
  QCoreApplication::setApplicationVersion(FromView(kProgramVersion));
  QGuiApplication::setDesktopFileName(FromView(kDesktopId));
}

QString UserDataFolder() { return QStandardPaths::writableLocation(QStandardPaths::AppDataLocation); }

AppPaths RunningAppPaths() {
  return ChooseAppPaths(FindShippedFiles(QCoreApplication::applicationDirPath()), UserDataFolder());
}

}  // namespace kalvero
