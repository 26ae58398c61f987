// BoxControl's mouse-button reporting, FNDialog's file-dialog contract and
// FittedLabel's cutting.
#include <QDir>
#include <QFileDialog>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "ui/box_control.h"
#include "ui/fitted_label.h"
#include "ui/fn_dialog.h"

using kalvero::BoxControl;
using kalvero::FileDialogRequest;
using kalvero::FNDialog;

class TestControls : public QObject {
  Q_OBJECT

 private slots:
  // A text too long for the label is cut with "…" and whole in the tooltip
  // (and the accessible description, when the label tells everywhere); a
  // wider label shows it whole again.
  void fittedLabel_data() {
    QTest::addColumn<bool>("wrap");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("cut");
    QTest::newRow("one line, fits") << false << "p# 1 of 90" << false;
    QTest::newRow("one line, too long") << false << "p# 1 of 1000080 and more" << true;
    QTest::newRow("wrapped, fits") << true << "Puzzle read" << false;
    QTest::newRow("wrapped, too long") << true << QString("Clue 10 above column 1: only 1+2+7 fits ").repeated(6) << true;
  }
  void fittedLabel() {
    QFETCH(bool, wrap);
    QFETCH(QString, text);
    QFETCH(bool, cut);
    kalvero::FittedLabel label(kalvero::FittedLabel::Telling::WholeTextEverywhere);
    label.setWordWrap(wrap);
    label.show();
    label.resize(label.fontMetrics().horizontalAdvance(QStringLiteral("p# 1 of 90 ")), 3 * label.fontMetrics().height());
    label.SetFullText(text);
    QCOMPARE(label.Cut(), cut);
    QCOMPARE(label.text().endsWith(QStringLiteral("\u2026")), cut);
    QCOMPARE(label.toolTip(), cut ? text : QString());
    QCOMPARE(label.accessibleDescription(), text);
    label.resize(label.fontMetrics().horizontalAdvance(text) + 10, 3 * label.fontMetrics().height());
    QCOMPARE(label.text(), text);
  }

  void mouseButtons_data() {
    QTest::addColumn<Qt::MouseButton>("mouse");
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    QTest::addColumn<bool>("releaseInside");
    QTest::addColumn<int>("reported");
    QTest::addColumn<int>("clicks");
    QTest::newRow("left") << Qt::LeftButton << Qt::KeyboardModifiers() << true << 1 << 1;
    QTest::newRow("right is the alternative, never a click")
        << Qt::RightButton << Qt::KeyboardModifiers() << true << 2 << 0;
    QTest::newRow("shift right") << Qt::RightButton << Qt::KeyboardModifiers(Qt::ShiftModifier) << true << 2 << 0;
    QTest::newRow("middle") << Qt::MiddleButton << Qt::KeyboardModifiers() << true << 4 << 0;
    QTest::newRow("left dragged off") << Qt::LeftButton << Qt::KeyboardModifiers() << false << 1 << 0;
  }

  void mouseButtons() {
    QFETCH(Qt::MouseButton, mouse);
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QFETCH(bool, releaseInside);
    QFETCH(int, reported);
    QFETCH(int, clicks);

    QWidget window;
    BoxControl button(QStringLiteral("Load"), &window);
    button.setGeometry(10, 10, 80, 30);
    window.resize(200, 100);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QSignalSpy downs(&button, &BoxControl::mouseDown);
    QSignalSpy ups(&button, &BoxControl::mouseUp);
    QSignalSpy clicked(&button, &BoxControl::clicked);

    QTest::mousePress(&button, mouse, modifiers, QPoint(40, 15));
    QCOMPARE(button.IsDown(), mouse != Qt::MiddleButton);
    QTest::mouseRelease(&button, mouse, modifiers, releaseInside ? QPoint(40, 15) : QPoint(150, 60));
    QVERIFY(!button.IsDown());

    QCOMPARE(downs.count(), 1);
    QCOMPARE(downs.at(0).at(0).toInt(), reported);
    QCOMPARE(ups.count(), 1);
    QCOMPARE(ups.at(0).at(0).toInt(), reported);
    QCOMPARE(ups.at(0).at(1).value<Qt::KeyboardModifiers>(), modifiers);
    QCOMPARE(clicked.count(), clicks);
  }

