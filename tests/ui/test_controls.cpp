// BoxControl's mouse-button reporting and FNDialog's file-dialog contract.
#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include "ui/box_control.h"
#include "ui/fn_dialog.h"

using kalvero::BoxControl;
using kalvero::FileDialogRequest;
using kalvero::FNDialog;

class TestControls : public QObject {
  Q_OBJECT

 private slots:
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

  void fileDialogMode_data() {
    QTest::addColumn<QString>("mode");
    QTest::addColumn<bool>("save");
    QTest::newRow("save lower case") << "save" << true;
    QTest::newRow("SAVE") << "SAVE" << true;
    QTest::newRow("Save") << "Save" << true;
    QTest::newRow("empty opens") << "" << false;
    QTest::newRow("OPEN") << "OPEN" << false;
    QTest::newRow("anything else opens") << "saveas" << false;
  }

  void fileDialogMode() {
    QFETCH(QString, mode);
    QFETCH(bool, save);
    QWidget window;
    FNDialog dialog(&window);
    dialog.SetFileTypes(QStringLiteral("*.txt"));
    dialog.SetFileTypesName(QStringLiteral("Kalvero Files"));
    dialog.SetTitle(QStringLiteral("Open puzzle file"));
    dialog.SetDefaultDir(QStringLiteral("/data/puzzles"));
    FileDialogRequest seen;
    dialog.SetDialogRunner([&seen](const FileDialogRequest& request) {
      seen = request;
      return QStringLiteral("/data/puzzles/new.txt");
    });

    QCOMPARE(dialog.GetFileName(mode, QStringLiteral("new.txt")), QStringLiteral("/data/puzzles/new.txt"));
    QCOMPARE(seen.save, save);
    QCOMPARE(seen.filter, QStringLiteral("Kalvero Files (*.txt)"));
    QCOMPARE(seen.title, QStringLiteral("Open puzzle file"));
    QCOMPARE(seen.startPath, QStringLiteral("/data/puzzles/new.txt"));
    QCOMPARE(seen.owner, &window);
    QCOMPARE(dialog.Caption(), QStringLiteral("..."));
  }

  // Whatever the dialog does to the working folder, the caller gets its
  // own back; the answer is trimmed and cut at a NUL.
  void fileDialogResult_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QString>("result");
    QTest::newRow("cancel") << "" << "";
    QTest::newRow("trimmed") << "  /tmp/a b.txt  " << "/tmp/a b.txt";
    QTest::newRow("cut at NUL") << QStringLiteral("/tmp/x.txt") + QChar(0) + QStringLiteral("junk") << "/tmp/x.txt";
  }

  void fileDialogResult() {
    QFETCH(QString, answer);
    QFETCH(QString, result);
    QTemporaryDir elsewhere;
    QVERIFY(elsewhere.isValid());
    const QString before = QDir::currentPath();
    FNDialog dialog;
    dialog.SetDefaultDir(QStringLiteral("/tmp"));
    QString startPath;
    dialog.SetDialogRunner([&](const FileDialogRequest& request) {
      startPath = request.startPath;
      QDir::setCurrent(elsewhere.path());
      return answer;
    });
    QCOMPARE(dialog.GetFileName(QStringLiteral("open")), result);
    QCOMPARE(QDir::currentPath(), before);
    QCOMPARE(startPath, QStringLiteral("/tmp/"));
  }
};

QTEST_MAIN(TestControls)
#include "test_controls.moc"
