#include <doctest/doctest.h>

#include <vector>

#include "s/gui/FontSetting.h"
#include "s/gui/drawer/text/Basic.h"
#include "support/DrawCanvas.h"

using s::gui::drawer::Colour;
using s::gui::drawer::ImageSurface;
using s::gui::drawer::Rect;
using s::gui::drawer::rgb;
using s::gui::drawer::text::win::Basic;
using s::gui::win::FontSetting;
using support::DrawCanvas;

namespace {

constexpr Colour kText = rgb(10, 20, 30);
constexpr Colour kSecond = rgb(200, 0, 0);
constexpr Colour kThird = rgb(0, 200, 0);
constexpr Colour kBlack = rgb(0, 0, 0);
constexpr Colour kWhite = rgb(255, 255, 255);
constexpr Colour kGrey119 = rgb(119, 119, 119);
constexpr Colour kGrey238 = rgb(238, 238, 238);
const Rect kArea{10, 20, 90, 40};

struct Copy {
  int dx, dy;
  Colour colour;
};

const std::vector<Copy> outlineIn(Colour ring) {
  return {{0, -1, ring}, {1, -1, ring}, {2, -1, ring}, {2, 0, ring}, {2, 1, ring},
          {1, 1, ring},  {0, 1, ring},  {0, 0, ring},  {1, 0, kText}};
}

FontSetting fontWithEffect(int effect, Colour text = kText) {
  FontSetting font;
  font.setTextColour(text);
  font.setSecondColour(kSecond);
  font.setThirdColour(kThird);
  font.setEffect(effect);
  font.setFont(reinterpret_cast<void*>(0x1234));
  return font;
}

void checkCopies(const std::vector<ImageSurface::TextCall>& calls,
                 const std::vector<Copy>& copies) {
  REQUIRE(calls.size() == copies.size());
  for (std::size_t i = 0; i < copies.size(); ++i) {
    CAPTURE(i);
    CHECK(calls[i].rect == kArea.offset(copies[i].dx, copies[i].dy));
    CHECK(calls[i].colour == copies[i].colour);
    CHECK(calls[i].text == u"Hello");
    CHECK(calls[i].font == reinterpret_cast<void*>(0x1234));
  }
}

}  // namespace

TEST_CASE("each text effect draws its copies in order, at their offsets and in their colours") {
  struct Case {
    int effect;
    Colour text;
    std::vector<Copy> copies;
  };
  const Case cases[] = {
      {0, kText, {{0, 0, kText}}},
      {1, kText, outlineIn(kSecond)},
      {2, kText, {{1, 1, kGrey119}, {0, 0, kText}}},
      {2, kBlack, {{1, 1, kGrey238}, {0, 0, kBlack}}},
      {3, kText, {{2, 2, kBlack}, {0, 0, kWhite}, {1, 1, kText}}},
      {4, kText, {{0, 0, kWhite}, {0, 2, kBlack}, {0, 1, kText}}},
      {5, kText, {{2, 2, kWhite}, {0, 0, kBlack}, {1, 1, kText}}},
      {6, kText, {{0, 0, kBlack}, {0, 2, kWhite}, {0, 1, kText}}},
      {7, kText, outlineIn(kThird)},
      {8, kText, {{0, 0, kText}}},
  };
  s::base::Owned<Basic> drawer = Basic::create();
  for (const Case& c : cases) {
    CAPTURE(c.effect);
    DrawCanvas canvas(4, 4);
    drawer->paint(canvas.surface(), kArea, u"Hello", fontWithEffect(c.effect, c.text));
    checkCopies(canvas.surface().textCalls(), c.copies);
  }
}

TEST_CASE("the text format follows the centred flag, then the font's layout flags") {
  constexpr std::uint32_t kCentred = 0x1 | 0x4 | 0x20 | 0x800 | 0x8000;
  constexpr std::uint32_t kMultiLine = 0x10 | 0x800;
  constexpr std::uint32_t kEllipsis = 0x20 | 0x800 | 0x8000;
  constexpr std::uint32_t kPlain = 0x20 | 0x800;
  struct Case {
    bool centred, multiLine, ellipsis;
    std::uint32_t format;
  };
  const Case cases[] = {
      {true, true, true, kCentred},
      {false, true, true, kMultiLine},
      {false, false, true, kEllipsis},
      {false, false, false, kPlain},
  };
  s::base::Owned<Basic> drawer = Basic::create();
  for (const Case& c : cases) {
    CAPTURE(c.format);
    drawer->setCentred(c.centred);
    FontSetting font;
    font.setMultiLine(c.multiLine);
    font.setEllipsis(c.ellipsis);
    DrawCanvas canvas(4, 4);
    drawer->paint(canvas.surface(), kArea, u"Hello", font);
    REQUIRE(canvas.surface().textCalls().size() == 1);
    CHECK(canvas.surface().textCalls()[0].format == c.format);
  }
}

