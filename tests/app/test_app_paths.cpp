// The application folder: the program's own in a writable build folder,
// otherwise the per-user folder seeded from the shipped files, or the
// shipped folder read only when nothing can be written; relative names; the
// command line.
#include <QtTest>

#include "app/app_paths.h"
#include "app/command_line.h"
#include "model/config.h"
#include "program_info.h"
#include "temp_dir.h"

using namespace kalvero;
using kalvero::test::TempDir;

namespace {

void WriteFile(const QString& path, const QByteArray& bytes) {
  QFile f(path);
  QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
}

// Null texts are files that do not exist.
struct Choice {
  const char* name;
  Layout layout;
  QByteArray shippedConfig, userConfig, userPuzzles;
  bool dataWritable;
  bool dataFolder;  // the data folder is chosen, else the shipped one
  QByteArray config, puzzles;
};

struct Call {
  const char* name;
  QStringList args;
  StartAction action;
  QString file, textStart, language = {};
};

}  // namespace

Q_DECLARE_METATYPE(Layout)
Q_DECLARE_METATYPE(Choice)
Q_DECLARE_METATYPE(Call)

class AppPathsTest : public QObject {
  Q_OBJECT
 private slots:
  void choice_data() {
    const QByteArray valid = QByteArray::fromStdString(DefaultConfigText()), none, shipped("shipped");
    QTest::addColumn<Choice>("r");
    const Choice rows[] = {
        {"writable build folder", Layout::BuildFolder, none, none, none, true, false, none, shipped},
        {"valid configuration beside the program is seeded", Layout::Installed, valid, none, none, true, true, valid,
         shipped},
        {"malformed configuration is not seeded", Layout::Installed, "x", none, none, true, true, none, shipped},
        {"the user's files are kept", Layout::Installed, valid, "mine", "my puzzles", true, true, "mine", "my puzzles"},
        {"nothing writable: read from the shipped folder", Layout::Installed, valid, none, none, false, false, valid,
         shipped},
    };
    for (const Choice& r : rows) QTest::newRow(r.name) << r;
  }
  void choice() {
    QFETCH(Choice, r);
    QTemporaryDir shippedDir, home;
    const QString shipped = shippedDir.path() + QLatin1Char('/');
    for (const char* name : {"all.col", "kalvero.htm", "puzzles.txt"}) WriteFile(shipped + QLatin1String(name), "shipped");
    if (!r.shippedConfig.isNull()) WriteFile(shipped + QStringLiteral("kalvero.cfg"), r.shippedConfig);
    // A folder below a plain file can never be created, not even by root.
    WriteFile(home.path() + QStringLiteral("/file"), "");
    const QString data = home.path() + (r.dataWritable ? QStringLiteral("/share/Kalvero/") : QStringLiteral("/file/data/"));
    if (!r.userConfig.isNull()) {
      QVERIFY(QDir().mkpath(data));
      WriteFile(data + QStringLiteral("kalvero.cfg"), r.userConfig);
      WriteFile(data + QStringLiteral("puzzles.txt"), r.userPuzzles);
      QFile::setPermissions(data + QStringLiteral("puzzles.txt"), QFileDevice::ReadOwner);
    }

    const AppPaths p = ChooseAppPaths({shipped, r.layout}, data);

    QCOMPARE(p.folder, r.dataFolder ? data : shipped);
    QCOMPARE(p.settingsWritable, r.dataWritable);
    // Every file the window writes is in the chosen folder; the shipped
    // read-only files are read where they are and never copied.
    for (const QString& written : {p.configFile, p.tempPuzzles, p.unfinishedFile, p.userSettingsFile, p.bestTimesFile})
      QCOMPARE(QFileInfo(written).absolutePath() + QLatin1Char('/'), p.folder);
    QCOMPARE(p.schemeList, shipped + QStringLiteral("all.col"));
    QCOMPARE(p.helpPage, shipped + QStringLiteral("kalvero.htm"));
    QVERIFY(!QFileInfo::exists(data + QStringLiteral("all.col")));
    QCOMPARE(QFileInfo::exists(p.configFile), !r.config.isNull());
    if (!r.config.isNull()) QCOMPARE(TempDir::Read(p.configFile.toStdString()), r.config);
    QCOMPARE(TempDir::Read(p.Resolve(QStringLiteral("puzzles.txt")).toStdString()), r.puzzles);
    // The user's own files are left as they are, a read-only one too.
    const QFileDevice::Permissions puzzlesMode = QFile::permissions(p.Resolve(QStringLiteral("puzzles.txt")));
    if (!r.userPuzzles.isNull()) QVERIFY(!(puzzlesMode & QFileDevice::WriteOwner));
    QCOMPARE(QFileInfo::exists(data), r.layout == Layout::Installed && r.dataWritable);
  }

