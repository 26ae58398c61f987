#pragma once
// Runs kalvero-tool as a script would (CTest passes its path in KALVERO_TOOL)
// and collects its exit code and output; tables of runs and what they print.
#include <sys/stat.h>

#include <QtTest>
#include <functional>

#include "temp_dir.h"

namespace kalvero::test {

struct ToolRun {
  int exitCode;
  QByteArray out, err;
};

// How a run differs from a plain one: standard output sent to a file, extra
// environment entries "NAME=value", set-up in the child (resource limits).
struct ToolSetup {
  QString outFile;
  QStringList environment;
  std::function<void()> inChild;
};

inline void Prepare(QProcess& p, const ToolSetup& setup) {
  if (!setup.outFile.isEmpty()) p.setStandardOutputFile(setup.outFile);
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const QString& entry : setup.environment) env.insert(entry.section('=', 0, 0), entry.section('=', 1));
  p.setProcessEnvironment(env);
  if (setup.inChild) p.setChildProcessModifier(setup.inChild);
}

inline ToolRun Tool(const QStringList& args, const ToolSetup& setup = {}) {
  QProcess p;
  Prepare(p, setup);
  p.start(qEnvironmentVariable("KALVERO_TOOL"), args);
  p.waitForFinished(400000);  // sanitizer builds take minutes; CTest's own limit ends a hang
  return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
}

// A run and what it prints: on exit 0 all of standard output, or its start
// when `text` ends no line; else the first line on standard error, nothing on
// standard output, and the usage after it exactly for a wrong argument (exit
// 2). "FILE" in the arguments is a scratch file holding `file`; "DIR", there
// and in `text`, a scratch folder with a FIFO "fifo" and an unreadable
// "locked.txt".
struct Case {
  QByteArray name;
  QStringList args;
  int exitCode;
  QByteArray text, file = {};
};

}  // namespace kalvero::test

Q_DECLARE_METATYPE(kalvero::test::Case)

namespace kalvero::test {

inline void AddCases(const std::vector<Case>& rows) {
  QTest::addColumn<Case>("row");
  for (const Case& row : rows) QTest::newRow(row.name.constData()) << row;
}

inline void CheckCase() {
  QFETCH(Case, row);
  TempDir dir;
  const QString locked = QString::fromStdString(dir.Write("locked.txt", "1")), folder = QFileInfo(locked).path();
  QVERIFY(QFile::setPermissions(locked, QFileDevice::WriteOwner) && ::mkfifo(dir.Path("fifo").c_str(), 0600) == 0);
  row.args.replaceInStrings("FILE", QString::fromStdString(dir.Write("p.txt", row.file))).replaceInStrings("DIR", folder);
  row.text.replace("DIR", folder.toUtf8());
  const ToolRun r = Tool(row.args);
  QCOMPARE(r.exitCode, row.exitCode);
  const QByteArray out = row.text.endsWith('\n') ? r.out : r.out.left(row.text.size());
  QCOMPARE(row.exitCode == 0 ? out : r.err.split('\n').first(), row.text);
  QVERIFY(row.exitCode == 0 || r.out.isEmpty());
  QCOMPARE(("\n" + r.err).contains("\nusage: "), row.exitCode == 2);
}

}  // namespace kalvero::test
