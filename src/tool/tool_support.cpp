#include "tool/tool_support.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <ostream>

#include "model/posix_file.h"
#include "tool/commands.h"

namespace kalvero::tool {

bool ParseNumber(const std::string& text, unsigned long long lo, unsigned long long hi, unsigned long long& value) {
  if (text.empty() || text[0] < '0' || text[0] > '9') return false;
  char* end = nullptr;
  errno = 0;
  value = std::strtoull(text.c_str(), &end, 10);
  // The whole text must be the number: strtoull stops at a NUL inside it.
  return end == text.c_str() + text.size() && errno == 0 && value >= lo && value <= hi;
}

namespace {

// "error: cannot VERB WHAT: reason", or "error: WHAT is not a regular file".
int FileFailure(const char* verb, const std::string& what, int error, std::ostream& err) {
  if (error == kNotRegularFile)
    err << "error: " << what << " is not a regular file\n";
  else
    err << "error: cannot " << verb << ' ' << what << ": " << FileErrorText(error) << '\n';
  return kExitInput;
}

}  // namespace

int ReadFailure(const std::string& path, int error, std::ostream& err) { return FileFailure("read", path, error, err); }

int WriteFailure(const std::string& what, int error, std::ostream& err) {
  return FileFailure("write", what, error, err);
}

int OutputFailure(std::ostream& err) { return WriteFailure("standard output", errno, err); }

double Median(std::vector<double> values) {
  if (values.empty()) return 0;
  const auto mid = values.begin() + static_cast<std::ptrdiff_t>(values.size() / 2);
  std::nth_element(values.begin(), mid, values.end());
  if (values.size() % 2) return *mid;
  return (*mid + *std::max_element(values.begin(), mid)) / 2;
}

}  // namespace kalvero::tool
