#pragma once
// Settings that kalvero.cfg does not hold (the creation grade, the board's
// highlights), kept per user in an INI file beside it. kalvero.cfg keeps its
// format byte for byte, so earlier versions read and write it as before, and
// they ignore this file.
#include <QString>
#include <cstdint>
#include <optional>
#include <string>

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

  // The player's aids; the defaults when the file has none.
  PlayerAids Highlights() const;
  bool SetHighlights(const PlayerAids& options) const;

  // The play time kept at the end of a run, for the puzzle it belongs to
  // (its line); none for another puzzle.
  std::optional<std::int64_t> KeptTime(const std::string& puzzleLine) const;
  bool SetKeptTime(const std::string& puzzleLine, std::int64_t elapsed) const;

 private:
  QString fileName_;
};

}  // namespace kalvero
