#include "app/user_settings.h"

#include <QSettings>

namespace kalvero {

namespace {

const QString kGradeKey = QStringLiteral("creation/grade");
const QString kAnyGrade = QStringLiteral("any");

}  // namespace

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
