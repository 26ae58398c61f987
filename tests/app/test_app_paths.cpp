// The application folder: the program's own when writable, otherwise a
// per-user folder seeded with the shipped files; relative puzzle names.
#include <QTemporaryDir>
#include <QtTest>

#include "app/app_paths.h"
#include "temp_dir.h"

using namespace kalvero;
using kalvero::test::TempDir;

class AppPathsTest : public QObject {
  Q_OBJECT
 private slots:
  void writableProgramFolderIsUsed() {
    QTemporaryDir program;
    const AppPaths p = ChooseAppPaths(program.path(), program.path() + QStringLiteral("/unused"));
    QCOMPARE(p.folder, program.path() + QLatin1Char('/'));
    QCOMPARE(p.configFile, program.path() + QStringLiteral("/kalvero.cfg"));
    QVERIFY(!QFileInfo::exists(program.path() + QStringLiteral("/unused")));
  }

  void dataFolderIsSeededWithoutReplacingUserFiles() {
    QTemporaryDir program, home;
    for (const char* name : {"all.col", "kalvero.htm", "puzzles.txt"}) {
      QFile f(program.path() + QLatin1Char('/') + QLatin1String(name));
      QVERIFY(f.open(QIODevice::WriteOnly));
      f.write(QByteArray("shipped ") + name);
    }
    const QString data = home.path() + QStringLiteral("/share/Kalvero");
    QDir().mkpath(data);
    {
      QFile own(data + QStringLiteral("/puzzles.txt"));
      QVERIFY(own.open(QIODevice::WriteOnly));
      own.write("the user's own puzzles");
    }
    const AppPaths p = PrepareDataFolder(program.path(), data);
    QCOMPARE(p.folder, data + QLatin1Char('/'));
    QCOMPARE(TempDir::Read((data + QStringLiteral("/all.col")).toStdString()), QByteArray("shipped all.col"));
    QCOMPARE(TempDir::Read((data + QStringLiteral("/puzzles.txt")).toStdString()), QByteArray("the user's own puzzles"));
  }

  void relativeNamesResolveInTheFolder_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("resolved");
    QTest::newRow("plain name") << "puzzles.txt" << "/app/puzzles.txt";
    QTest::newRow("relative path") << "sets/hard.txt" << "/app/sets/hard.txt";
    QTest::newRow("absolute path") << "/home/me/p.txt" << "/home/me/p.txt";
    QTest::newRow("empty") << "" << "";
  }
  void relativeNamesResolveInTheFolder() {
    QFETCH(QString, name);
    QFETCH(QString, resolved);
    QCOMPARE(AppPaths::In(QStringLiteral("/app")).Resolve(name), resolved);
  }
};

QTEST_APPLESS_MAIN(AppPathsTest)
#include "test_app_paths.moc"
