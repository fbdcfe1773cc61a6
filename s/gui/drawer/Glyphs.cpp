#include "s/gui/drawer/Glyphs.h"

#include <algorithm>
#include <cstdint>

namespace s::gui::drawer {

namespace {

using std::int32_t;

bool sameText(const char16_t* a, const char16_t* b) {
  while (*a != 0 && *a == *b) {
    ++a;
    ++b;
  }
  return *a == *b;
}

// The shapes share one frame: the area inset by a pixel and, for the symmetric ones, the
// largest even square centred in it.
struct Frame {
  int32_t l, t, r, b;  // the area as given
  int32_t L, T, R, B;  // inset by one pixel
  int32_t W, H;        // inner size
  int32_t side;        // even square side
  int32_t dx, dy;      // the square's offset inside the inner rectangle
  int32_t x0() const { return L + dx; }
  int32_t y0() const { return T + dy; }
};

Frame frameOf(const Rect& area) {
  Frame f{};
  f.l = area.left;
  f.t = area.top;
  f.r = area.right;
  f.b = area.bottom;
  f.L = f.l + 1;
  f.T = f.t + 1;
  f.R = f.r - 1;
  f.B = f.b - 1;
  f.W = f.R - f.L;
  f.H = f.B - f.T;
  f.side = std::max(0, std::min(f.W, f.H)) & ~1;
  f.dx = (f.W - f.side) / 2;
  f.dy = (f.H - f.side) / 2;
  return f;
}

class Pen {
 public:
  Pen(ISurface& surface, Colour colour) : surface_(surface), colour_(colour) {}
  void bar(int32_t x, int32_t y, int32_t width, int32_t height) {
    surface_.fill(x, y, width, height, colour_);
  }
  void dot(int32_t x, int32_t y) { bar(x, y, 2, 2); }
  void pixel(int32_t x, int32_t y) { bar(x, y, 1, 1); }
  void outline(int32_t x, int32_t y, int32_t width, int32_t height) {
    bar(x, y, width, 1);
    bar(x + width - 1, y, 1, height);
    bar(x, y + height - 1, width, 1);
    bar(x, y, 1, height);
  }
  enum class Toward { kRight, kLeft, kDown, kUp };
  // A solid triangle with an even base of `base` pixels whose tip points `toward`; (x, y) is the
  // top-left of its bounding box (base/2 deep).
  void triangle(Toward toward, int32_t x, int32_t y, int32_t base) {
    const int32_t depth = base / 2;
    for (int32_t i = 0; i < depth; ++i) {
      const int32_t span = base - 2 * i;
      switch (toward) {
        case Toward::kRight:
          bar(x + i, y + i, 1, span);
          break;
        case Toward::kLeft:
          bar(x + depth - 1 - i, y + i, 1, span);
          break;
        case Toward::kDown:
          bar(x + i, y + i, span, 1);
          break;
        case Toward::kUp:
          bar(x + i, y + depth - 1 - i, span, 1);
          break;
      }
    }
  }

