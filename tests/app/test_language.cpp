// The window in English, German and French: texts from the main window, a
// dialog and the engine's sentences follow the language, and the files the
// window writes are the same in every language.
#include <QComboBox>
#include <QMenuBar>
#include <QTranslator>
#include <QtTest>

#include "app/language.h"
#include "app_folder.h"
#include "ui/create_options_form.h"

using namespace kalvero;
using namespace kalvero::test;

namespace {

// Where the build puts the .qm files: beside the programs.
QString ProgramFolder() { return QFileInfo(qEnvironmentVariable("KALVERO_TOOL")).absolutePath() + QLatin1Char('/'); }

// Replaces the application's translators with those of `language`.
void UseLanguage(const QString& language) {
  for (QTranslator* old : qApp->findChildren<QTranslator*>()) {
    QCoreApplication::removeTranslator(old);
    delete old;
  }
  const QLocale locale(language);
  QLocale::setDefault(locale);
  const bool found = InstallTranslations(*qApp, locale, ProgramFolder());
  QCOMPARE(found, language != QLatin1String("en"));
}

}  // namespace

class LanguageTest : public QObject {
  Q_OBJECT

  QByteArray englishFiles_;

 private slots:
  void cleanupTestCase() { UseLanguage(QStringLiteral("en")); }

  void window_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("texts");  // File menu, Undo tooltip, status, level, grade, check, lead, help page
    QTest::newRow("en") << "en"
                        << QStringList{"File", "Undo last manual placement; rightclick to reset all", "Puzzle read",
                                       "Very Easy", "Tough", "Complete the puzzle first", "Look at row 8, column 1",
                                       "kalvero.htm"};
    QTest::newRow("de") << "de"
                        << QStringList{"Datei", "Letzten eigenen Eintrag rückgängig machen; Rechtsklick: alles zurücksetzen",
                                       "Rätsel gelesen", "Sehr leicht", "Zäh", "Vervollständigen Sie zuerst das Rätsel",
                                       "Sehen Sie sich Zeile 8, Spalte 1 an", "kalvero_de.htm"};
    QTest::newRow("fr") << "fr"
                        << QStringList{"Fichier", "Annuler la dernière saisie\u00a0; clic droit\u00a0: tout réinitialiser",
                                       "Grille lue", "Très facile", "Coriace", "Complétez d'abord la grille",
                                       "Regardez la ligne 8, colonne 1", "kalvero_fr.htm"};
  }
  void window() {
    QFETCH(QString, language);
    QFETCH(QStringList, texts);
    UseLanguage(language);
    Started s;
    QCOMPARE(s.window.menuBar()->actions().at(0)->text(), texts[0]);
    QCOMPARE(Button(s.window, "cmdundo")->toolTip(), texts[1]);
    QCOMPARE(LabelText(s.window, "lblstatus"), texts[2]);
    QCOMPARE(LabelText(s.window, "lbllevel"), texts[3]);
    QCOMPARE(s.window.findChild<QComboBox*>(QStringLiteral("Combo1"))->currentText(), texts[3]);
    CreateOptionsForm options(s.window.Context().random);
    QCOMPARE(options.findChild<QComboBox*>(QStringLiteral("cboGrade"))->itemText(3), texts[4]);
    MessageAnswerer answers;
    Click(s.window, "cmdverify");
    QCOMPARE(LabelText(s.window, "lblstatus"), texts[5]);
    // The first shipped puzzle's first hint points at row 8, column 1.
    Action(s.window, "mnuhint")->trigger();
    QCOMPARE(LabelText(s.window, "lblstatus"), texts[6]);
    QCOMPARE(answers.seen.value(0), texts[6]);
    s.window.Context().state.UserEntry[1][1] = "5";
    Action(s.window, "mnuoptsave")->trigger();
    s.window.close();
    // Settings and kept entries are written byte for byte the same (each
    // run has a folder of its own).
    const QByteArray files = QByteArray(s.folder.Read("kalvero.cfg") + '\0' + s.folder.Read("unfinished.dat"))
                                 .replace(s.folder.dir.path().toUtf8(), "");
    QCOMPARE(HelpPageFor(ProgramFolder(), QLocale(language), QStringLiteral("kalvero.htm")).section(QLatin1Char('/'), -1),
             texts[7]);
    if (language == QLatin1String("en")) englishFiles_ = files;
    QVERIFY(!englishFiles_.isEmpty());
    QCOMPARE(files, englishFiles_);
  }
};

QTEST_MAIN(LanguageTest)
#include "test_language.moc"
