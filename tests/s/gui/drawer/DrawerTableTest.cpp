#include <doctest/doctest.h>

#include <algorithm>
#include <functional>
#include <memory>
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
  IDrawer* drawer;
  std::u16string className;
  std::function<void(ISurface&, const Rect&)> paint;
  // Paints nothing by design.
  bool blank = false;
};

constexpr Colour kLine = rgb(17, 17, 17);
constexpr Colour kFace = rgb(200, 200, 200);

// One drawer of every kind, configured, and how to paint each into a rectangle.
struct Drawers {
  s::base::Owned<window::win::Thin> window = window::win::Thin::create(kLine, kFace);
  s::base::Owned<border::win::UnderWindowMenu> underline = border::win::UnderWindowMenu::create();
  s::base::Owned<border::win::Thin> border = border::win::Thin::create();
  s::base::Owned<statusbar::win::Basic> bar = statusbar::win::Basic::create();
  s::base::Owned<statusbar::win::BasicResizer> grip = statusbar::win::BasicResizer::create();
  s::base::Owned<statusbar::win::Thin> thinBar = statusbar::win::Thin::create(kLine);
  s::base::Owned<checkbox::win::Thin> checkBox = checkbox::win::Thin::create(kLine, kFace);
  s::base::Owned<radiobutton::win::Thin> radio = radiobutton::win::Thin::create(kLine, kFace);
  s::base::Owned<button::win::Thin> button = button::win::Thin::create(kLine);
  s::base::Owned<text::win::Basic> text = text::win::Basic::create();
  s::base::Owned<menu::win::Basic> menu = menu::win::Basic::create(kLine, kFace, kLine);
  s::base::Owned<s::image::win::BufferedImage> picture =
      s::thread::obtain<s::image::win::BufferedImage>();
  s::base::Owned<image::win::Basic> image = image::win::Basic::create();
  s::base::Owned<scrollbar::win::Thin> scrollBar = scrollbar::win::Thin::create(kLine, kFace);
  s::base::Owned<slider::win::Thin> slider = slider::win::Thin::create(kLine, kFace);
  s::base::Owned<counter::win::Basic> counter = counter::win::Basic::create(kLine, kFace);
  s::base::Owned<listheader::win::Thin> header = listheader::win::Thin::create(kLine, kFace);
  s::base::Owned<listbox::win::Thin> list =
      listbox::win::Thin::create(kFace, kLine, kLine, kFace, kFace);
  s::base::Owned<combo::win::Thin> combo = combo::win::Thin::create(kLine, kLine);
  s::base::Owned<groupbox::win::Thin> group = groupbox::win::Thin::create(kLine);
  s::base::Owned<tabbox::win::Thin> tabs = tabbox::win::Thin::create(kLine);
  FontSetting font;
  Title title;
  const IMenuCaption* titles[1] = {&title};
  std::vector<Painter> painters;

