// The application folder: the program's own in a writable build folder,
// otherwise the per-user folder seeded from the shipped files, or the
// shipped folder read only when nothing can be written; relative names.
#include <QtTest>

#include "app/app_paths.h"
#include "app/command_line.h"
#include "model/config.h"
#include "program_info.h"
#include "temp_dir.h"

using namespace kalvero;
using kalvero::test::TempDir;

namespace {

enum class Expect { ShippedFolder, DataFolder };

QByteArray ReadFile(const QString& path) { return TempDir::Read(path.toStdString()); }

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly));
  f.write(bytes);
}

}  // namespace

Q_DECLARE_METATYPE(Layout)
Q_DECLARE_METATYPE(Expect)
Q_DECLARE_METATYPE(StartAction)

class AppPathsTest : public QObject {
  Q_OBJECT
 private slots:
  // Null texts are files that do not exist.
  void choice_data() {
    const QByteArray valid = QByteArray::fromStdString(DefaultConfigText());
    const QByteArray none;
    QTest::addColumn<Layout>("layout");
    QTest::addColumn<QByteArray>("shippedConfig");
    QTest::addColumn<QByteArray>("userConfig");
    QTest::addColumn<QByteArray>("userPuzzles");
    QTest::addColumn<bool>("dataWritable");
    QTest::addColumn<Expect>("folder");
    QTest::addColumn<QByteArray>("config");
    QTest::addColumn<QByteArray>("puzzles");
    QTest::newRow("writable build folder")
        << Layout::BuildFolder << none << none << none << true << Expect::ShippedFolder << none << QByteArray("shipped");
    QTest::newRow("installed, first run")
        << Layout::Installed << none << none << none << true << Expect::DataFolder << none << QByteArray("shipped");
    QTest::newRow("valid configuration beside the program is seeded")
        << Layout::Installed << valid << none << none << true << Expect::DataFolder << valid << QByteArray("shipped");
    QTest::newRow("malformed configuration is not seeded")
        << Layout::Installed << QByteArray("x") << none << none << true << Expect::DataFolder << none
        << QByteArray("shipped");
    QTest::newRow("the user's files are kept")
        << Layout::Installed << valid << QByteArray("mine") << QByteArray("my puzzles") << true << Expect::DataFolder
        << QByteArray("mine") << QByteArray("my puzzles");
    QTest::newRow("nothing writable: read from the shipped folder")
        << Layout::Installed << valid << none << none << false << Expect::ShippedFolder << valid
        << QByteArray("shipped");
  }
  void choice() {
    QFETCH(Layout, layout);
    QFETCH(QByteArray, shippedConfig);
    QFETCH(QByteArray, userConfig);
    QFETCH(QByteArray, userPuzzles);
    QFETCH(bool, dataWritable);
    QFETCH(Expect, folder);
    QFETCH(QByteArray, config);
    QFETCH(QByteArray, puzzles);

    QTemporaryDir shippedDir, home;
    const QString shipped = shippedDir.path() + QLatin1Char('/');
    for (const char* name : {"all.col", "kalvero.htm", "puzzles.txt"}) WriteFile(shipped + QLatin1String(name), "shipped");
    if (!shippedConfig.isNull()) WriteFile(shipped + QStringLiteral("kalvero.cfg"), shippedConfig);
    // A folder below a plain file can never be created, not even by root.
    WriteFile(home.path() + QStringLiteral("/file"), "");
    const QString data = home.path() + (dataWritable ? QStringLiteral("/share/Kalvero/") : QStringLiteral("/file/data/"));
    if (!userConfig.isNull() || !userPuzzles.isNull()) QVERIFY(QDir().mkpath(data));
    if (!userConfig.isNull()) WriteFile(data + QStringLiteral("kalvero.cfg"), userConfig);
    if (!userPuzzles.isNull()) WriteFile(data + QStringLiteral("puzzles.txt"), userPuzzles);

    const AppPaths p = ChooseAppPaths({shipped, layout}, data);

    QCOMPARE(p.folder, folder == Expect::DataFolder ? data : shipped);
    QCOMPARE(p.settingsWritable, dataWritable);
    QCOMPARE(p.configFile, p.folder + QStringLiteral("kalvero.cfg"));
    QCOMPARE(p.tempPuzzles, p.folder + QStringLiteral("temporarypuzzlefile.txt"));
    QCOMPARE(p.schemeList, shipped + QStringLiteral("all.col"));
    QCOMPARE(p.helpPage, shipped + QStringLiteral("kalvero.htm"));
    QCOMPARE(QFileInfo::exists(p.configFile), !config.isNull());
    if (!config.isNull()) QCOMPARE(ReadFile(p.configFile), config);
    QCOMPARE(ReadFile(p.Resolve(QStringLiteral("puzzles.txt"))), puzzles);
    // The read-only shipped files are never copied into the data folder.
    QVERIFY(!QFileInfo::exists(data + QStringLiteral("all.col")));
    QCOMPARE(QFileInfo::exists(data), layout == Layout::Installed && dataWritable);
  }

