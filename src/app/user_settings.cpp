#include "app/user_settings.h"

#include <QSettings>
#include <array>

namespace kalvero {

namespace {

const QString kGradeKey = QStringLiteral("creation/grade");
const QString kAnyGrade = QStringLiteral("any");

struct HighlightKey {
  const char* key;
  bool HighlightOptions::*option;
};
constexpr std::array<HighlightKey, 3> kHighlightKeys = {{
    {"board/sameDigit", &HighlightOptions::sameDigit},
    {"board/sameDigitLines", &HighlightOptions::sameDigitLines},
    {"board/mistakes", &HighlightOptions::mistakes},
}};

}  // namespace

HighlightOptions UserSettings::Highlights() const {
  const QSettings file(fileName_, QSettings::IniFormat);
  HighlightOptions options;
  for (const HighlightKey& k : kHighlightKeys)
    options.*k.option = file.value(QLatin1String(k.key), options.*k.option).toBool();
  return options;
}

bool UserSettings::SetHighlights(const HighlightOptions& options) const {
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