  void keys() {
    QWidget window;
    BoxControl button(QStringLiteral("Apply"), &window);
    window.show();
    QSignalSpy clicked(&button, &BoxControl::clicked);
    QSignalSpy keyDowns(&button, &BoxControl::keyDown);

    QTest::keyPress(&button, Qt::Key_Space);
    QVERIFY(button.IsDown());
    QTest::keyRelease(&button, Qt::Key_Space);
    QVERIFY(!button.IsDown());
    QCOMPARE(clicked.count(), 1);

    QTest::keyClick(&button, Qt::Key_A);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(keyDowns.count(), 2);
    QCOMPARE(keyDowns.at(1).at(0).toInt(), int(Qt::Key_A));
  }

  // The request the dialog runner gets (save only for "save" in any case),
  // and the answer trimmed and cut at a NUL; whatever the dialog does to the
  // working folder, the caller gets its own back.
  void fileDialog_data() {
    QTest::addColumn<QString>("mode");
    QTest::addColumn<bool>("save");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("result");
    const QString file = QStringLiteral("/data/puzzles/new.txt");
    QTest::newRow("save lower case") << "save" << true << file << file;
    QTest::newRow("SAVE") << "SAVE" << true << file << file;
    QTest::newRow("empty opens") << "" << false << file << file;
    QTest::newRow("anything else opens") << "saveas" << false << file << file;
    QTest::newRow("cancel") << "open" << false << "" << "";
    QTest::newRow("trimmed") << "open" << false << "  /tmp/a b.txt  " << "/tmp/a b.txt";
    QTest::newRow("cut at NUL") << "open" << false << QStringLiteral("/tmp/x.txt") + QChar(0) + QStringLiteral("junk")
                                << "/tmp/x.txt";
  }

  void fileDialog() {
    QFETCH(QString, mode);
    QFETCH(bool, save);
    QFETCH(QString, answer);
    QFETCH(QString, result);
    QTemporaryDir elsewhere;
    const QString before = QDir::currentPath();
    QWidget window;
    FNDialog dialog(&window);
    dialog.SetFileTypes(QStringLiteral("*.txt"));
    dialog.SetFileTypesName(QStringLiteral("Kalvero Files"));
    dialog.SetTitle(QStringLiteral("Open puzzle file"));
    dialog.SetDefaultDir(QStringLiteral("/data/puzzles"));
    FileDialogRequest seen;
    dialog.SetDialogRunner([&](const FileDialogRequest& request) {
      seen = request;
      QDir::setCurrent(elsewhere.path());
      return answer;
    });
    QCOMPARE(dialog.GetFileName(mode, QStringLiteral("new.txt")), result);
    QCOMPARE(QDir::currentPath(), before);
    QCOMPARE(seen.save, save);
    QCOMPARE(seen.filter, QStringLiteral("Kalvero Files (*.txt)"));
    QCOMPARE(seen.title, QStringLiteral("Open puzzle file"));
    QCOMPARE(seen.startPath, QStringLiteral("/data/puzzles/new.txt"));
    QCOMPARE(seen.owner, &window);
    QCOMPARE(dialog.Caption(), QStringLiteral("..."));
  }

  // Without a default name the dialog starts in the default folder.
  void fileDialogStartsInTheDefaultFolder() {
    FNDialog dialog;
    dialog.SetDefaultDir(QStringLiteral("/tmp"));
    QString startPath;
    dialog.SetDialogRunner([&](const FileDialogRequest& request) {
      startPath = request.startPath;
      return QString();
    });
    dialog.GetFileName(QStringLiteral("open"));
    QCOMPARE(startPath, QStringLiteral("/tmp/"));
  }

  // Files chosen to save into are appended to: the system's save dialog
  // must not ask whether to replace one.
  void saveDialogAsksNoReplaceQuestion() {
    bool confirms = true;
    QTimer::singleShot(0, [&] {
      auto* shown = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      QVERIFY(shown);
      confirms = !shown->testOption(QFileDialog::DontConfirmOverwrite);
      shown->reject();
    });
    kalvero::FileDialogRequest request;
    request.save = true;
    QVERIFY(kalvero::RunSystemFileDialog(request).isEmpty());
    QVERIFY(!confirms);
  }
};

QTEST_MAIN(TestControls)
#include "test_controls.moc"
