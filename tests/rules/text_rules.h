#pragma once
// A second, deliberately plain formulation of rules 1 to 9 and FilterTriple:
// candidate sets and working values as digit texts, every step taken
// literally (lists built as texts, buckets as lists of keyed texts, rule 9's
// pattern list as texts). The engine's bit-set rules must agree with it on
// every board; the differential tests compare the two.
#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "model/board.h"

namespace kalvero::test {

struct TextBoard {
  std::array<std::string, 82> cand;
  std::array<std::string, 82> value;
  std::array<bool, 82> fixed{};
  std::array<int, 10> changes{};
  int emptyCount = 0;
  int placements = 0;
};

inline bool Has(const std::string& t, int d) { return t.find(static_cast<char>('0' + d)) != std::string::npos; }
inline std::string RemoveDigit(std::string t, int d) {
  t.erase(std::remove(t.begin(), t.end(), static_cast<char>('0' + d)), t.end());
  return t;
}
inline std::string Two(int n) { return std::string(1, char('0' + n / 10)) + char('0' + n % 10); }
inline int NumberOf(const std::string& t) {
  int v = 0;
  for (char ch : t) {
    if (ch < '0' || ch > '9') break;
    v = v * 10 + (ch - '0');
  }
  return v;
}

// Unit cell orders: rows left to right, columns top to bottom, boxes through
// their BoxCellList text.
inline std::vector<int> RowList(int r) {
  std::vector<int> v;
  for (int x = RowFirstCell(r); x <= RowLastCell(r); ++x) v.push_back(x);
  return v;
}
inline std::vector<int> ColList(int c) {
  std::vector<int> v;
  for (int x = c; x <= 81; x += 9) v.push_back(x);
  return v;
}
inline std::vector<int> BoxList(int b) {
  const std::string t = BoxCellList(b);
  std::vector<int> v;
  for (int i = 0; i < 18; i += 2) v.push_back(std::stoi(t.substr(i, 2)));
  return v;
}
inline std::vector<std::vector<int>> Units(const char* order) {
  std::vector<std::vector<int>> units;
  for (const char* p = order; *p; ++p)
    for (int n = 1; n <= 9; ++n) units.push_back(*p == 'b' ? BoxList(n) : *p == 'r' ? RowList(n) : ColList(n));
  return units;
}
inline std::vector<int> Line(bool row, int n) { return row ? RowList(n) : ColList(n); }
inline int Row(int x) { return (x - 1) / 9 + 1; }
inline int Col(int x) { return (x - 1) % 9 + 1; }
inline int Box(int x) { return 3 * ((Row(x) - 1) / 3) + (Col(x) - 1) / 3 + 1; }

inline void Place(TextBoard& b, int cell, int d) {
  b.value[cell] = std::to_string(d);
  ++b.placements;
}

inline void AppendOnce(std::string& t, int n) {
  const char ch = static_cast<char>('0' + n);
  if (t.find(ch) == std::string::npos) t += ch;
}

inline int Remove(TextBoard& b, int x, int d) {
  if (!Has(b.cand[x], d)) return 0;
  b.cand[x] = RemoveDigit(b.cand[x], d);
  return 1;
}

// Removes d from the cell's row, column and box (in that order), sparing
// cells with fewer than two candidates; d = 0 (an empty set) removes nothing.
inline int Eliminate(TextBoard& b, int cell, int d) {
  int n = 0;
  for (const auto& unit : {RowList(Row(cell)), ColList(Col(cell)), BoxList(Box(cell))})
    for (int x : unit)
      if (x != cell && b.cand[x].size() > 1) n += Remove(b, x, d);
  return n;
}

inline void Rule1(TextBoard& b) {
  int sum;
  do {
    sum = 0;
    for (int cell = 1; cell <= 81; ++cell)
      if (b.cand[cell].size() < 2) sum += Eliminate(b, cell, NumberOf(b.cand[cell]));
  } while (sum != 0);
  int open = 0, singles = 0;
  for (int cell = 1; cell <= 81; ++cell)
    if (b.value[cell].empty()) {
      ++open;
      if (b.cand[cell].size() < 2) ++singles;
    }
  b.changes[1] = singles;
  b.emptyCount = open - singles;
  for (int cell = 1; cell <= 81; ++cell)
    if (b.cand[cell].size() == 1 && NumberOf(b.value[cell]) == 0) Place(b, cell, b.cand[cell][0] - '0');
}

inline void Finish(TextBoard& b, int n, int count) {
  b.changes[n] = count;
  if (count != 0) Rule1(b);
}

inline void Rule2(TextBoard& b) {
  int count = 0;
  for (const auto& unit : Units("brc"))
    for (int d = 1; d <= 9; ++d) {
      std::string list;
      for (int x : unit) {
        const std::string& t = b.cand[x].empty() ? b.value[x] : b.cand[x];
        if (Has(t, d)) list += Two(x);
      }
      if (list.size() == 2) {
        const int x = std::stoi(list);
        if (b.cand[x].size() > 1) {
          Place(b, x, d);
          b.cand[x] = std::to_string(d);
          ++count;
        }
      }
    }
  for (int k = 1; k <= 9; ++k) {
    std::array<std::string, 10> rows, cols;
    for (int x : BoxList(k))
      if (!b.fixed[x])
        for (char ch : b.cand[x]) {
          rows[ch - '0'] += std::to_string(Row(x));
          cols[ch - '0'] += std::to_string(Col(x));
        }
    for (int d = 1; d <= 9; ++d)
      for (const std::string* t : {&rows[d], &cols[d]})
        if (t->size() == 1)
          for (int x : Line(t == &rows[d], (*t)[0] - '0'))
            if (Box(x) != k) count += Remove(b, x, d);
  }
  Finish(b, 2, count);
}

inline void Rule3(TextBoard& b) {
  int count = 0;
  for (const auto& unit : Units("brc"))
    for (int x : unit) {
      const std::string s = b.cand[x];
      if (s.size() != 2) continue;
      int same = 0;
      for (int y : unit) same += b.cand[y] == s;
      if (same != 2) continue;
      for (int z : unit)
        if (b.cand[z] != s)
          for (char ch : s) count += Remove(b, z, ch - '0');
    }
  Finish(b, 3, count);
}

inline void Rule4(TextBoard& b) {
  int count = 0;
  for (int line = 0; line < 18; ++line) {
    const bool isCol = line < 9;
    const int n = line % 9 + 1;
    std::array<std::string, 10> boxes;
    for (int x : Line(!isCol, n))
      for (char ch : b.cand[x]) AppendOnce(boxes[ch - '0'], Box(x));
    for (int d = 1; d <= 9; ++d) {
      if (boxes[d].size() != 1) continue;
      for (int y : BoxList(boxes[d][0] - '0'))
        if ((isCol ? Col(y) : Row(y)) != n && b.cand[y].size() >= 2) count += Remove(b, y, d);
    }
  }
  Finish(b, 4, count);
}

inline void Rule5(TextBoard& b) {
  int count = 0;
  for (const auto& unit : Units("brc")) {
    std::array<int, 10> n{};
    for (int x : unit)
      for (char ch : b.cand[x]) ++n[ch - '0'];
    for (int d = 1; d <= 9; ++d)
      if (n[d] == 1)
        for (int x : unit)
          if (b.cand[x].size() >= 2 && Has(b.cand[x], d)) {
            b.cand[x] = std::to_string(d);
            ++count;
          }
  }
  Finish(b, 5, count);
}

inline std::string Padded(const std::string& t) { return std::string(t.size() < 8 ? 8 - t.size() : 0, '0') + t; }

inline void Rule6(TextBoard& b) {
  int count = 0;
  for (const auto& unit : Units("crb")) {
    std::array<std::vector<std::string>, 5> bucket;
    for (int x : unit)
      if (b.cand[x].size() >= 2 && b.cand[x].size() <= 6) bucket[b.cand[x].size() - 2].push_back(Padded(b.cand[x]));
    for (int i = 0; i < 5; ++i) {
      if (static_cast<int>(bucket[i].size()) != i + 2) continue;
      if (!std::all_of(bucket[i].begin(), bucket[i].end(),
                       [&](const std::string& e) { return std::stoll(e) == std::stoll(bucket[i][0]); }))
        continue;
      const std::string key = bucket[i][0];
      for (int x : unit) {
        const std::string s = b.cand[x];
        if (s.size() <= 1 || Padded(s) == key) continue;
        std::string r;
        for (char ch : s)
          if (key.find(ch) == std::string::npos) r += ch;
        if (r != s) {
          ++count;
          b.cand[x] = r;
        }
      }
    }
  }
  Finish(b, 6, count);
}

inline void Rule7(TextBoard& b) {
  int count = 0;
  for (const auto& unit : Units("rcb")) {
    std::vector<std::string> entries;
    for (int x : unit)
      if (b.cand[x].size() >= 2) entries.push_back(Two(x) + b.cand[x]);
    const int k = static_cast<int>(entries.size());
    std::array<int, 10> n{};
    std::array<std::string, 10> where;
    for (int j = 1; j <= k; ++j)
      for (std::size_t p = 2; p < entries[j - 1].size(); ++p) {
        const int d = entries[j - 1][p] - '0';
        ++n[d];
        where[d] += static_cast<char>('0' + j);
      }
    std::array<std::vector<std::string>, 4> bucket;
    for (int d = 1; d <= 9; ++d)
      if (n[d] >= 2 && n[d] <= 5) bucket[n[d] - 2].push_back(Two(n[d]) + "=" + std::to_string(d) + " " + where[d]);
    for (int i = 0; i < 4; ++i) {
      auto& bk = bucket[i];
      const int m = i + 2;
      if (static_cast<int>(bk.size()) > m) {
        const std::string key = bk.back().substr(5);
        for (int p = static_cast<int>(bk.size()) - 2; p >= 0; --p)
          if (bk[p].substr(5) != key) bk.erase(bk.begin() + p);
      }
    }
    std::vector<std::string> findings;
    for (int i = 0; i < 4; ++i) {
      const auto& bk = bucket[i];
      const int m = i + 2;
      if (static_cast<int>(bk.size()) < m) continue;
      std::string digits;
      for (const auto& e : bk) {
        int same = 0;
        for (const auto& f : bk) same += f.substr(5) == e.substr(5);
        if (same == m) digits += e[3];
      }
      if (digits.empty()) continue;
      std::string cells;
      for (const auto& e : bk)
        if (e[3] == digits[0]) {
          for (char j : e.substr(5)) {
            cells += entries[j - '1'].substr(0, 2);
            entries[j - '1'].replace(0, 2, "XX");
          }
          break;
        }
      findings.push_back("VL" + digits + "SQ" + cells);
    }
    if (findings.empty()) continue;
    const std::string& f = findings[0];
    const std::string digits = f.substr(2, f.find("SQ") - 2);
    for (char ch : digits)
      for (auto& e : entries) {
        if (e.compare(0, 2, "XX") == 0) continue;
        const std::string t = e.substr(2);
        const std::string r = RemoveDigit(t, ch - '0');
        if (r != t) {
          b.cand[std::stoi(e.substr(0, 2))] = r;
          ++count;
        }
      }
  }
  Finish(b, 7, count);
}

inline void Rule8(TextBoard& b) {
  int count = 0;
  // [0] rows, [1] columns: a digit's lines per box (taken before any
  // removal), then its boxes per line (taken after the first removals).
  std::array<std::array<std::array<std::string, 10>, 10>, 2> linesInBox, boxesInLine;
  for (int bx = 1; bx <= 9; ++bx)
    for (int x : BoxList(bx))
      for (char ch : b.cand[x]) {
        AppendOnce(linesInBox[0][ch - '0'][bx], Row(x));
        AppendOnce(linesInBox[1][ch - '0'][bx], Col(x));
      }
  for (int bx = 1; bx <= 9; ++bx)
    for (int d = 1; d <= 9; ++d)
      for (int k = 0; k < 2; ++k)
        if (linesInBox[k][d][bx].size() == 1)
          for (int x : Line(k == 0, linesInBox[k][d][bx][0] - '0'))
            if (Box(x) != bx) count += Remove(b, x, d);
  for (int k = 0; k < 2; ++k)
    for (int n = 1; n <= 9; ++n)
      for (int x : Line(k == 0, n))
        for (int d = 1; d <= 9; ++d)
          if (Has(b.cand[x], d)) AppendOnce(boxesInLine[k][d][n], Box(x));
  for (int k = 0; k < 2; ++k)
    for (int n = 1; n <= 9; ++n)
      for (int d = 1; d <= 9; ++d)
        if (boxesInLine[k][d][n].size() == 1)
          for (int x : BoxList(boxesInLine[k][d][n][0] - '0'))
            if ((k == 0 ? Row(x) : Col(x)) != n) count += Remove(b, x, d);
  Finish(b, 8, count);
}

inline bool IsPosition(const TextBoard& b, int x, int d) { return b.cand[x].size() >= 2 && Has(b.cand[x], d); }

inline int RemoveFromLines(TextBoard& b, int d, int r1, int r2, int c1, int c2) {
  int count = 0;
  auto visit = [&](int x) {
    const bool corner = (Row(x) == r1 || Row(x) == r2) && (Col(x) == c1 || Col(x) == c2);
    if (!corner && IsPosition(b, x, d)) count += Remove(b, x, d);
  };
  for (int x : RowList(r1)) visit(x);
  for (int x : RowList(r2)) visit(x);
  for (int x : ColList(c1)) visit(x);
  for (int x : ColList(c2)) visit(x);
  return count;
}

inline void Rule9(TextBoard& b) {
  int count = 0;
  for (int stage = 1; stage <= 2; ++stage) {
    std::array<std::array<std::string, 10>, 10> linesOf;
    std::array<std::string, 10> pairs;
    for (int d = 1; d <= 9; ++d)
      for (int n = 1; n <= 9; ++n) {
        for (int m = 1; m <= 9; ++m)
          if (IsPosition(b, stage == 1 ? CellNum(n, m) : CellNum(m, n), d)) linesOf[d][n] += char('0' + m);
        if (linesOf[d][n].size() == 2) pairs[d] += char('0' + n);
      }
    for (int d = 1; d <= 9; ++d) {
      if (pairs[d].size() != 2) continue;
      const int n1 = pairs[d][0] - '0', n2 = pairs[d][1] - '0';
      const std::string& a = linesOf[d][n1];
      if (linesOf[d][n2] != a) continue;
      if (stage == 1)
        count += RemoveFromLines(b, d, n1, n2, a[0] - '0', a[1] - '0');
      else
        count += RemoveFromLines(b, d, a[0] - '0', a[1] - '0', n1, n2);
    }
  }
  for (int d = 1; d <= 9; ++d) {
    std::array<std::array<int, 10>, 10> m{};
    std::array<int, 10> rowLabel{}, colLabel{};
    for (int r = 1; r <= 9; ++r)
      for (int c = 1; c <= 9; ++c) m[r][c] = IsPosition(b, CellNum(r, c), d) ? 1 : 0;
    for (int i = 1; i <= 9; ++i) {
      rowLabel[i] = colLabel[i] = i;
      int rs = 0, cs = 0;
      for (int j = 1; j <= 9; ++j) {
        rs += m[i][j];
        cs += m[j][i];
      }
      if (rs == 0) rowLabel[i] = 0;
      if (cs != 2) colLabel[i] = 0;
    }
    std::vector<std::string> list{"0"};
    for (int c = 1; c <= 9; ++c)
      if (colLabel[c]) list[0] += char('0' + c);
    for (int r = 1; r <= 9; ++r) {
      if (!rowLabel[r]) continue;
      std::string t(1, char('0' + r));
      for (int c = 1; c <= 9; ++c)
        if (colLabel[c]) t += char('0' + m[r][c]);
      list.push_back(t);
    }
    for (int p = static_cast<int>(list.size()) - 1; p >= 0; --p) {
      std::string rest = list[p].substr(1);
      rest.erase(std::remove(rest.begin(), rest.end(), '0'), rest.end());
      if (std::stod(rest.empty() ? "0" : rest) < 2) list.erase(list.begin() + p);
    }
    std::string header = list.empty() ? "" : list[0];
    for (std::size_t p = 0; p < header.size(); ++p) {
      int sum = 0;
      for (std::size_t i = 1; i < list.size(); ++i) sum += list[i][p] - '0';
      if (sum != 2) header[p] = '0';
    }
    if (!list.empty()) list[0] = header;
    const int nonZero = static_cast<int>(std::count_if(header.begin(), header.end(), [](char ch) { return ch != '0'; }));
    if (nonZero == 3 && list.size() == 4 && header.size() >= 4)
      for (int i = 1; i <= 3; ++i) {
        const int r = list[i][0] - '0';
        for (int j = 1; j <= 9; ++j)
          if (header.find(char('0' + j), 1) == std::string::npos) count += Remove(b, CellNum(r, j), d);
      }
  }
  Finish(b, 9, count);
}

inline void TextRule(TextBoard& b, int n) {
  switch (n) {
    case 1: Rule1(b); break;
    case 2: Rule2(b); break;
    case 3: Rule3(b); break;
    case 4: Rule4(b); break;
    case 5: Rule5(b); break;
    case 6: Rule6(b); break;
    case 7: Rule7(b); break;
    case 8: Rule8(b); break;
    default: Rule9(b); break;
  }
}

// FilterTriple over texts: every position triple, marking the digits of the
// fitting ones.
inline std::array<std::string, 3> TextFilterTriple(const std::string& a, const std::string& b, const std::string& c,
                                                   int sum) {
  std::vector<bool> ma(a.size()), mb(b.size()), mc(c.size());
  for (std::size_t i = 0; i < a.size(); ++i)
    for (std::size_t j = 0; j < b.size(); ++j)
      for (std::size_t k = 0; k < c.size(); ++k) {
        const int x = a[i] - '0', y = b[j] - '0', z = c[k] - '0';
        if (x != y && y != z && z != x && x + y + z == sum) ma[i] = mb[j] = mc[k] = true;
      }
  std::array<std::string, 3> out;
  for (std::size_t i = 0; i < a.size(); ++i)
    if (ma[i]) out[0] += a[i];
  for (std::size_t j = 0; j < b.size(); ++j)
    if (mb[j]) out[1] += b[j];
  for (std::size_t k = 0; k < c.size(); ++k)
    if (mc[k]) out[2] += c[k];
  return out;
}

}  // namespace kalvero::test

