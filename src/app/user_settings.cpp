#include "app/user_settings.h"

#include <QSettings>
#include <array>

namespace kalvero {

namespace {

const QString kGradeKey = QStringLiteral("creation/grade");
const QString kAnyGrade = QStringLiteral("any");

struct HighlightKey {
  const char* key;
  bool PlayerAids::*option;
};
constexpr std::array<HighlightKey, 4> kHighlightKeys = {{
    {"board/sameDigit", &PlayerAids::sameDigit},
    {"board/sameDigitLines", &PlayerAids::sameDigitLines},
    {"board/mistakes", &PlayerAids::mistakes},
    {"board/timer", &PlayerAids::timer},
}};
const QString kKeptPuzzleKey = QStringLiteral("resume/puzzle");
const QString kKeptTimeKey = QStringLiteral("resume/elapsed");

}  // namespace

PlayerAids UserSettings::Highlights() const {
  const QSettings file(fileName_, QSettings::IniFormat);
  PlayerAids options;
  for (const HighlightKey& k : kHighlightKeys)
    options.*k.option = file.value(QLatin1String(k.key), options.*k.option).toBool();
  return options;
}

std::optional<std::int64_t> UserSettings::KeptTime(const std::string& puzzleLine) const {
  const QSettings file(fileName_, QSettings::IniFormat);
  if (file.value(kKeptPuzzleKey).toString().toStdString() != puzzleLine) return std::nullopt;
  bool ok = false;
  const qlonglong ms = file.value(kKeptTimeKey).toLongLong(&ok);
  if (!ok || ms < 0) return std::nullopt;
  return ms;
}

bool UserSettings::SetKeptTime(const std::string& puzzleLine, std::int64_t elapsed) const {
  QSettings file(fileName_, QSettings::IniFormat);
  file.setValue(kKeptPuzzleKey, QString::fromStdString(puzzleLine));
  file.setValue(kKeptTimeKey, static_cast<qlonglong>(elapsed));
  file.sync();
  return file.status() == QSettings::NoError;
}

bool UserSettings::SetHighlights(const PlayerAids& options) const {
  QSettings file(fileName_, QSettings::IniFormat);
  for (const HighlightKey& k : kHighlightKeys) file.setValue(QLatin1String(k.key), options.*k.option);
  file.sync();
  return file.status() == QSettings::NoError;
}

std::optional<Grade> UserSettings::CreationGrade() const {
  const QSettings file(fileName_, QSettings::IniFormat);
  return GradeNamed(file.value(kGradeKey, kAnyGrade).toString().toStdString());
}

bool UserSettings::SetCreationGrade(std::optional<Grade> grade) const {
  QSettings file(fileName_, QSettings::IniFormat);
  file.setValue(kGradeKey, grade ? QString::fromLatin1(InfoOf(*grade).word) : kAnyGrade);
  file.sync();
  return file.status() == QSettings::NoError;
}

}  // namespace kalvero
