#pragma once
// Boards shared by the tests of several folders.

namespace kalvero::test {

// A valid solved grid, row-major: each row is the one above shifted by three
// (by one more at every band), so it reads at a glance.
inline constexpr const char* kSolvedGrid =
    "123456789456789123789123456234567891567891234891234567345678912678912345912345678";

}  // namespace kalvero::test
