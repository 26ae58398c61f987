#include "view/play_overlay.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace kalvero {

namespace {

// The bounding rectangle of the three cells of a sum area.
TwipRect AreaRect(const BoardGeometry& g, int area) {
  const int first = kTables.AreaCells[area][1];
  const int last = kTables.AreaCells[area][3];
  const TwipRect a = g.Cell(kTables.RowOf[first], kTables.ColOf[first]);
  const TwipRect b = g.Cell(kTables.RowOf[last], kTables.ColOf[last]);
  return {a.x, a.y, b.right() - a.x, b.bottom() - a.y};
}

// A frame drawn just inside the rectangle, so its full width shows.
TwipRect Inset(const TwipRect& r, int by) { return {r.x + by, r.y + by, r.w - 2 * by, r.h - 2 * by}; }

class FontScope {
 public:
  FontScope(Surface& surface, double factor) : surface_(surface), size_(surface.FontSize()) {
    surface.SetFontSize(std::round(size_) * factor);
  }
  ~FontScope() { surface_.SetFontSize(size_); }
  FontScope(const FontScope&) = delete;
  FontScope& operator=(const FontScope&) = delete;

 private:
  Surface& surface_;
  double size_;
};

// A cell's digit drawn again, over a fill of its own or the usual one.
void Redraw(Surface& surface, const BoardGeometry& g, const PuzzleState& state, int cell, std::optional<Colour> fill,
            Colour text, const BoardColours& colours) {
  const int r = kTables.RowOf[cell], c = kTables.ColOf[cell];
  const bool fixed = !state.FixedValue[r][c].empty();
  const std::string& entry = fixed ? state.FixedValue[r][c] : state.UserEntry[r][c];
  BoardColours filled = colours;
  if (fill) filled.background = filled.control = *fill;
  DrawCellEntry(surface, g, r, c, entry, text, 0, 0, fixed, filled);
}

void DrawHighlights(Surface& surface, const BoardGeometry& g, const PuzzleState& state, const Highlights& h,
                    const BoardColours& colours) {
  const int lineWidth = surface.LineWidth();
  const int inset = static_cast<int>(kTwipsPerLineWidth);
  surface.SetLineWidth(kHintAreaLineWidth);
  const Colour lineTint = Blend(colours.background, colours.grid, 0.3);
  for (const int cell : h.lines)
    surface.Box(Inset(g.Cell(kTables.RowOf[cell], kTables.ColOf[cell]), inset), lineTint, false);
  surface.SetLineWidth(lineWidth);
  const Colour tint = Blend(colours.background, colours.grid, 0.2);
  for (const int cell : h.sameDigit) Redraw(surface, g, state, cell, tint, colours.numbers, colours);
  for (const int cell : h.mistakes) {
    const bool tinted = std::binary_search(h.sameDigit.begin(), h.sameDigit.end(), cell);
    Redraw(surface, g, state, cell, tinted ? std::optional<Colour>(tint) : std::nullopt,
           MistakeColourOn(colours.background), colours);
  }
}

}  // namespace

TwipRect PencilTipRect(const Surface& surface, const BoardGeometry& g, const Overlay& overlay) {
  const int r = kTables.RowOf[overlay.tipCell], c = kTables.ColOf[overlay.tipCell];
  const std::string& text = overlay.tipText;
  return {g.CellX(r, c) + 84, g.CellY(r, c) + g.CellSize / 3, static_cast<int>(std::ceil(surface.TextWidth(text))),
          static_cast<int>(std::ceil(surface.TextHeight(text)))};
}

void DrawPlayOverlay(Surface& surface, const BoardGeometry& g, const PuzzleState& state, const Overlay& overlay,
                     const BoardColours& colours, const Highlights& highlights) {
  const int lineWidth = surface.LineWidth();
  DrawHighlights(surface, g, state, highlights, colours);
  const int inset = static_cast<int>(kFrameLineWidth * kTwipsPerLineWidth / 2);
  // A hint's unit or area lightly in the pencil colour, the cells it rests
  // on or changes in full width in the numbers colour.
  surface.SetLineWidth(kHintAreaLineWidth);
  for (int cell : overlay.hintArea)
    surface.Box(Inset(g.Cell(kTables.RowOf[cell], kTables.ColOf[cell]), inset), colours.pencil, false);
  surface.SetLineWidth(kFrameLineWidth);
  for (int cell : overlay.hintCells)
    surface.Box(Inset(g.Cell(kTables.RowOf[cell], kTables.ColOf[cell]), 2 * inset), colours.numbers, false);
  if (state.SelRow != -1) surface.Box(Inset(g.Cell(state.SelRow, state.SelCol), inset), colours.grid, false);
  if (overlay.areaFrame != 0) surface.Box(Inset(AreaRect(g, overlay.areaFrame), inset), colours.grid, false);
  surface.SetLineWidth(lineWidth);
  if (!overlay.tipShown || overlay.tipCell == 0) return;
  const FontScope small(surface, 0.6);
  const TwipRect tip = PencilTipRect(surface, g, overlay);
  surface.Box(tip, colours.control, true);
  surface.SetTextColour(colours.numbers);
  surface.Print(tip.x, tip.y, overlay.tipText);
}

}  // namespace kalvero
