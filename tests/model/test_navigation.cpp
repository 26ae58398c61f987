// The navigation buttons, the random puzzle number, the answer to "which
// puzzle?" and the recent-files list.
#include <QtTest>

#include "model/navigation.h"
#include "model/recent_files.h"

using namespace kalvero;

namespace {
// A list as the configuration file gives it: blank captions hidden.
RecentFiles Listed(std::initializer_list<const char*> captions) {
  RecentFiles recent;
  std::copy(captions.begin(), captions.end(), recent.caption.begin());
  for (int i = 0; i < kRecentFileCount; ++i)
    recent.visible[i] = !QByteArray::fromStdString(recent.caption[i]).trimmed().isEmpty();
  recent.separatorVisible = recent.visible[0];
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
  // On puzzle p of 5 a left click steps, wrapping round at either end, a
  // right click goes to the first or the last; one puzzle gives no step.
  // The random number spans the whole file.
  void buttons() {
    using B = NavButton;
    using A = NavAction;
    const auto L = MouseButton::Left, R = MouseButton::Right;
    struct Row { B button; MouseButton mouse; int current, count; A action; int number; };
    const Row rows[] = {{B::Next, L, 5, 5, A::Show, 1}, {B::Previous, L, 1, 5, A::Show, 5}, {B::Next, L, 2, 5, A::Show, 3},
                        {B::Previous, L, 4, 5, A::Show, 3}, {B::Previous, R, 3, 5, A::Show, 1}, {B::Next, R, 3, 5, A::Show, 5},
                        {B::Random, L, 3, 5, A::ShowRandom, 0}, {B::Random, R, 3, 5, A::AskNumber, 0}, {B::Next, L, 1, 1, A::None, 0}};
    for (const Row& row : rows) {
      const NavStep step = NavigationStep(row.button, row.mouse, row.current, row.count);
      QVERIFY2(step.action == row.action && step.number == row.number,
               qPrintable(QStringLiteral("button %1, puzzle %2 of %3").arg(int(row.button)).arg(row.current).arg(row.count)));
    }
    QCOMPARE(RandomPuzzleNumber(0.0, 10), 1);
    QCOMPARE(RandomPuzzleNumber(0.9999999999, 10), 10);
  }

  // Asked with 5 puzzles: rounded halves to even, leading digits of a text.
  void answer() {
    struct Row { const char* text; AnswerKind kind; int number; };
    using K = AnswerKind;
    const Row rows[] = {{"2.5", K::Chosen, 2}, {" 3rd", K::Chosen, 3}, {"0.4", K::End, 0},
                        {"abc", K::End, 0},    {"-2", K::AskAgain, 0}, {"99999999999999999999999", K::AskAgain, 0}};
    for (const Row& row : rows) {
      const NumberAnswer a = ReadNumberAnswer(row.text, 5);
      QVERIFY2(a.kind == row.kind && a.number == row.number, row.text);
    }
  }

  // A new file goes first, the oldest of five dropping off; a listed one
  // (matched case-sensitively) leaves the list as it was; blanks between
  // entries close up. The separator shows after any addition.
  void addRecentFile() {
    struct Row { RecentFiles before; const char* path; QStringList after; };
    const Row rows[] = {{Listed({" ", " ", " ", " ", " "}), "/p/a.txt", {"/p/a.txt"}},
                        {Listed({"/b", "/c"}), "/a", {"/a", "/b", "/c"}},
                        {Listed({"/b", "/c", "/a"}), "/a", {"/b", "/c", "/a"}},
                        {Listed({"/b", "/A"}), "/a", {"/a", "/b", "/A"}},
                        {Listed({"/5", "/4", "/3", "/2", "/1"}), "/6", {"/6", "/5", "/4", "/3", "/2"}},
                        {Listed({"/b", "", "/c", "", ""}), "/a", {"/a", "/b", "/c"}}};
    for (const Row& row : rows) {
      RecentFiles recent = row.before;
      QCOMPARE(AddRecentFile(recent, row.path), Shown(row.before) != row.after);
      QCOMPARE(Shown(recent), row.after);
      QVERIFY(recent.separatorVisible);
      for (int i = 0; i < row.after.size(); ++i) QVERIFY(recent.visible[i]);
    }
  }
};

QTEST_APPLESS_MAIN(NavigationTest)
#include "test_navigation.moc"
