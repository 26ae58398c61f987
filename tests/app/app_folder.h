#pragma once
// Main windows in scratch folders holding copies of the shipped "all.col" and
// "puzzles.txt", and their controls found by object name.
#include <QAction>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <optional>

#include "app/main_window.h"
#include "message_answerer.h"
#include "model/config.h"
#include "model/puzzle_file.h"
#include "ui/box_control.h"
#include "ui/fitted_label.h"

namespace kalvero::test {

struct Folder {
  QTemporaryDir dir;
  QString path(const char* name) const { return dir.path() + QLatin1Char('/') + QLatin1String(name); }
  // The puzzle-number label of puzzle n of the copied puzzle file.
  QString NumberLabel(int n) const {
    return QStringLiteral("p# %1 of %2").arg(n).arg(CountPuzzles(path("puzzles.txt").toStdString()));
  }
  // The whole of a file in the folder, empty when it cannot be read.
  QByteArray Read(const char* name) const {
    QFile f(path(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
  void Write(const char* name, const QByteArray& bytes) const {
    QDir().mkpath(QFileInfo(path(name)).absolutePath());
    QFile f(path(name));
    QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
  }
  void WriteConfig(const Settings& settings) const { Write("kalvero.cfg", QByteArray::fromStdString(ConfigText(settings))); }
  Folder() {
    for (const char* name : {"all.col", "puzzles.txt"})
      QFile::copy(qEnvironmentVariable("KALVERO_DATA") + QLatin1Char('/') + QLatin1String(name), path(name));
  }
};

// A shown window on its own folder, started from `settings` (none: a first
// run) once `prepare` has changed the folder, with a fixed random seed.
// `seen` holds the start-up messages.
struct Started {
  Folder folder;
  MainWindow window{AppPaths::In(folder.dir.path())};
  QStringList seen;
  explicit Started(const std::optional<Settings>& settings = DefaultSettings(),
                   const std::function<void(Folder&)>& prepare = {}) {
    if (settings) folder.WriteConfig(*settings);
    if (prepare) prepare(folder);
    MessageAnswerer answers;
    window.Start();
    seen = answers.seen;
    window.Context().random = PseudoRandom(20261206);
    window.show();
  }
  PuzzleState& State() { return window.Context().state; }
};

// A label's whole text: what a fitted label shows may be cut to its box.
inline QString LabelText(const QWidget& window, const char* name) {
  const auto* label = window.findChild<QLabel*>(QLatin1String(name));
  if (const auto* fitted = qobject_cast<const FittedLabel*>(label)) return fitted->FullText();
  return label->text();
}
inline QAction* Action(const QWidget& window, const QString& name) { return window.findChild<QAction*>(name); }
inline QAction* Action(const QWidget& window, const char* name) { return Action(window, QLatin1String(name)); }
inline BoxControl* Button(const QWidget& window, const char* name) {
  return window.findChild<BoxControl*>(QLatin1String(name));
}
// A creation runs exactly while the Create entry is disabled.
inline bool Creating(const QWidget& window) { return !Action(window, "mnucreateone")->isEnabled(); }
// A left or right click on a button beside the board.
inline void Click(const QWidget& window, const char* name, Qt::MouseButton button = Qt::LeftButton) {
  QTest::mouseClick(Button(window, name), button);
}

}  // namespace kalvero::test
