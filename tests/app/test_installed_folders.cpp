// The window's folders as installed: started from a DESTDIR install (made
// read-only) with a fresh home, it reads the shipped files from
// share/kalvero and writes only into the per-user data folder; with no
// writable folder at all it still starts and says once that settings cannot
// be saved.
#include <QDirIterator>
#include <QProcess>
#include <QtTest>

#include "app/app_paths.h"
#include "app/main_window.h"
#include "message_answerer.h"

using namespace kalvero;
using kalvero::test::MessageAnswerer;

namespace {

QStringList FilesUnder(const QString& root) {
  QStringList files;
  QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
  while (it.hasNext()) files << it.next();
  files.sort();
  return files;
}

// Takes write permission from a whole tree while it lives.
struct ReadOnlyTree {
  QString root;
  explicit ReadOnlyTree(const QString& tree) : root(tree) { QProcess::execute(QStringLiteral("chmod"), {"-R", "a-w", root}); }
  ~ReadOnlyTree() { QProcess::execute(QStringLiteral("chmod"), {"-R", "u+w", root}); }
};

}  // namespace

class InstalledFoldersTest : public QObject {
  Q_OBJECT
 private slots:
  void startsFromTheInstalledTree_data() {
    QTest::addColumn<bool>("writableHome");
    QTest::addColumn<QStringList>("messages");
    const QString firstRun = QStringLiteral("Configuration file not found ...\nA new file will be created");
    QTest::newRow("fresh home") << true << QStringList{firstRun};
    QTest::newRow("no writable folder")
        << false
        << QStringList{firstRun, "Settings cannot be saved ...\nNeither the program folder nor the data folder can be written"};
  }
  void startsFromTheInstalledTree() {
    QFETCH(bool, writableHome);
    QFETCH(QStringList, messages);
    const QString prefix = qEnvironmentVariable("KALVERO_INSTALLED");
    QVERIFY2(QFileInfo::exists(prefix + QStringLiteral("/games/kalvero")), qPrintable(prefix));
    const QStringList installed = FilesUnder(prefix);
    ReadOnlyTree readOnly(prefix);

    // Nothing can be created below a plain file, not even by root.
    QTemporaryDir scratch;
    const QString home = scratch.path() + (writableHome ? QStringLiteral("/home") : QStringLiteral("/file"));
    QFile file(scratch.path() + QStringLiteral("/file"));
    QVERIFY(file.open(QIODevice::WriteOnly));
    qputenv("HOME", home.toUtf8());
    qunsetenv("XDG_DATA_HOME");
    SetApplicationIdentity();

    const ShippedFiles shipped = FindShippedFiles(prefix + QStringLiteral("/games"));
    QCOMPARE(shipped.layout, Layout::Installed);
    QCOMPARE(shipped.folder, prefix + QStringLiteral("/share/kalvero/"));
    const AppPaths paths = ChooseAppPaths(shipped, UserDataFolder());
    {
      MainWindow window(paths);
      MessageAnswerer answers;
      window.Start();
      QCOMPARE(answers.seen, messages);
      QVERIFY(window.Context().state.PuzzleCount > 0);
      QCOMPARE(window.SaveConfig(), writableHome);
      QCOMPARE(answers.seen, messages);
    }

    if (writableHome) {
      const QString data = home + QStringLiteral("/.local/share/Kalvero/Kalvero/");
      QCOMPARE(paths.folder, data);
      QVERIFY(QFileInfo::exists(data + QStringLiteral("kalvero.cfg")));
      QVERIFY(QFileInfo::exists(data + QStringLiteral("puzzles.txt")));
    }
    QCOMPARE(FilesUnder(prefix), installed);
  }
};

QTEST_MAIN(InstalledFoldersTest)
#include "test_installed_folders.moc"