TEST_CASE("no text, or no room, draws nothing") {
  s::base::Owned<Basic> drawer = Basic::create();
  DrawCanvas canvas(4, 4);
  drawer->paint(canvas.surface(), kArea, u"", fontWithEffect(1));
  drawer->paint(canvas.surface(), kArea, nullptr, fontWithEffect(1));
  drawer->paint(canvas.surface(), Rect{10, 10, 10, 30}, u"Hello", fontWithEffect(1));
  drawer->paint(canvas.surface(), Rect{10, 10, 30, 9}, u"Hello", fontWithEffect(1));
  CHECK(canvas.surface().textCalls().empty());
}

TEST_CASE("a text measures one line for its preferred width and its font's rule for the least") {
  s::base::Owned<Basic> drawer = Basic::create();
  DrawCanvas canvas(4, 4);
  canvas.surface().setTextCell(5, 11);
  FontSetting plain;
  auto size = drawer->measure(canvas.surface(), u"one three", plain);
  CHECK(size.preferredWidth == 45);
  CHECK(size.minimumWidth == 45);
  CHECK(size.preferredHeight == 11);

  FontSetting multiLine;
  multiLine.setMultiLine(true);
  size = drawer->measure(canvas.surface(), u"one three", multiLine);
  CHECK(size.minimumWidth == 25);  // the widest word
  CHECK(size.preferredWidth == 45);

  FontSetting ellipsis;
  ellipsis.setEllipsis(true);
  size = drawer->measure(canvas.surface(), u"one three", ellipsis);
  CHECK(size.minimumWidth == 15);

  // An outline reaches two pixels right and down.
  size = drawer->measure(canvas.surface(), u"one three", fontWithEffect(1));
  CHECK(size.preferredWidth == 47);
  CHECK(size.preferredHeight == 13);
}

TEST_CASE("the state font is the disabled one, a link's hover setting, or the normal one") {
  s::base::Owned<Basic> drawer = Basic::create();
  for (int i = 0; i < 5; ++i) drawer->fontSetting(i).setTextColour(rgb(0, 0, i + 1));
  auto indexOf = [](const FontSetting& font) {
    return s::gui::drawer::blueOf(font.textColour()) - 1;
  };
  CHECK(indexOf(drawer->stateFont(true, false, 1)) == 0);
  CHECK(indexOf(drawer->stateFont(false, true, 1)) == 1);
  CHECK(indexOf(drawer->stateFont(true, true, 0)) == 2);
  CHECK(indexOf(drawer->stateFont(true, true, 1)) == 3);
  CHECK(indexOf(drawer->stateFont(true, true, 2)) == 4);
  CHECK(indexOf(drawer->fontSetting(9)) == 0);
  drawer->reset();
  CHECK_FALSE(drawer->fontSetting(3).isExplicit(FontSetting::kTextColour));
}

TEST_CASE("a control's font keeps what it set and takes the rest from the drawer's setting") {
  FontSetting defaults;
  defaults.setTextColour(rgb(1, 1, 1));
  defaults.setSecondColour(rgb(2, 2, 2));
  defaults.setEffect(3);
  FontSetting own;
  own.setFont(reinterpret_cast<void*>(0x99));
  own.setSecondColour(rgb(7, 7, 7));
  own.setEllipsis(true);
  const FontSetting merged = own.filledFrom(defaults);
  CHECK(merged.font() == reinterpret_cast<void*>(0x99));
  CHECK(merged.textColour() == rgb(1, 1, 1));
  CHECK(merged.secondColour() == rgb(7, 7, 7));
  CHECK(merged.effect() == 3);
  CHECK(merged.ellipsis());
  CHECK_FALSE(merged.multiLine());
  CHECK(merged.isExplicit(FontSetting::kTextColour));
  CHECK_FALSE(merged.isExplicit(FontSetting::kThirdColour));
}
