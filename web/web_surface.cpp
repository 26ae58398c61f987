#include "web_surface.h"

#include <emscripten.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

// The page's canvas measures text (app.js, Module.measure).
EM_JS(double, kv_measure, (const char* font, const char* text, int what), {
  return Module.measure(UTF8ToString(font), UTF8ToString(text), what);
});

namespace kalvero::web {

namespace {

enum Measure { kWidth = 0, kHeight = 1, kAscent = 2 };

std::string Hex(Colour c) {
  char text[8];
  std::snprintf(text, sizeof text, "#%02x%02x%02x", RedOf(c), GreenOf(c), BlueOf(c));
  return text;
}

}  // namespace

std::string JsonString(std::string_view text) {
  std::string out = "\"";
  for (const char ch : text) {
    if (ch == '"' || ch == '\\') {
      out += '\\';
      out += ch;
    } else if (ch == '\n') {
      out += "\\n";
    } else if (ch == '\r') {
      out += "\\r";
    } else if (static_cast<unsigned char>(ch) < 0x20) {
      out += ' ';
    } else {
      out += ch;
    }
  }
  return out + '"';
}

std::string WebSurface::CssFont() const {
  const long pixels = std::max(1L, std::lround(FontSize() * kTwipsPerPoint));
  return std::string(FontBold() ? "bold " : "") + std::to_string(pixels) + "px \"" + FontName() +
         "\", \"Liberation Mono\", monospace";
}

double WebSurface::TextWidth(std::string_view text) const {
  return kv_measure(CssFont().c_str(), std::string(text).c_str(), kWidth);
}
double WebSurface::TextHeight(std::string_view) const { return kv_measure(CssFont().c_str(), "0", kHeight); }
double WebSurface::TextAscent() const { return kv_measure(CssFont().c_str(), "0", kAscent); }

void WebSurface::Clear(Colour background) {
  calls_.clear();
  calls_.push_back({'c', {0, 0, size_, size_}, 0, background, 0, {}, {}});
}

void WebSurface::Box(const TwipRect& r, Colour colour, bool filled) {
  // A fill hides the texts that start inside it and the fills it covers, so
  // redrawing one cell again and again keeps the recording the same size.
  if (filled) {
    const auto inside = [&r](double x, double y) { return x >= r.x && x <= r.right() && y >= r.y && y <= r.bottom(); };
    std::erase_if(calls_, [&](const Call& c) {
      if (c.kind == 't') return inside(c.rect.x, c.baseline);
      return c.kind == 'f' && inside(c.rect.x, c.rect.y) && inside(c.rect.right(), c.rect.bottom());
    });
  }
  calls_.push_back({filled ? 'f' : 'o', r, 0, colour, LineWidth(), {}, {}});
}

void WebSurface::Print(int x, int y, std::string_view text) {
  calls_.push_back({'t', {x, y, 0, 0}, y + TextAscent(), TextColour(), 0, std::string(text), CssFont()});
}

std::string WebSurface::Json() const {
  std::string out = "[";
  for (const Call& c : calls_) {
    if (out.size() > 1) out += ',';
    const TwipRect& r = c.rect;
    const std::string box = std::to_string(r.x) + ',' + std::to_string(r.y) + ',' + std::to_string(r.w) + ',' +
                            std::to_string(r.h) + ",\"" + Hex(c.colour) + '"';
    switch (c.kind) {
      case 'c': out += "[\"c\",\"" + Hex(c.colour) + "\"]"; break;
      case 'f': out += "[\"f\"," + box + ']'; break;
      case 'o': out += "[\"o\"," + box + ',' + std::to_string(c.lineWidth) + ']'; break;
      default:
        out += "[\"t\"," + std::to_string(r.x) + ',' + std::to_string(c.baseline) + ',' + JsonString(c.text) + ",\"" +
               Hex(c.colour) + "\"," + JsonString(c.font) + ']';
    }
  }
  return out + ']';
}

}  // namespace kalvero::web
