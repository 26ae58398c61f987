#pragma once
// A scratch application folder for main-window tests, holding copies of the
// shipped "all.col" and "puzzles.txt".
#include <QFile>
#include <QTemporaryDir>

#include "app/app_paths.h"
#include "model/config.h"
#include "model/puzzle_file.h"

namespace kalvero::test {

struct Folder {
  QTemporaryDir dir;
  QString path(const char* name) const { return dir.path() + QLatin1Char('/') + QLatin1String(name); }
  kalvero::AppPaths paths() const { return kalvero::AppPaths::In(dir.path()); }
  // The puzzle-number label of puzzle n of the copied puzzle file.
  QString NumberLabel(int n) const {
    return QStringLiteral("p# %1 of %2").arg(n).arg(kalvero::CountPuzzles(path("puzzles.txt").toStdString()));
  }
  // The whole of a file in the folder, empty when it cannot be read.
  QByteArray Read(const char* name) const {
    QFile f(path(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  void WriteConfig(const kalvero::Settings& settings) const { WriteConfig(kalvero::ConfigText(settings)); }
  void WriteConfig(const std::string& text) const {
    QFile cfg(path("kalvero.cfg"));
    cfg.open(QIODevice::WriteOnly);
    cfg.write(QByteArray::fromStdString(text));
  }
  Folder() {
    const QString data = qEnvironmentVariable("KALVERO_DATA");
    QFile::copy(data + QStringLiteral("/all.col"), path("all.col"));
    QFile::copy(data + QStringLiteral("/puzzles.txt"), path("puzzles.txt"));
  }
};

}  // namespace kalvero::test
