#include <doctest/doctest.h>

#include <string>

#include "s/gui/drawer/IMenuCaption.h"
#include "s/gui/drawer/SystemColours.h"
#include "s/gui/drawer/border/Thin.h"
#include "s/gui/drawer/menu/Basic.h"
#include "support/DrawCanvas.h"

#ifndef _WIN32
#include "s/gui/drawer/host/HostSystemColours.h"
#endif

using s::gui::drawer::Colour;
using s::gui::drawer::IMenuCaption;
using s::gui::drawer::Rect;
using s::gui::drawer::rgb;
using s::gui::drawer::menu::win::Basic;
using support::DrawCanvas;

namespace {

constexpr Colour kNormal = rgb(0, 0, 0);
constexpr Colour kHighlighted = rgb(255, 255, 255);
constexpr Colour kFill = rgb(49, 106, 197);

// A title that greys its colour when disabled.
class Title final : public IMenuCaption {
 public:
  Title(const char16_t* text, bool enabled) : text_(text), enabled_(enabled) {}
  const char16_t* caption() const override { return text_.c_str(); }
  Colour adjustColour(Colour colour) const override {
    return enabled_ ? colour : rgb(128, 128, 128);
  }

 private:
  std::u16string text_;
  bool enabled_;
};

struct Bar {
  Title view{u"View", true};
  Title language{u"Language", true};
  Title about{u"About", false};
  const IMenuCaption* items[3] = {&view, &language, &about};
  Rect rects[3] = {Rect{0, 0, 40, 19}, Rect{40, 0, 100, 19}, Rect{100, 0, 145, 19}};
};

}  // namespace

TEST_CASE("the menu bar fills the hot title and draws every caption inset by the offsets") {
  s::base::Owned<Basic> menu = Basic::create(kNormal, kFill, kHighlighted);
  menu->setFill(true);
  menu->setShift(false);
  Bar bar;
  DrawCanvas canvas(150, 20);
  menu->paint(canvas.surface(), Rect{0, 0, 150, 20}, bar.items, bar.rects, 3, kNormal, kHighlighted,
              6, 3, 1, false, false);
  CHECK(canvas.at(40, 0) == kFill);
  CHECK(canvas.at(99, 18) == kFill);
  CHECK(canvas.at(39, 5) == DrawCanvas::kBackground);
  CHECK(canvas.at(100, 5) == DrawCanvas::kBackground);
  const auto& calls = canvas.surface().textCalls();
  REQUIRE(calls.size() == 3);
  CHECK(calls[0].text == u"View");
  CHECK(calls[0].rect == Rect{6, 3, 34, 16});
  CHECK(calls[0].colour == kNormal);
  CHECK(calls[1].rect == Rect{46, 3, 94, 16});
  CHECK(calls[1].colour == kHighlighted);
  CHECK(calls[2].colour == rgb(128, 128, 128));  // the title's own adjustment
}

TEST_CASE("without the fill flag the hot title keeps the normal colour and shifts its caption") {
  s::base::Owned<Basic> menu = Basic::create(kNormal, kFill, kHighlighted);
  CHECK_FALSE(menu->fill());
  CHECK(menu->shift());
  Bar bar;
  for (bool pressed : {false, true}) {
    CAPTURE(pressed);
    DrawCanvas canvas(150, 20);
    menu->paint(canvas.surface(), Rect{0, 0, 150, 20}, bar.items, bar.rects, 3, kNormal,
                kHighlighted, 6, 3, 0, pressed, false);
    CHECK(canvas.untouched());
    const auto& calls = canvas.surface().textCalls();
    REQUIRE(calls.size() == 3);
    const int by = pressed ? 1 : -1;
    CHECK(calls[0].rect == Rect{6 + by, 3 + by, 34, 16});
    CHECK(calls[0].colour == kNormal);
    CHECK(calls[1].rect == Rect{46, 3, 94, 16});
  }
}

TEST_CASE("in alternative mode the bar is one drop-down field showing the first title") {
  using s::gui::drawer::border::win::Thin;
  constexpr Colour kLine = rgb(17, 17, 17);
  s::base::Owned<Basic> menu = Basic::create(kNormal, kFill, kHighlighted);
  menu->comboDrawer().setLineColour(17, 17, 17);
  // The field's own caption colour must not show: the bar passes the first title's colour.
  menu->comboDrawer().setTextColour(9, 9, 9);
  struct Case {
    int highlighted;
    bool pressed;
    int state;
  };
  for (const Case& c :
       {Case{1, true, 0}, Case{-1, false, 0}, Case{0, false, 1}, Case{0, true, 2}}) {
    for (bool firstEnabled : {true, false}) {
      CAPTURE(c.highlighted);
      CAPTURE(c.pressed);
      CAPTURE(firstEnabled);
      Bar bar;
      Title first(u"View", firstEnabled);
      bar.items[0] = &first;
      DrawCanvas canvas(150, 20);
      menu->paint(canvas.surface(), Rect{0, 0, 150, 20}, bar.items, bar.rects, 3, kNormal,
                  kHighlighted, 6, 3, c.highlighted, c.pressed, true);
      CHECK(canvas.at(75, 0) == Thin::shade(kLine, c.state == 2 ? 85 : 105));
      // The arrow's separator shows only while the field is hot or pressed.
      CHECK((canvas.at(136, 10) == kLine) == (c.state != 0));
      const auto& calls = canvas.surface().textCalls();
      REQUIRE(calls.size() == 1);
      CHECK(calls[0].text == u"View");
      CHECK(calls[0].colour == (firstEnabled ? kNormal : rgb(128, 128, 128)));
      // A pressed field pushes its caption by one pixel.
      CHECK(calls[0].rect.left == (c.state == 2 ? 4 : 3));
    }
  }
}

TEST_CASE("a menu drawer without a scheme starts with the system's highlight colours") {
#ifndef _WIN32
  s::gui::drawer::host::setSystemHighlightColours(rgb(1, 2, 3), rgb(4, 5, 6));
#endif
  s::base::Owned<Basic> menu = s::thread::obtain<Basic>();
  menu->reset();
  CHECK(menu->itemFillColour() == s::gui::drawer::systemHighlightColour());
  CHECK(menu->highlightedTextColour() == s::gui::drawer::systemHighlightTextColour());
#ifndef _WIN32
  CHECK(menu->itemFillColour() == rgb(1, 2, 3));
  CHECK(menu->highlightedTextColour() == rgb(4, 5, 6));
  s::gui::drawer::host::resetSystemColours();
#endif
  CHECK(menu->fill());
  CHECK_FALSE(menu->shift());
  CHECK(&menu->fontSetting(1) != &menu->fontSetting(0));
  CHECK(menu->fontSetting(1).textColour() == menu->highlightedTextColour());
}
