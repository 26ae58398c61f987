// The random puzzle number, the answer to "which puzzle?" and the
// recent-files list. The buttons' arithmetic is checked from the window.
#include <QtTest>

#include "model/navigation.h"
#include "model/recent_files.h"

using namespace kalvero;

Q_DECLARE_METATYPE(AnswerKind)
Q_DECLARE_METATYPE(RecentFiles)

namespace {
RecentFiles Listed(std::initializer_list<const char*> captions) {
  RecentFiles recent;
  int i = 0;
  for (const char* caption : captions) {
    recent.caption[i] = caption;
    recent.visible[i] = !QByteArray(caption).trimmed().isEmpty();
    ++i;
  }
  recent.separatorVisible = std::find(recent.visible.begin(), recent.visible.end(), true) != recent.visible.end();
  return recent;
}
QStringList Shown(const RecentFiles& recent) {
  QStringList shown;
  for (int i = 0; i < kRecentFileCount; ++i)
    if (recent.visible[i]) shown << QString::fromStdString(recent.caption[i]);
  return shown;
}
}  // namespace

class NavigationTest : public QObject {
  Q_OBJECT
 private slots:
  void randomNumberCoversTheFile_data() {
    QTest::addColumn<double>("draw");
    QTest::addColumn<int>("number");
    QTest::newRow("lowest draw") << 0.0 << 1;
    QTest::newRow("highest draw") << 0.9999999999 << 10;
  }
  void randomNumberCoversTheFile() {
    QFETCH(double, draw);
    QFETCH(int, number);
    QCOMPARE(RandomPuzzleNumber(draw, 10), number);
  }

  void answer_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<AnswerKind>("kind");
    QTest::addColumn<int>("number");
    QTest::newRow("2.5 rounds to even") << "2.5" << AnswerKind::Chosen << 2;
    QTest::newRow("leading digits of a text") << " 3rd" << AnswerKind::Chosen << 3;
    QTest::newRow("0.4 rounds to zero and ends") << "0.4" << AnswerKind::End << 0;
    QTest::newRow("text ends") << "abc" << AnswerKind::End << 0;
    QTest::newRow("negative asks again") << "-2" << AnswerKind::AskAgain << 0;
    QTest::newRow("huge asks again") << "99999999999999999999999" << AnswerKind::AskAgain << 0;
  }
  void answer() {
    QFETCH(QString, answer);
    QFETCH(AnswerKind, kind);
    QFETCH(int, number);
    const NumberAnswer a = ReadNumberAnswer(answer.toStdString(), 5);
    QCOMPARE(a.kind, kind);
    QCOMPARE(a.number, number);
  }

  void addRecentFile_data() {
    QTest::addColumn<RecentFiles>("before");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QStringList>("after");
    QTest::newRow("first file") << Listed({" ", " ", " ", " ", " "}) << "/p/a.txt" << QStringList{"/p/a.txt"};
    QTest::newRow("new file goes first") << Listed({"/b", "/c"}) << "/a" << QStringList{"/a", "/b", "/c"};
    QTest::newRow("listed file keeps the order") << Listed({"/b", "/c", "/a"}) << "/a"
                                                 << QStringList{"/b", "/c", "/a"};
    QTest::newRow("match is case-sensitive") << Listed({"/b", "/A"}) << "/a" << QStringList{"/a", "/b", "/A"};
    QTest::newRow("sixth file drops the oldest") << Listed({"/5", "/4", "/3", "/2", "/1"}) << "/6"
                                                 << QStringList{"/6", "/5", "/4", "/3", "/2"};
    QTest::newRow("blank entries between are closed up") << Listed({"/b", "", "/c", "", ""}) << "/a"
                                                         << QStringList{"/a", "/b", "/c"};
  }
  void addRecentFile() {
    QFETCH(RecentFiles, before);
    QFETCH(QString, path);
    QFETCH(QStringList, after);
    RecentFiles recent = before;
    QCOMPARE(AddRecentFile(recent, path.toStdString()), Shown(before) != after);
    QCOMPARE(Shown(recent), after);
    QVERIFY(recent.separatorVisible);
    for (int i = 0; i < after.size(); ++i) QVERIFY(recent.visible[i]);
  }
};

QTEST_APPLESS_MAIN(NavigationTest)
#include "test_navigation.moc"