namespace kalvero::test {

// Verification over texts, every step as written: the grid and the
// candidates as digit texts, ten passes at most, merges by text length.
struct TextVerify {
  TextBoard board;
  std::array<std::string, 82> grid;
  int result = 1;
};

inline void TextFilterSumAreas(TextVerify& v, const std::array<int, 37>& clueSum) {
  for (int cell = 1; cell <= 81; ++cell)
    if (!v.board.cand[cell].empty() && v.board.cand[cell].size() < v.grid[cell].size()) v.grid[cell] = v.board.cand[cell];
  for (int area = 1; area <= 36; ++area) {
    const auto& cells = kTables.AreaCells[area];
    const auto kept = TextFilterTriple(v.grid[cells[1]], v.grid[cells[2]], v.grid[cells[3]], clueSum[area]);
    for (int k = 0; k < 3; ++k)
      if (kept[k].size() < v.grid[cells[k + 1]].size()) v.grid[cells[k + 1]] = kept[k];
  }
}

// givens: the given digit per cell, 0 for none; solution: per cell.
inline TextVerify TextVerifyPuzzle(const std::array<int, 82>& givens, const std::array<int, 82>& solution,
                                   const std::array<int, 37>& clueSum, int placementsBefore) {
  TextVerify v;
  v.board.placements = placementsBefore;
  for (int cell = 1; cell <= 81; ++cell) v.grid[cell] = givens[cell] ? std::to_string(givens[cell]) : "123456789";
  for (int pass = 1;; ++pass) {
    if (pass == 11) return v;
    for (int cell = 1; cell <= 81; ++cell) v.board.value[cell] = v.board.cand[cell];
    TextFilterSumAreas(v, clueSum);
    Rule1(v.board);
    TextFilterSumAreas(v, clueSum);
    for (int n = 2; n <= 9; ++n) {
      TextRule(v.board, n);
      TextFilterSumAreas(v, clueSum);
    }
    std::size_t length = 0;
    for (int cell = 1; cell <= 81; ++cell) length += v.board.cand[cell].size();
    if (length == 81) break;
    for (int cell = 1; cell <= 81; ++cell) {
      std::string& t = v.board.cand[cell];
      if (t.size() == 1)
        v.grid[cell] = t;
      else if (v.grid[cell].size() < t.size() || t.empty())
        t = v.grid[cell];
    }
  }
  v.result = 0;
  for (int cell = 1; cell <= 81; ++cell)
    if (NumberOf(v.board.cand[cell]) != solution[cell]) {
      v.result = 1;
      break;
    }
  return v;
}

}  // namespace kalvero::test
