#pragma once
// Runs kalvero-tool as a script would (CTest passes its path in KALVERO_TOOL)
// and collects its exit code and output.
#include <QByteArray>
#include <QProcess>
#include <QStringList>
#include <functional>

namespace kalvero::test {

struct ToolRun {
  int exitCode;
  QByteArray out;
  QByteArray err;
};

// How a run differs from a plain one: standard output sent to a file (such as
// "/dev/full"), extra environment entries "NAME=value", and set-up done in
// the child just before the tool starts (resource limits, signals).
struct ToolSetup {
  QString outFile;
  QStringList environment;
  std::function<void()> inChild;
};

inline void Prepare(QProcess& p, const ToolSetup& setup) {
  if (!setup.outFile.isEmpty()) p.setStandardOutputFile(setup.outFile);
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const QString& entry : setup.environment) {
    const qsizetype eq = entry.indexOf(QLatin1Char('='));
    env.insert(entry.left(eq), entry.mid(eq + 1));
  }
  p.setProcessEnvironment(env);
  if (setup.inChild) p.setChildProcessModifier(setup.inChild);
}

inline ToolRun Tool(const QStringList& args, const ToolSetup& setup = {}) {
  QProcess p;
  Prepare(p, setup);
  p.start(qEnvironmentVariable("KALVERO_TOOL"), args);
  // Generous: a benchmark run under the sanitizers on a busy machine takes
  // minutes; CTest's own limit still ends a tool that hangs.
  p.waitForFinished(400000);
  return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
}

}  // namespace kalvero::test
