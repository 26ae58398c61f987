// The window's folders as installed: started from a DESTDIR install (made
// read-only) with a fresh home, it reads the shipped files from
// share/kalvero and writes only into the per-user data folder; with no
// writable folder at all it still starts and says once that settings cannot
// be saved.
#include <QDirIterator>
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

// Takes write permission from every folder of a tree while it lives.
class ReadOnlyTree {
 public:
  explicit ReadOnlyTree(const QString& root) {
    QDirIterator it(root, QDir::Dirs | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    folders_ << root;
    while (it.hasNext()) folders_ << it.next();
    for (const QString& f : folders_) SetWritable(f, false);
  }
  ~ReadOnlyTree() {
    for (const QString& f : folders_) SetWritable(f, true);
  }

 private:
  static void SetWritable(const QString& folder, bool writable) {
    const auto write = QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteUser;
    const QFileDevice::Permissions p = QFile::permissions(folder);
    QFile::setPermissions(folder, writable ? (p | QFileDevice::WriteOwner | QFileDevice::WriteUser) : (p & ~write));
  }
  QStringList folders_;
};

const QString kFirstRun = QStringLiteral("Configuration file not found ...\nA new file will be created");
const QString kCannotSave =
    QStringLiteral("Settings cannot be saved ...\nNeither the program folder nor the data folder can be written");

}  // namespace

class InstalledFoldersTest : public QObject {
  Q_OBJECT
 private slots:
  void startsFromTheInstalledTree_data() {
    QTest::addColumn<bool>("writableHome");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("fresh home") << true << QStringList{kFirstRun};
    QTest::newRow("no writable folder") << false << QStringList{kFirstRun, kCannotSave};
  }
  void startsFromTheInstalledTree() {
    QFETCH(bool, writableHome);
    QFETCH(QStringList, messages);
    const QString prefix = qEnvironmentVariable("KALVERO_INSTALLED");
    QVERIFY2(QFileInfo::exists(prefix + QStringLiteral("/games/kalvero")), qPrintable(prefix));
    const QStringList installed = FilesUnder(prefix);
    ReadOnlyTree readOnly(prefix);

    QTemporaryDir scratch;
    QString home = scratch.path() + QStringLiteral("/home");
    QDir().mkpath(home);
    if (!writableHome) {
      // Nothing can be created below a plain file, not even by root.
      home = scratch.path() + QStringLiteral("/file");
      QFile file(home);
      QVERIFY(file.open(QIODevice::WriteOnly));
    }
    qputenv("HOME", home.toUtf8());
    qunsetenv("XDG_DATA_HOME");
    SetApplicationIdentity();

    const ShippedFiles shipped = FindShippedFiles(prefix + QStringLiteral("/games"));
    QCOMPARE(shipped.layout, Layout::Installed);
    QCOMPARE(shipped.folder, prefix + QStringLiteral("/share/kalvero/"));
    const AppPaths paths = ChooseAppPaths(shipped, UserDataFolder());
    QVERIFY(QFileInfo::exists(paths.schemeList));
    QVERIFY(QFileInfo::exists(paths.helpPage));
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
      QFile shippedPuzzles(shipped.folder + QStringLiteral("puzzles.txt")), seeded(data + QStringLiteral("puzzles.txt"));
      QVERIFY(shippedPuzzles.open(QIODevice::ReadOnly) && seeded.open(QIODevice::ReadOnly));
      QCOMPARE(seeded.readAll(), shippedPuzzles.readAll());
    }
    QCOMPARE(FilesUnder(prefix), installed);
  }
};

QTEST_MAIN(InstalledFoldersTest)
#include "test_installed_folders.moc"
