#pragma once
// A scratch folder per test program, removed when the test ends.
#include <QFile>
#include <QTemporaryDir>
#include <string>

namespace kalvero::test {

class TempDir {
 public:
  std::string Path(const char* name) const { return dir_.filePath(QLatin1String(name)).toStdString(); }
  // Writes raw bytes to a file in the folder and returns its path.
  std::string Write(const char* name, const QByteArray& bytes) const {
    QFile f(dir_.filePath(QLatin1String(name)));
    if (f.open(QIODevice::WriteOnly | QIODevice::Truncate)) f.write(bytes);
    return Path(name);
  }
  static QByteArray Read(const std::string& path) {
    QFile f(QString::fromStdString(path));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }

 private:
  QTemporaryDir dir_;
};

}  // namespace kalvero::test