  // Which layout the program's folder has: a build folder keeps its own
  // files even when all.col is deleted from it.
  void layoutOfTheProgramFolder_data() {
    QTest::addColumn<bool>("schemes");        // all.col beside the program
    QTest::addColumn<bool>("installedData");  // the installed data folder exists
    QTest::addColumn<Layout>("layout");
    QTest::newRow("build folder") << true << false << Layout::BuildFolder;
    QTest::newRow("build folder without all.col") << false << false << Layout::BuildFolder;
    QTest::newRow("installed") << false << true << Layout::Installed;
  }
  void layoutOfTheProgramFolder() {
    QFETCH(bool, schemes);
    QFETCH(bool, installedData);
    QFETCH(Layout, layout);
    QTemporaryDir prefix;
    const QString program = prefix.path() + QStringLiteral("/bin/");
    QVERIFY(QDir().mkpath(program));
    if (schemes) WriteFile(program + QStringLiteral("all.col"), "shipped");
    const QString data = QDir::cleanPath(program + QString::fromUtf8(kShippedFromProgram.data(),
                                                                     qsizetype(kShippedFromProgram.size())));
    if (installedData) QVERIFY(QDir().mkpath(data));
    const ShippedFiles found = FindShippedFiles(program);
    QCOMPARE(found.layout, layout);
    QCOMPARE(found.folder, layout == Layout::Installed ? data + QLatin1Char('/') : program);
  }

  // The program's own options are answered without a window; a puzzle file
  // is opened in it.
  void commandLine_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<StartAction>("action");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("textStart");
    QTest::newRow("no arguments") << QStringList() << StartAction::OpenWindow << "" << "";
    QTest::newRow("a file") << QStringList{"my puzzles.txt"} << StartAction::OpenWindow << "my puzzles.txt" << "";
    QTest::newRow("version") << QStringList{"--version"} << StartAction::PrintText << ""
                             << QStringLiteral("kalvero %1\n").arg(QString::fromUtf8(kProgramVersion.data()));
    QTest::newRow("help after a file") << QStringList{"a.txt", "--help"} << StartAction::PrintText << ""
                                       << "usage: kalvero [--lang LANG] [FILE]\n";
    QTest::newRow("unknown option") << QStringList{"--verbose"} << StartAction::UsageError << ""
                                    << "kalvero: unknown option --verbose\nusage: kalvero [--lang LANG] [FILE]\n";
    QTest::newRow("two files") << QStringList{"a.txt", "b.txt"} << StartAction::UsageError << ""
                               << "kalvero: one puzzle file at most\n";
    QTest::newRow("a language, then a file") << QStringList{"--lang", "de", "a.txt"} << StartAction::OpenWindow << "a.txt"
                                             << "";
    QTest::newRow("a file, then a language") << QStringList{"a.txt", "--lang=fr"} << StartAction::OpenWindow << "a.txt"
                                             << "";
    QTest::newRow("--lang without a language") << QStringList{"a.txt", "--lang"} << StartAction::UsageError << ""
                                               << "kalvero: --lang needs a language\n";
  }
  void commandLine() {
    QFETCH(QStringList, args);
    QFETCH(StartAction, action);
    QFETCH(QString, file);
    QFETCH(QString, textStart);
    std::vector<std::string> list;
    for (const QString& arg : args) list.push_back(arg.toStdString());
    const StartRequest request = ReadCommandLine(list);
    QCOMPARE(request.action, action);
    QCOMPARE(QString::fromStdString(request.file), file);
    QVERIFY2(QString::fromStdString(request.text).startsWith(textStart), request.text.c_str());
    const qsizetype lang = args.indexOf(QStringLiteral("--lang"));
    QCOMPARE(QString::fromStdString(request.language),
             lang >= 0 ? args.value(lang + 1) : args.filter(QStringLiteral("--lang=")).value(0).mid(7));
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
