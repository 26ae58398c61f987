#pragma once
// Small helpers shared by the tool's command families.
#include <iosfwd>
#include <string>
#include <vector>

namespace kalvero::tool {

// Parses a whole decimal number within [lo, hi]: digits only, no sign or
// blanks; false for anything else.
bool ParseNumber(const std::string& text, unsigned long long lo, unsigned long long hi, unsigned long long& value);

// "error: cannot read PATH: reason" for the errno `error` on err; returns
// the input failure exit code.
int ReadFailure(const std::string& path, int error, std::ostream& err);

// "error: cannot write WHAT: reason" for the errno `error` on err; returns
// the input failure exit code (a write failure is a failure of the file).
int WriteFailure(const std::string& what, int error, std::ostream& err);

// WriteFailure for standard output, with the errno of the write that has
// just failed.
int OutputFailure(std::ostream& err);

// Median of a list of measurements (0 for none; the mean of the middle two
// for an even count).
double Median(std::vector<double> values);

}  // namespace kalvero::tool
