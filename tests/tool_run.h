#pragma once
// Runs kalvero-tool as a script would (CTest passes its path in KALVERO_TOOL)
// and collects its exit code and output.
#include <QByteArray>
#include <QProcess>
#include <QStringList>

namespace kalvero::test {

struct ToolRun {
  int exitCode;
  QByteArray out;
  QByteArray err;
};

inline ToolRun Tool(const QStringList& args) {
  QProcess p;
  p.start(qEnvironmentVariable("KALVERO_TOOL"), args);
  p.waitForFinished(120000);
  return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
}

}  // namespace kalvero::test