  Drawers() {
    font.setEffect(1);
    window->setTopCornerStyle(2);
    bar->setGradient(true);
    bar->setSizeGrip(true);
    picture->create(4, 4);
    // A mark as large as the room allows.
    auto mark = [](const Rect& r) { return std::min(13, std::min(r.width(), r.height())); };
    painters = {
        {"window", window.get(), u"s_gui_drawer_window_win_Thin",
         [this](ISurface& s, const Rect& r) { window->paint(s, r); }},
        {"line under the menu", underline.get(), u"s_gui_drawer_border_win_UnderWindowMenu",
         [this](ISurface& s, const Rect& r) { underline->paint(s, r, 0, 0, kLine); }},
        {"border", border.get(), u"s_gui_drawer_border_win_Thin",
         [this](ISurface& s, const Rect& r) { border->paint(s, r, 0, 2, kLine); }},
        {"status bar", bar.get(), u"s_gui_drawer_statusbar_win_Basic",
         [this](ISurface& s, const Rect& r) { bar->paint(s, r); }},
        {"size grip", grip.get(), u"s_gui_drawer_statusbar_win_BasicResizer",
         [this](ISurface& s, const Rect& r) { grip->paint(s, r); }},
        {"thin status bar", thinBar.get(), u"s_gui_drawer_statusbar_win_Thin",
         [this](ISurface& s, const Rect& r) { thinBar->paint(s, r); }, true},
        {"check box", checkBox.get(), u"s_gui_drawer_checkbox_win_Thin",
         [this, mark](ISurface& s, const Rect& r) {
           checkBox->paint(s, r, mark(r), u"Keep", nullptr, true, true, true);
         }},
        {"radio button", radio.get(), u"s_gui_drawer_radiobutton_win_Thin",
         [this, mark](ISurface& s, const Rect& r) {
           radio->paint(s, r, mark(r), u"One", nullptr, true, true, true);
         }},
        {"button", button.get(), u"s_gui_drawer_button_win_Thin",
         [this](ISurface& s, const Rect& r) {
           button->paint(s, r, 1, u"OK", true, font, true, true, true);
         }},
        {"glyph button", button.get(), u"s_gui_drawer_button_win_Thin",
         [this](ISurface& s, const Rect& r) {
           button->paint(s, r, 0, u"#X", false, font, true, false, true);
         }},
        {"text", text.get(), u"s_gui_drawer_text_win_Basic",
         [this](ISurface& s, const Rect& r) { text->paint(s, r, u"Hello", font); }},
        {"menu", menu.get(), u"s_gui_drawer_menu_win_Basic",
         [this](ISurface& s, const Rect& r) {
           menu->paint(s, r, titles, &r, 1, kLine, kFace, 2, 2, 0, true, false);
         }},
        {"menu as one field", menu.get(), u"s_gui_drawer_menu_win_Basic",
         [this](ISurface& s, const Rect& r) {
           menu->paint(s, r, titles, &r, 1, kLine, kFace, 2, 2, 0, true, true);
         }},
        {"image", image.get(), u"s_gui_drawer_image_win_Basic",
         [this](ISurface& s, const Rect& r) {
           image->paint(s, nullptr, r, picture.get(), true, true, false);
         }},
        {"scroll bar", scrollBar.get(), u"s_gui_drawer_scrollbar_win_Thin",
         [this](ISurface& s, const Rect& r) {
           scrollBar->paint(s, r, true, 0, 100, 10, 50, true);
         }},
        {"slider", slider.get(), u"s_gui_drawer_slider_win_Thin",
         [this](ISurface& s, const Rect& r) { slider->paint(s, r, false, 0, 10, 5, true); }},
        {"vertical slider", slider.get(), u"s_gui_drawer_slider_win_Thin",
         [this](ISurface& s, const Rect& r) { slider->paint(s, r, true, 0, 10, 10, true); }},
        {"counter", counter.get(), u"s_gui_drawer_counter_win_Basic",
         [this](ISurface& s, const Rect& r) { counter->paint(s, r, 30, 10); }},
        {"list header", header.get(), u"s_gui_drawer_listheader_win_Thin",
         [this](ISurface& s, const Rect& r) { header->paint(s, r, u"Name", nullptr, true); }},
        {"list background", list.get(), u"s_gui_drawer_listbox_win_Thin",
         [this](ISurface& s, const Rect& r) { list->paintBackground(s, r); }},
        {"list row", list.get(), u"s_gui_drawer_listbox_win_Thin",
         [this](ISurface& s, const Rect& r) {
           list->paintItem(s, r, 1, u"Row", nullptr, true, true, true);
         }},
        {"combo", combo.get(), u"s_gui_drawer_combo_win_Thin",
         [this](ISurface& s, const Rect& r) { combo->paint(s, r, u"Pick", font, 2); }},
        {"group box", group.get(), u"s_gui_drawer_groupbox_win_Thin",
         [this](ISurface& s, const Rect& r) { group->paint(s, r, u"Group", nullptr, true); }},
        {"tab box", tabs.get(), u"s_gui_drawer_tabbox_win_Thin",
         [this](ISurface& s, const Rect& r) { tabs->paint(s, r); }, true},
    };
  }
};

}  // namespace

TEST_CASE("every drawer paints nothing into a rectangle without width or height") {
  Drawers drawers;
  for (const Painter& painter : drawers.painters) {
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
    if (!painter.blank) CHECK((!canvas.untouched() || !canvas.surface().textCalls().empty()));
  }
}

TEST_CASE("every drawer keeps its pixels inside its rectangle, however small") {
  Drawers drawers;
  for (const Painter& painter : drawers.painters) {
    CAPTURE(painter.name);
    // Frame drawers paint at the origin, so every rectangle starts there.
    for (int w : {1, 2, 3, 5, 9, 30}) {
      for (int h : {1, 2, 3, 5, 9, 20}) {
        CAPTURE(w);
        CAPTURE(h);
        DrawCanvas canvas(40, 30);
        painter.paint(canvas.surface(), Rect{0, 0, w, h});
        for (const auto& pixel : canvas.painted()) {
          CHECK(pixel.first < w);
          CHECK(pixel.second < h);
        }
      }
    }
  }
}

TEST_CASE("every drawer's class name is its kind and variant, and new instances are its own") {
  Drawers drawers;
  for (const Painter& painter : drawers.painters) {
    CAPTURE(painter.name);
    CHECK(std::u16string(painter.drawer->className()) == painter.className);
    s::base::IObject* fresh = painter.drawer->newInstance();
    CHECK(std::u16string(fresh->className()) == painter.className);
    dynamic_cast<s::thread::IPoolable*>(fresh)->release();
  }
}
