#include "model/config.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <sstream>

#include "model/posix_file.h"
#include "model/text.h"

namespace kalvero {

namespace {

// Reads the configuration text field by field, the way the program's
// sequential file input does: numbers and text fields are delimited by
// blanks/commas/line ends, whole lines by line ends.
class FieldReader {
 public:
  explicit FieldReader(std::string text) : text_(std::move(text)) {}

  // A number field; nullopt at the end of the file or for a field that is
  // not a number.
  std::optional<double> Number() {
    SkipBlanksAndLineEnds();
    if (AtEnd()) return std::nullopt;
    const std::size_t start = pos_;
    while (!AtEnd() && !IsBlank(Peek()) && Peek() != ',' && !IsLineEnd(Peek())) ++pos_;
    const std::string_view field(text_.data() + start, pos_ - start);
    FinishField();
    if (!IsNumber(field)) return std::nullopt;
    return NumericValue(field);
  }

  // A text field: leading blanks dropped, read up to the first comma or the
  // line end. The rest of the line after a comma is dropped, so the next
  // field starts on the next line as the file's layout intends.
  std::optional<std::string> TextField() {
    while (!AtEnd() && IsBlank(Peek())) ++pos_;
    if (AtEnd()) return std::nullopt;
    const std::size_t start = pos_;
    while (!AtEnd() && Peek() != ',' && !IsLineEnd(Peek())) ++pos_;
    std::string field = text_.substr(start, pos_ - start);
    SkipRestOfLine();
    while (!field.empty() && IsBlank(field.back())) field.pop_back();
    return field;
  }

  // A whole line without its line end; nullopt at the end of the file.
  std::optional<std::string> Line() {
    if (AtEnd()) return std::nullopt;
    const std::size_t start = pos_;
    while (!AtEnd() && !IsLineEnd(Peek())) ++pos_;
    std::string line = text_.substr(start, pos_ - start);
    SkipLineEnd();
    return line;
  }

 private:
  static bool IsBlank(char ch) { return ch == ' ' || ch == '\t'; }
  static bool IsLineEnd(char ch) { return ch == '\r' || ch == '\n'; }
  static bool IsNumber(std::string_view field) {
    if (!field.empty() && (field[0] == '-' || field[0] == '+')) field.remove_prefix(1);
    bool digits = false, dot = false;
    for (char ch : field) {
      if (ch >= '0' && ch <= '9') digits = true;
      else if (ch == '.' && !dot) dot = true;
      else return false;
    }
    return digits;
  }
  bool AtEnd() const { return pos_ >= text_.size(); }
  char Peek() const { return text_[pos_]; }
  void SkipBlanksAndLineEnds() {
    while (!AtEnd() && (IsBlank(Peek()) || IsLineEnd(Peek()))) ++pos_;
  }
  void SkipLineEnd() {
    if (!AtEnd() && Peek() == '\r') ++pos_;
    if (!AtEnd() && Peek() == '\n') ++pos_;
  }
  void SkipRestOfLine() {
    while (!AtEnd() && !IsLineEnd(Peek())) ++pos_;
    SkipLineEnd();
  }
  // After a number: trailing blanks, then one comma or one line end.
  void FinishField() {
    while (!AtEnd() && IsBlank(Peek())) ++pos_;
    if (!AtEnd() && Peek() == ',') ++pos_;
    else SkipLineEnd();
  }

