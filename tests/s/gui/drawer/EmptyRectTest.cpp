#include <doctest/doctest.h>

#include <functional>
#include <string>
#include <vector>

#include "s/gui/drawer/IMenuCaption.h"
#include "s/gui/drawer/border/Thin.h"
#include "s/gui/drawer/border/UnderWindowMenu.h"
#include "s/gui/drawer/button/Thin.h"
#include "s/gui/drawer/checkbox/Thin.h"
#include "s/gui/drawer/combo/Thin.h"
#include "s/gui/drawer/counter/Basic.h"
#include "s/gui/drawer/groupbox/Thin.h"
#include "s/gui/drawer/image/Basic.h"
#include "s/gui/drawer/listbox/Thin.h"
#include "s/gui/drawer/listheader/Thin.h"
#include "s/gui/drawer/menu/Basic.h"
#include "s/gui/drawer/radiobutton/Thin.h"
#include "s/gui/drawer/scrollbar/Thin.h"
#include "s/gui/drawer/slider/Thin.h"
#include "s/gui/drawer/statusbar/Basic.h"
#include "s/gui/drawer/statusbar/BasicResizer.h"
#include "s/gui/drawer/statusbar/Thin.h"
#include "s/gui/drawer/tabbox/Thin.h"
#include "s/gui/drawer/text/Basic.h"
#include "s/gui/drawer/window/Thin.h"
#include "support/DrawCanvas.h"

using namespace s::gui::drawer;
using s::gui::win::FontSetting;
using support::DrawCanvas;

namespace {

class Title final : public IMenuCaption {
 public:
  const char16_t* caption() const override { return u"File"; }
  Colour adjustColour(Colour colour) const override { return colour; }
};

struct Painter {
  std::string name;
  std::function<void(ISurface&, const Rect&)> paint;
};

}  // namespace

TEST_CASE("every drawer paints nothing into a rectangle without width or height") {
  const Colour line = rgb(17, 17, 17);
  const Colour face = rgb(200, 200, 200);
  FontSetting font;
  font.setEffect(1);
  auto window = window::win::Thin::create(line, face);
  window->setTopCornerStyle(2);
  auto underline = border::win::UnderWindowMenu::create();
  auto border = border::win::Thin::create();
  auto bar = statusbar::win::Basic::create();
  bar->setGradient(true);
  bar->setSizeGrip(true);
  auto grip = statusbar::win::BasicResizer::create();
  auto thinBar = statusbar::win::Thin::create(line);
  auto checkBox = checkbox::win::Thin::create(line, face);
  auto radio = radiobutton::win::Thin::create(line, face);
  auto button = button::win::Thin::create(line);
  auto text = text::win::Basic::create();
  auto menu = menu::win::Basic::create(line, face, line);
  auto picture = s::thread::obtain<s::image::win::BufferedImage>();
  picture->create(4, 4);
  auto image = image::win::Basic::create();
  auto scrollBar = scrollbar::win::Thin::create(line, face);
  auto slider = slider::win::Thin::create(line, face);
  auto counter = counter::win::Basic::create(line, face);
  auto header = listheader::win::Thin::create(line, face);
  auto list = listbox::win::Thin::create(face, line, line, face, face);
  auto combo = combo::win::Thin::create(line, line);
  auto group = groupbox::win::Thin::create(line);
  auto tabs = tabbox::win::Thin::create(line);
  Title title;
  const IMenuCaption* titles[1] = {&title};

  const std::vector<Painter> painters = {
      {"window", [&](ISurface& s, const Rect& r) { window->paint(s, r); }},
      {"line under the menu",
       [&](ISurface& s, const Rect& r) { underline->paint(s, r, 0, 0, line); }},
      {"border", [&](ISurface& s, const Rect& r) { border->paint(s, r, 0, 2, line); }},
      {"status bar", [&](ISurface& s, const Rect& r) { bar->paint(s, r); }},
      {"size grip", [&](ISurface& s, const Rect& r) { grip->paint(s, r); }},
      {"thin status bar", [&](ISurface& s, const Rect& r) { thinBar->paint(s, r); }},
      {"check box",
       [&](ISurface& s, const Rect& r) {
         checkBox->paint(s, r, 13, u"Keep", nullptr, true, true, true);
       }},
      {"radio button",
       [&](ISurface& s, const Rect& r) {
         radio->paint(s, r, 13, u"One", nullptr, true, true, true);
       }},
      {"button",
       [&](ISurface& s, const Rect& r) {
         button->paint(s, r, 1, u"OK", true, font, true, true, true);
       }},
      {"glyph button",
       [&](ISurface& s, const Rect& r) {
         button->paint(s, r, 0, u"#X", false, font, true, false, true);
       }},
      {"text", [&](ISurface& s, const Rect& r) { text->paint(s, r, u"Hello", font); }},
      {"menu",
       [&](ISurface& s, const Rect& r) {
         menu->paint(s, r, titles, &r, 1, line, face, 2, 2, 0, true, false);
       }},
      {"menu as one field",
       [&](ISurface& s, const Rect& r) {
         menu->paint(s, r, titles, &r, 1, line, face, 2, 2, 0, true, true);
       }},
      {"image",
       [&](ISurface& s, const Rect& r) {
         image->paint(s, nullptr, r, picture.get(), true, true, false);
       }},
      {"scroll bar",
       [&](ISurface& s, const Rect& r) { scrollBar->paint(s, r, true, 0, 100, 10, 50, true); }},
      {"slider", [&](ISurface& s, const Rect& r) { slider->paint(s, r, false, 0, 10, 5, true); }},
      {"counter", [&](ISurface& s, const Rect& r) { counter->paint(s, r, 3, 10); }},
      {"list header",
       [&](ISurface& s, const Rect& r) { header->paint(s, r, u"Name", nullptr, true); }},
      {"list background", [&](ISurface& s, const Rect& r) { list->paintBackground(s, r); }},
      {"list row",
       [&](ISurface& s, const Rect& r) {
         list->paintItem(s, r, 1, u"Row", nullptr, true, true, true);
       }},
      {"combo", [&](ISurface& s, const Rect& r) { combo->paint(s, r, u"Pick", font, 2); }},
      {"group box",
       [&](ISurface& s, const Rect& r) { group->paint(s, r, u"Group", nullptr, true); }},
      {"tab box", [&](ISurface& s, const Rect& r) { tabs->paint(s, r); }},
  };
  for (const Painter& painter : painters) {
    CAPTURE(painter.name);
    for (const Rect& rect : {Rect{5, 5, 5, 30}, Rect{5, 5, 30, 5}, Rect{9, 5, 5, 30}}) {
      DrawCanvas canvas(40, 40);
      painter.paint(canvas.surface(), rect);
      CHECK(canvas.untouched());
      CHECK(canvas.surface().textCalls().empty());
    }
    // The same drawer does paint into a real rectangle, so the emptiness above is its own.
    DrawCanvas canvas(40, 40);
    painter.paint(canvas.surface(), Rect{0, 0, 40, 40});
    if (painter.name != "thin status bar" && painter.name != "tab box") {
      CHECK((!canvas.untouched() || !canvas.surface().textCalls().empty()));
    }
  }
}
