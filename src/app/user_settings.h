#pragma once
// Settings that kalvero.cfg does not hold (the creation grade, the board's
// highlights), kept per user in an INI file beside it. kalvero.cfg keeps its
// format byte for byte, so earlier versions read and write it as before, and
// they ignore this file.
#include <QString>
#include <optional>

#include "hint/grade.h"
#include "play/highlights.h"

namespace kalvero {

class UserSettings {
 public:
  explicit UserSettings(QString fileName) : fileName_(std::move(fileName)) {}

  // The grade creations keep; none for any grade (the default).
  std::optional<Grade> CreationGrade() const;
  // False when the file could not be written.
  bool SetCreationGrade(std::optional<Grade> grade) const;

  // The board's highlights; the defaults when the file has none.
  HighlightOptions Highlights() const;
  bool SetHighlights(const HighlightOptions& options) const;

 private:
  QString fileName_;
};

}  // namespace kalvero