  std::string text_;
  std::size_t pos_ = 0;
};

// A number as the configuration file stores it: blank, digits, blank.
std::string ConfigNumber(long long value) { return NumberText(value) + " "; }

std::int32_t ToInt(double value) {
  const double clamped = std::clamp(value, -2147483648.0, 2147483647.0);
  return static_cast<std::int32_t>(RoundHalfEven(clamped));
}

Colour ToColour(double value) { return static_cast<Colour>(std::clamp<long long>(RoundHalfEven(value), 0, 0xFFFFFF)); }

}  // namespace

Settings DefaultSettings() {
  Settings s;
  s.SchemeFile = "xp.col";
  s.PlacementLimit = 200;
  s.RuleOrder = "23456789";
  s.SpareText1 = s.SpareText2 = "Arial";
  s.SpareNumber = 12;
  s.SchemeColour13 = 0;
  s.PuzzleNumber = 1;
  s.GridColour = s.NumbersColour = kBlack;
  s.PencilTooltip = 0;
  s.PrinterLineSize = 8;
  s.SumAreaTooltip = 1;
  s.PencilColour = kBlack;
  s.PuzzleFileName = "puzzles.txt";
  return s;
}

namespace {

// Far more than any configuration; a larger file is not one.
constexpr std::size_t kConfigMaxBytes = 1 << 20;

bool ParseConfig(const std::string& text, Settings& s) {
  FieldReader reader{text};

  const auto limit = reader.Number();
  if (!limit) return false;
  s.PlacementLimit = ToInt(*limit);
  const auto spare1 = reader.Line();
  if (!spare1) return false;
  s.SpareText1 = *spare1;
  const auto spare2 = reader.Line();
  if (!spare2) return false;
  s.SpareText2 = *spare2;

  std::array<double, 9> numbers{};
  for (double& n : numbers) {
    const auto value = reader.Number();
    if (!value) return false;
    n = *value;
  }
  s.SpareNumber = ToInt(numbers[0]);
  s.SchemeColour13 = ToColour(numbers[1]);
  s.PuzzleNumber = ToInt(numbers[2]);
  s.GridColour = ToColour(numbers[3]);
  s.NumbersColour = ToColour(numbers[4]);
  s.PencilTooltip = ToInt(numbers[5]);
  s.PrinterLineSize = ToInt(numbers[6]);
  s.SumAreaTooltip = ToInt(numbers[7]);
  s.PencilColour = ToColour(numbers[8]);

  const auto scheme = reader.TextField();
  if (!scheme) return false;
  s.SchemeFile = *scheme;
  const auto puzzleFile = reader.TextField();
  if (!puzzleFile) return false;
  s.PuzzleFileName = *puzzleFile;

  int count = -1;
  for (int i = 0; i < kRecentFileCount; ++i) {
    const auto line = reader.Line();
    if (!line) return false;
    if (!TrimBlanks(*line).empty()) {
      ++count;
      s.recent.caption[i] = *line;
      s.recent.visible[i] = true;
    } else {
      s.recent.visible[i] = false;
    }
  }
  s.recent.separatorVisible = count > -1;
  return true;
}

}  // namespace

ConfigStatus ReadConfig(const std::string& path, Settings& s, int& error) {
  std::string text;
  if (!ReadRegularFile(path, text, error, kConfigMaxBytes)) {
    if (error == ENOENT) return ConfigStatus::Missing;
    return error == EFBIG ? ConfigStatus::Malformed : ConfigStatus::Unreadable;
  }
  return ParseConfig(text, s) ? ConfigStatus::Loaded : ConfigStatus::Malformed;
}

bool LoadConfig(const std::string& path, Settings& s) {
  int error = 0;
  return ReadConfig(path, s, error) == ConfigStatus::Loaded;
}

std::string KeepBadConfig(const std::string& path) {
  namespace fs = std::filesystem;
  std::error_code ec;
  if (!fs::is_regular_file(path, ec)) return {};
  // Copying never replaces: a name already taken fails and the next is tried.
  constexpr int kMostKeptCopies = 1000;
  for (int n = 0; n < kMostKeptCopies; ++n) {
    const std::string copy = path + ".bad" + (n == 0 ? std::string() : "." + std::to_string(n));
    if (fs::exists(fs::symlink_status(copy, ec))) continue;
    if (fs::copy_file(path, copy, fs::copy_options::none, ec) && !ec) return copy;
    if (ec != std::errc::file_exists) return {};
  }
  return {};
}

std::string ConfigText(const Settings& s) {
  std::string text;
  text += ConfigNumber(s.PlacementLimit) + "\r\n";
  text += s.SpareText1 + "\r\n";
  text += s.SpareText2 + "\r\n";
  for (long long n : {static_cast<long long>(s.SpareNumber), static_cast<long long>(s.SchemeColour13),
                      static_cast<long long>(s.PuzzleNumber), static_cast<long long>(s.GridColour),
                      static_cast<long long>(s.NumbersColour), static_cast<long long>(s.PencilTooltip),
                      static_cast<long long>(s.PrinterLineSize), static_cast<long long>(s.SumAreaTooltip),
                      static_cast<long long>(s.PencilColour)})
    text += ConfigNumber(n);
  text += "\r\n";
  text += s.SchemeFile + "\r\n";
  text += s.PuzzleFileName + "\r\n";
  for (const auto& caption : s.recent.caption) text += caption + "\r\n";
  return text;
}

std::string DefaultConfigText() {
  Settings s = DefaultSettings();
  s.recent.caption.fill(" ");
  return ConfigText(s);
}


}  // namespace kalvero
