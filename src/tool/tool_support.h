#pragma once
// Small helpers shared by the tool's command families.
#include <string>
#include <vector>

namespace kalvero::tool {

// Parses a whole decimal number within [lo, hi]: digits only, no sign or
// blanks; false for anything else.
bool ParseNumber(const std::string& text, unsigned long long lo, unsigned long long hi, unsigned long long& value);

// Median of a list of measurements (0 for none; the mean of the middle two
// for an even count).
double Median(std::vector<double> values);

}  // namespace kalvero::tool