  // Which layout the program's folder has: all.col beside the program makes
  // a build folder, and so does a missing installed data folder, so a build
  // folder keeps its own files even when all.col is deleted from it.
  void layoutOfTheProgramFolder_data() {
    QTest::addColumn<bool>("schemes");        // all.col beside the program
    QTest::addColumn<bool>("installedData");  // the installed data folder exists
    QTest::addColumn<Layout>("layout");
    QTest::newRow("build folder") << true << true << Layout::BuildFolder;
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

  void relativeNamesResolveInTheFolder() {
    const AppPaths p = AppPaths::In(QStringLiteral("/app"));
    QCOMPARE(p.Resolve(QStringLiteral("sets/hard.txt")), QStringLiteral("/app/sets/hard.txt"));
    QCOMPARE(p.Resolve(QStringLiteral("/home/me/p.txt")), QStringLiteral("/home/me/p.txt"));
    QCOMPARE(p.Resolve(QString()), QString());
  }

  // The program's own options are answered without a window; a puzzle file
  // is opened in it.
  void commandLine_data() {
    QTest::addColumn<Call>("r");
    const QString usage = QStringLiteral("usage: kalvero [--lang LANG] [FILE]\n");
    const Call rows[] = {
        {"a file", {"my puzzles.txt"}, StartAction::OpenWindow, "my puzzles.txt", ""},
        {"version", {"--version"}, StartAction::PrintText, "",
         QStringLiteral("kalvero %1\n").arg(QString::fromUtf8(kProgramVersion.data()))},
        {"help after a file", {"a.txt", "--help"}, StartAction::PrintText, "", usage},
        {"unknown option", {"--verbose"}, StartAction::UsageError, "", "kalvero: unknown option --verbose\n" + usage},
        {"two files", {"a.txt", "b.txt"}, StartAction::UsageError, "", "kalvero: one puzzle file at most\n"},
        {"a language, then a file", {"--lang", "de", "a.txt"}, StartAction::OpenWindow, "a.txt", "", "de"},
        {"a file, then a language", {"a.txt", "--lang=fr"}, StartAction::OpenWindow, "a.txt", "", "fr"},
        {"--lang without a language", {"a.txt", "--lang"}, StartAction::UsageError, "", "kalvero: --lang needs a language\n"},
    };
    for (const Call& r : rows) QTest::newRow(r.name) << r;
  }
  void commandLine() {
    QFETCH(Call, r);
    std::vector<std::string> list;
    for (const QString& arg : r.args) list.push_back(arg.toStdString());
    const StartRequest request = ReadCommandLine(list);
    QCOMPARE(request.action, r.action);
    QCOMPARE(QString::fromStdString(request.file), r.file);
    QVERIFY2(QString::fromStdString(request.text).startsWith(r.textStart), request.text.c_str());
    QCOMPARE(QString::fromStdString(request.language), r.language);
  }
};

QTEST_APPLESS_MAIN(AppPathsTest)
#include "test_app_paths.moc"