 private:
  ISurface& surface_;
  Colour colour_;
};

using Toward = Pen::Toward;

int32_t evenAtLeastTwo(int32_t value) { return std::max(2, value & ~1); }

// Four fifths down the inner height, truncated (n * 4 / 5 is exact where 0.8 * n may not be).
int32_t minimiseBarRow(const Frame& f) { return f.t + 1 + (f.b - f.t - 2) * 4 / 5; }

void drawMinimise(Pen& pen, const Frame& f) {
  pen.bar(f.l + 1, minimiseBarRow(f), f.r - f.l - 2, 2);
}

void drawDotGlyph(Pen& pen, const Frame& f) { pen.dot(f.r - 3, minimiseBarRow(f)); }

void drawClose(Pen& pen, const Frame& f) {
  for (int32_t x = f.L + f.dx, y = f.T + f.dy; x < f.R && y < f.B - 1; ++x, ++y) pen.dot(x, y);
  for (int32_t x = f.R - f.dx - 2, y = f.T + f.dy; x >= f.L && y < f.B - 1; --x, ++y) {
    pen.dot(x, y);
  }
}

void drawMaximise(Pen& pen, const Frame& f) {
  const int32_t x0 = f.L + f.dx;
  const int32_t y0 = f.T + f.dy;
  const int32_t bw = f.W - 2 * f.dx;
  const int32_t bh = f.H - 2 * f.dy;
  pen.bar(x0, y0, bw, 3);
  pen.bar(x0 + bw - 1, y0, 1, bh);
  pen.bar(x0, y0 + bh - 1, bw, 1);
  pen.bar(x0, y0, 1, bh);
}

// Two overlapping windows: the one behind shows only its top and right edges.
void drawRestore(Pen& pen, const Frame& f) {
  const int32_t s = f.side;
  const int32_t q = s / 4;
  const int32_t x0 = f.x0();
  const int32_t y0 = f.y0();
  pen.bar(x0 + q, y0, s - q, 2);
  pen.bar(x0 + s - 1, y0, 1, s - q);
  pen.bar(x0, y0 + q, s - q, 2);
  pen.bar(x0 + s - q - 1, y0 + q, 1, s - q);
  pen.bar(x0, y0 + s - 1, s - q, 1);
  pen.bar(x0, y0 + q, 1, s - q);
}

void drawArrowDownLeft(Pen& pen, const Frame& f) {
  const int32_t s = f.side;
  const int32_t x0 = f.x0();
  const int32_t y0 = f.y0();
  for (int32_t i = 0; i + 2 <= s; ++i) pen.dot(x0 + s - 2 - i, y0 + i);
  pen.bar(x0, y0 + s - 2, s / 2, 2);
  pen.bar(x0, y0 + s / 2, 2, s - s / 2);
}

void drawPlay(Pen& pen, const Frame& f) {
  pen.triangle(Toward::kRight, f.x0() + f.side / 4, f.y0(), f.side);
}

void drawPause(Pen& pen, const Frame& f) {
  const int32_t barWidth = std::max(1, f.side / 3);
  pen.bar(f.x0(), f.y0(), barWidth, f.side);
  pen.bar(f.x0() + f.side - barWidth, f.y0(), barWidth, f.side);
}

void drawStop(Pen& pen, const Frame& f) {
  const int32_t q = f.side / 4;
  pen.bar(f.x0() + q, f.y0() + q, f.side - 2 * q, f.side - 2 * q);
}

// A loudspeaker in the left `width` pixels of the square.
void drawSpeakerIn(Pen& pen, const Frame& f, int32_t coneColumns) {
  const int32_t s = f.side;
  const int32_t x0 = f.x0();
  const int32_t y0 = f.y0();
  const int32_t inset = s / 3;
  const int32_t body = std::max(1, s / 4);
  pen.bar(x0, y0 + inset, body, s - 2 * inset);
  for (int32_t i = 0; i < coneColumns; ++i) {
    const int32_t cut = std::max(0, inset - i);
    pen.bar(x0 + body + i, y0 + cut, 1, s - 2 * cut);
  }
}

void drawSpeaker(Pen& pen, const Frame& f) { drawSpeakerIn(pen, f, f.side / 2); }

void drawMute(Pen& pen, const Frame& f) {
  drawSpeakerIn(pen, f, f.side / 3);
  // A small cross at the right, at most four pixels square.
  const int32_t size = std::max(1, std::min(4, f.side / 2));
  const int32_t x = f.x0() + f.side - size;
  const int32_t y = f.y0() + (f.side - size) / 2;
  for (int32_t k = 0; k < size; ++k) {
    pen.pixel(x + k, y + k);
    pen.pixel(x + size - 1 - k, y + k);
  }
}

// One arrowhead half the square's size, or two side by side, centred.
void drawArrows(Pen& pen, const Frame& f, Toward toward, int32_t count) {
  const int32_t base = evenAtLeastTwo(f.side / 2);
  const int32_t depth = base / 2;
  const bool across = toward == Toward::kRight || toward == Toward::kLeft;
  const int32_t along = (f.side - count * depth) / 2;
  const int32_t cross = (f.side - base) / 2;
  for (int32_t i = 0; i < count; ++i) {
    if (across) {
      pen.triangle(toward, f.x0() + along + i * depth, f.y0() + cross, base);
    } else {
      pen.triangle(toward, f.x0() + cross, f.y0() + along + i * depth, base);
    }
  }
}

// Three grip lines one pixel apart, fewer where the square is too small for three.
void drawThumbLines(Pen& pen, const Frame& f, bool vertical) {
  const int32_t lines = std::min(3, (f.side + 1) / 2);
  const int32_t length = std::max(2, f.side / 2);
  const int32_t start = (f.side - (2 * lines - 1)) / 2;
  const int32_t offset = (f.side - length) / 2;
  for (int32_t k = 0; k < lines; ++k) {
    if (vertical) {
      pen.bar(f.x0() + start + 2 * k, f.y0() + offset, 1, length);
    } else {
      pen.bar(f.x0() + offset, f.y0() + start + 2 * k, length, 1);
    }
  }
}

void drawMinus(Pen& pen, const Frame& f) { pen.bar(f.x0(), f.y0() + f.side / 2 - 1, f.side, 2); }

void drawPlus(Pen& pen, const Frame& f) {
  drawMinus(pen, f);
  pen.bar(f.x0() + f.side / 2 - 1, f.y0(), 2, f.side);
}

void drawPlusMinus(Pen& pen, const Frame& f) {
  const int32_t s = f.side;
  const int32_t plus = std::max(2, s - 4) & ~1;
  pen.bar(f.x0(), f.y0() + plus / 2 - 1, s, 2);
  pen.bar(f.x0() + s / 2 - 1, f.y0(), 2, plus);
  pen.bar(f.x0(), f.y0() + s - 2, s, 2);
}

void drawCheck(Pen& pen, const Frame& f) {
  const int32_t x0 = f.l + 1 + (f.r - f.l - 9) / 2;
  const int32_t y0 = f.t + 1 + (f.b - f.t - 9) / 2;
  static constexpr int32_t kDrop[7] = {2, 3, 4, 3, 2, 1, 0};
  for (int32_t i = 0; i < 7; ++i) pen.bar(x0 + i, y0 + kDrop[i], 1, 3);
}

// Skip to the next or previous item: an arrowhead against a bar.
void drawSkip(Pen& pen, const Frame& f, bool forward) {
  const int32_t s = f.side;
  const int32_t depth = s / 2;
  const int32_t x = f.x0() + (s - depth - 2) / 2;
  if (forward) {
    pen.triangle(Toward::kRight, x, f.y0(), s);
    pen.bar(x + depth, f.y0(), 2, s);
  } else {
    pen.bar(x, f.y0(), 2, s);
    pen.triangle(Toward::kLeft, x + 2, f.y0(), s);
  }
}

void drawResizer(Pen& pen, const Frame& f) {
  pen.dot(f.r, f.b - 8);
  pen.dot(f.r, f.b - 4);
  pen.dot(f.r - 4, f.b - 4);
  pen.dot(f.r, f.b);
  pen.dot(f.r - 4, f.b);
  pen.dot(f.r - 8, f.b);
}

void drawTreeBox(Pen& pen, const Frame& f, bool open) {
  const int32_t s = f.side;
  pen.outline(f.x0(), f.y0(), s, s);
  const int32_t arm = std::max(0, s - 4);
  pen.bar(f.x0() + 2, f.y0() + s / 2 - 1, arm, 2);
  if (!open) pen.bar(f.x0() + s / 2 - 1, f.y0() + 2, 2, arm);
}

// A bent arrow: up from the bottom, then across, with its head at the end.
void drawTurn(Pen& pen, const Frame& f, bool right) {
  const int32_t s = f.side;
  const int32_t head = evenAtLeastTwo(s / 2);
  const int32_t depth = head / 2;
  const int32_t barY = f.y0() + head / 2 - 1;
  const int32_t length = s - depth;
  if (right) {
    pen.bar(f.x0(), barY, 2, f.y0() + s - barY);
    pen.bar(f.x0(), barY, length, 2);
    pen.triangle(Toward::kRight, f.x0() + length, f.y0(), head);
  } else {
    pen.bar(f.x0() + s - 2, barY, 2, f.y0() + s - barY);
    pen.bar(f.x0() + depth, barY, length, 2);
    pen.triangle(Toward::kLeft, f.x0(), f.y0(), head);
  }
}

void drawOnTop(Pen& pen, const Frame& f) {
  const int32_t s = f.side;
  pen.bar(f.x0(), f.y0(), s, 2);
  pen.triangle(Toward::kUp, f.x0(), f.y0() + 2, s);
  const int32_t stemTop = f.y0() + 2 + s / 2;
  pen.bar(f.x0() + s / 2 - 1, stemTop, 2, f.y0() + s - stemTop);
}

void drawFitWindow(Pen& pen, const Frame& f) {
  const int32_t s = f.side;
  const int32_t q = s / 4;
  pen.outline(f.x0(), f.y0(), s, s);
  pen.bar(f.x0() + q, f.y0() + q, s - 2 * q, s - 2 * q);
}

void drawFitToWindow(Pen& pen, const Frame& f) {
  const int32_t s = f.side;
  const int32_t q = std::max(2, s / 3);
  const int32_t x0 = f.x0();
  const int32_t y0 = f.y0();
  const int32_t x1 = x0 + s - 1;
  const int32_t y1 = y0 + s - 1;
  pen.bar(x0, y0, q, 1);
  pen.bar(x0, y0, 1, q);
  pen.bar(x1 - q + 1, y0, q, 1);
  pen.bar(x1, y0, 1, q);
  pen.bar(x0, y1, q, 1);
  pen.bar(x0, y1 - q + 1, 1, q);
  pen.bar(x1 - q + 1, y1, q, 1);
  pen.bar(x1, y1 - q + 1, 1, q);
}

void drawPalm(Pen& pen, const Frame& f) {
  const int32_t s = f.side;
  const int32_t palmX = f.x0() + s / 4;
  const int32_t palmY = f.y0() + s / 2;
  const int32_t palmWidth = s - s / 4;
  pen.bar(palmX, palmY, palmWidth, s - s / 2);
  for (int32_t x = palmX; x < palmX + palmWidth; x += 2) pen.bar(x, f.y0() + 1, 1, palmY - f.y0());
  pen.bar(f.x0(), palmY + 1, s / 4, 2);
}

void drawKeepRatio(Pen& pen, const Frame& f) {
  const int32_t s = f.side;
  pen.outline(f.x0(), f.y0(), s, s);
  for (int32_t i = 0; i + 2 <= s; i += 2) pen.dot(f.x0() + i, f.y0() + i);
}

int hexValue(char16_t unit) {
  if (unit >= u'0' && unit <= u'9') return unit - u'0';
  if (unit >= u'a' && unit <= u'f') return unit - u'a' + 10;
  if (unit >= u'A' && unit <= u'F') return unit - u'A' + 10;
  return -1;
}

// After the prefix: nothing (a bare frame) or exactly six hexadecimal digits.
bool parseSwatch(const char16_t* digits, bool* hasColour, Colour* swatch) {
  *hasColour = false;
  if (*digits == 0) return true;
  std::uint8_t bytes[3];
  for (int i = 0; i < 3; ++i) {
    const int high = hexValue(digits[2 * i]);
    const int low = high < 0 ? -1 : hexValue(digits[2 * i + 1]);
    if (high < 0 || low < 0) return false;
    bytes[i] = static_cast<std::uint8_t>(high * 16 + low);
  }
  if (digits[6] != 0) return false;
  *hasColour = true;
  *swatch = rgb(bytes[0], bytes[1], bytes[2]);
  return true;
}

void drawSwatch(ISurface& surface, Pen& pen, const Frame& f, bool hasColour, Colour swatch) {
  const int32_t s = f.side;
  pen.outline(f.x0(), f.y0(), s, s);
  if (hasColour) surface.fill(f.x0() + 1, f.y0() + 1, s - 2, s - 2, swatch);
}

using Shape = void (*)(Pen&, const Frame&);

struct Named {
  const char16_t* name;
  Shape shape;
};

constexpr Named kGlyphs[] = {
    {u"#_", drawMinimise},
    {u"#Transform", drawRestore},
    {u"#.", drawDotGlyph},
    {u"#X", drawClose},
    {u"#\u25A1", drawMaximise},
    {u"#\u2199", drawArrowDownLeft},
    {u"#Play", drawPlay},
    {u"#Pause", drawPause},
    {u"#Stop", drawStop},
    {u"#Speaker", drawSpeaker},
    {u"#Mute", drawMute},
    {u"#Right", [](Pen& pen, const Frame& f) { drawArrows(pen, f, Toward::kRight, 1); }},
    {u"#RightRight", [](Pen& pen, const Frame& f) { drawArrows(pen, f, Toward::kRight, 2); }},
    {u"#Left", [](Pen& pen, const Frame& f) { drawArrows(pen, f, Toward::kLeft, 1); }},
    {u"#LeftLeft", [](Pen& pen, const Frame& f) { drawArrows(pen, f, Toward::kLeft, 2); }},
    {u"#Down", [](Pen& pen, const Frame& f) { drawArrows(pen, f, Toward::kDown, 1); }},
    {u"#Up", [](Pen& pen, const Frame& f) { drawArrows(pen, f, Toward::kUp, 1); }},
    {u"#ThumbLineV", [](Pen& pen, const Frame& f) { drawThumbLines(pen, f, true); }},
    {u"#ThumbLineH", [](Pen& pen, const Frame& f) { drawThumbLines(pen, f, false); }},
    {u"#Minus", drawMinus},
    {u"#Plus", drawPlus},
    {u"#PlusMinus", drawPlusMinus},
    {u"#Check", drawCheck},
    {u"#Next", [](Pen& pen, const Frame& f) { drawSkip(pen, f, true); }},
    {u"#Prev", [](Pen& pen, const Frame& f) { drawSkip(pen, f, false); }},
    {u"#Resizer", drawResizer},
    {u"#TreeClosed", [](Pen& pen, const Frame& f) { drawTreeBox(pen, f, false); }},
    {u"#TreeOpen", [](Pen& pen, const Frame& f) { drawTreeBox(pen, f, true); }},
    {u"#TurnRight", [](Pen& pen, const Frame& f) { drawTurn(pen, f, true); }},
    {u"#TurnLeft", [](Pen& pen, const Frame& f) { drawTurn(pen, f, false); }},
    {u"#OnTop", drawOnTop},
    {u"#FitWindow", drawFitWindow},
    {u"#FitToWindow", drawFitToWindow},
    {u"#Palm", drawPalm},
    {u"#KeepRatio", drawKeepRatio},
};

constexpr char16_t kSwatchPrefix[] = u"#Color-";

}  // namespace

bool drawGlyph(ISurface& surface, const Rect& area, const char16_t* name, Colour colour) {
  if (name == nullptr || name[0] != u'#') return false;
  Pen pen(surface, colour);
  const Frame frame = frameOf(area);
  for (const Named& glyph : kGlyphs) {
    if (sameText(name, glyph.name)) {
      glyph.shape(pen, frame);
      return true;
    }
  }
  const std::size_t prefix = sizeof(kSwatchPrefix) / sizeof(kSwatchPrefix[0]) - 1;
  for (std::size_t i = 0; i < prefix; ++i) {
    if (name[i] != kSwatchPrefix[i]) return false;
  }
  bool hasColour = false;
  Colour swatch = 0;
  if (!parseSwatch(name + prefix, &hasColour, &swatch)) return false;
  drawSwatch(surface, pen, frame, hasColour, swatch);
  return true;
}

}  // namespace s::gui::drawer
