#include <doctest/doctest.h>

#include <string>
#include <utility>
#include <vector>

#include "s/gui/drawer/Skinner.h"
#include "s/gui/drawer/skin/Thin.h"
#include "s/gui/drawer/skin/ThinWindow.h"
#include "s/gui/events/IEventListener.h"
#include "s/thread/Pool.h"

using s::gui::drawer::Colour;
using s::gui::drawer::ISkin;
using s::gui::drawer::rgb;
using s::gui::drawer::Skinner;

namespace {

class Recorder final : public s::gui::events::IEventListener {
 public:
  void event(s::base::IObject* source, std::int32_t code) override {
    events.emplace_back(source, code);
  }
  std::vector<std::pair<s::base::IObject*, std::int32_t>> events;
};

std::u16string nameOf(const ISkin* scheme) { return scheme->name().text(); }

// The fifteen colours of a "ThinWindow" scheme read back from the drawers that carry them.
std::vector<Colour> thinWindowColours(ISkin& scheme) {
  return {scheme.windowDrawer()->faceColour(),
          scheme.windowDrawer()->borderColour(),
          scheme.buttonDrawer()->disabledLineColour(),
          scheme.buttonDrawer()->lineColour(),
          scheme.groupBoxDrawer()->lineColour(),
          scheme.textDrawer()->fontSetting(0).textColour(),
          scheme.textDrawer()->fontSetting(0).thirdColour(),
          scheme.scrollBarDrawer()->barColour(),
          scheme.buttonDrawer()->hotFillColour(),
          scheme.buttonDrawer()->hotFont().textColour(),
          scheme.listBoxDrawer()->colour(0),
          scheme.listBoxDrawer()->colour(1),
          scheme.listBoxDrawer()->colour(4),
          scheme.counterDrawer()->firstColour(),
          scheme.counterDrawer()->secondColour()};
}

// Text, face, line, slider bar and the two counter colours of a "Thin" scheme.
std::vector<Colour> thinColours(ISkin& scheme) {
  return {scheme.textDrawer()->fontSetting(0).textColour(),
          scheme.windowDrawer()->faceColour(),
          scheme.windowDrawer()->borderColour(),
          scheme.sliderDrawer()->barColour(),
          scheme.counterDrawer()->firstColour(),
          scheme.counterDrawer()->secondColour()};
}

ISkin& schemeNamed(Skinner& skin, const char16_t* name) {
  std::int32_t index;
  REQUIRE(skin.findScheme(name, &index));
  return *skin.schemeAt(static_cast<std::uint32_t>(index));
}

}  // namespace

TEST_CASE("a new ThinWindow skin lists its sixteen schemes in order, none of them current") {
  s::base::Owned<Skinner> skin = Skinner::createThinWindow();
  CHECK(std::u16string(skin->kind().text()) == u"ThinWindow");
  const std::u16string names[] = {u"White",       u"Ivory",          u"Black",      u"Black II",
                                  u"Black Black", u"Black Black II", u"Classic LG", u"Beige",
                                  u"Sky Blue",    u"Pink",           u"Salmon Red", u"Yellow",
                                  u"Green",       u"Orange",         u"Khaki",      u"Indigo"};
  REQUIRE(skin->schemeCount() == 16);
  for (std::uint32_t i = 0; i < 16; ++i) {
    CAPTURE(i);
    CHECK(std::u16string(skin->schemeNameAt(i).text()) == names[i]);
    CHECK(nameOf(skin->schemeAt(i)) == names[i]);
    CHECK(std::u16string(skin->schemeAt(i)->className()) == u"s_gui_drawer_skin_ThinWindow");
  }
  CHECK(skin->currentScheme() == nullptr);
}

TEST_CASE("a Thin skin lists its thirteen schemes in order") {
  s::base::Owned<Skinner> skin = Skinner::create(u"Thin");
  const std::u16string names[] = {u"White", u"Light Gray", u"Black",     u"Ivory",  u"Sky Blue",
                                  u"Pink",  u"Green",      u"Green2",    u"Yellow", u"Orange",
                                  u"Khaki", u"Indigo",     u"Salmon Red"};
  REQUIRE(skin->schemeCount() == 13);
  for (std::uint32_t i = 0; i < 13; ++i) {
    CAPTURE(i);
    CHECK(nameOf(skin->schemeAt(i)) == names[i]);
    CHECK(std::u16string(skin->schemeAt(i)->className()) == u"s_gui_drawer_skin_Thin");
  }
}

TEST_CASE("Classic LG is the seventh scheme, and its drawers carry its colours") {
  s::base::Owned<Skinner> skin = Skinner::createThinWindow();
  Recorder listener;
  skin->addListener(&listener);
  skin->selectScheme(u"Classic LG");
  REQUIRE(skin->currentScheme() == skin->schemeAt(6));
  REQUIRE(listener.events.size() == 1);
  CHECK(listener.events[0].first == skin.get());
  CHECK(listener.events[0].second == 0);

  ISkin& scheme = *skin->currentScheme();
  const auto* window = scheme.windowDrawer();
  CHECK(window->faceColour() == rgb(116, 116, 116));
  CHECK(window->borderColour() == rgb(17, 17, 17));
  CHECK(window->topCornerStyle() == 0);
  CHECK(window->bottomCornerStyle() == 0);
  CHECK_FALSE(window->isTransparent());

  auto* button = scheme.buttonDrawer();
  CHECK(button->lineColour() == rgb(17, 17, 17));
  CHECK(button->disabledLineColour() == rgb(86, 86, 86));
  CHECK(button->hotLineColour() == rgb(17, 17, 17));
  CHECK(button->hotFillColour() == rgb(25, 25, 25));
  CHECK(button->normalFont().textColour() == rgb(255, 255, 255));
  CHECK(button->disabledFont().textColour() == rgb(86, 86, 86));
  CHECK(button->hotFont().textColour() == rgb(255, 255, 255));
  CHECK(button->pushContent());

  auto* text = scheme.textDrawer();
  CHECK(text->fontSetting(0).textColour() == rgb(255, 255, 255));
  CHECK(text->fontSetting(0).secondColour() == rgb(116, 116, 116));
  CHECK(text->fontSetting(0).thirdColour() == rgb(51, 51, 51));
  CHECK(text->fontSetting(1).textColour() == rgb(86, 86, 86));
  CHECK(text->fontSetting(2).textColour() == rgb(255, 255, 255));
  CHECK(text->fontSetting(3).textColour() == rgb(17, 17, 17));

  CHECK(thinWindowColours(scheme) ==
        std::vector<Colour>{rgb(116, 116, 116), rgb(17, 17, 17), rgb(86, 86, 86), rgb(17, 17, 17),
                            rgb(17, 17, 17), rgb(255, 255, 255), rgb(51, 51, 51),
                            rgb(116, 116, 116), rgb(25, 25, 25), rgb(255, 255, 255),
                            rgb(49, 49, 49), rgb(191, 191, 191), rgb(56, 56, 56), rgb(195, 234, 0),
                            rgb(25, 25, 25)});

  skin->selectScheme(u"Classic LG");
  CHECK(listener.events.size() == 1);
}

TEST_CASE("other schemes carry their whole rows of colours") {
  s::base::Owned<Skinner> windows = Skinner::createThinWindow();
  CHECK(thinWindowColours(schemeNamed(*windows, u"Indigo")) ==
        std::vector<Colour>{rgb(49, 0, 130), rgb(192, 125, 255), rgb(192, 125, 255),
                            rgb(192, 125, 255), rgb(192, 125, 255), rgb(255, 255, 255),
                            rgb(51, 51, 51), rgb(195, 158, 255), rgb(195, 158, 255),
                            rgb(49, 0, 130), rgb(255, 255, 255), rgb(0, 0, 0), rgb(238, 238, 238),
                            rgb(192, 125, 255), rgb(255, 165, 0)});
  // "Black" and "Black II" differ only in the text colour.
  std::vector<Colour> black = thinWindowColours(schemeNamed(*windows, u"Black"));
  std::vector<Colour> blackII = thinWindowColours(schemeNamed(*windows, u"Black II"));
  CHECK(black[5] == rgb(255, 255, 255));
  CHECK(blackII[5] == rgb(221, 221, 221));
  black[5] = blackII[5];
  CHECK(black == blackII);

  s::base::Owned<Skinner> thin = Skinner::create(u"Thin");
  CHECK(thinColours(schemeNamed(*thin, u"Green")) ==
        std::vector<Colour>{rgb(0, 51, 0), rgb(255, 255, 255), rgb(143, 175, 17), rgb(143, 175, 17),
                            rgb(143, 175, 17), rgb(255, 165, 0)});
  CHECK(thinColours(schemeNamed(*thin, u"Khaki")) ==
        std::vector<Colour>{rgb(255, 255, 255), rgb(62, 92, 0), rgb(146, 185, 65), rgb(221, 135, 2),
                            rgb(221, 135, 2), rgb(255, 165, 0)});
  ISkin& indigo = schemeNamed(*thin, u"Indigo");
  CHECK(indigo.windowDrawer()->faceColour() == rgb(75, 0, 130));
  CHECK(indigo.listBoxDrawer()->colour(4) == rgb(243, 243, 243));
  CHECK(indigo.listBoxDrawer()->colour(2) == rgb(192, 125, 255));
  CHECK(indigo.menuDrawer()->highlightedTextColour() == rgb(75, 0, 130));
}

TEST_CASE("a name that is not listed exactly selects the first scheme") {
  s::base::Owned<Skinner> skin = Skinner::createThinWindow();
  std::int32_t index = 5;
  CHECK_FALSE(skin->findScheme(u"classic lg", &index));
  CHECK(index == -1);
  CHECK(skin->findScheme(u"Black Black II", &index));
  CHECK(index == 5);
  for (const char16_t* name : {u"classic lg", u"", u"Classic LG ", u"Whit"}) {
    skin->selectScheme(u"Indigo");
    skin->selectScheme(name);
    CHECK(nameOf(skin->currentScheme()) == u"White");
  }
}

TEST_CASE("a skin given back and taken again is an empty Basic skin without listeners") {
  Recorder listener;
  const Skinner* released = nullptr;
  {
    s::base::Owned<Skinner> skin = Skinner::createThinWindow();
    skin->addListener(&listener);
    skin->selectScheme(u"Pink");
    released = skin.get();
  }
  s::base::Owned<Skinner> again = s::thread::obtain<Skinner>();
  // The pool hands back the same object, so the checks below see what its reset left.
  CHECK(again.get() == released);
  CHECK(std::u16string(again->kind().text()) == u"Basic");
  CHECK(again->schemeCount() == 0);
  CHECK(again->listenerCount() == 0);
  CHECK(again->currentScheme() == nullptr);
  // Without schemes nothing can be chosen.
  again->loadSchemes();
  again->selectScheme(u"White");
  CHECK(again->currentScheme() == nullptr);
  CHECK(listener.events.size() == 1);
}

TEST_CASE("scheme factories answer nothing outside their lists, and schemes give drawers back") {
  CHECK_FALSE(s::gui::drawer::skin::ThinWindow::createScheme(16));
  CHECK_FALSE(s::gui::drawer::skin::ThinWindow::createScheme(-1));
  CHECK_FALSE(s::gui::drawer::skin::Thin::createScheme(13));
  s::base::Owned<s::gui::drawer::skin::Thin> scheme = s::gui::drawer::skin::Thin::createScheme(12);
  REQUIRE(scheme);
  CHECK(nameOf(scheme.get()) == u"Salmon Red");
  scheme->reset();
  CHECK(scheme->name().length() == 0);
  CHECK(scheme->windowDrawer() == nullptr);
  CHECK(scheme->tabBoxDrawer() == nullptr);

  // A setter hands the previous drawer back to the caller.
  auto first = s::gui::drawer::window::win::Thin::create(rgb(1, 1, 1), rgb(2, 2, 2));
  auto* firstPointer = first.get();
  CHECK_FALSE(scheme->setWindowDrawer(std::move(first)));
  auto previous = scheme->setWindowDrawer(
      s::gui::drawer::window::win::Thin::create(rgb(3, 3, 3), rgb(4, 4, 4)));
  CHECK(previous.get() == firstPointer);
  CHECK(scheme->windowDrawer()->borderColour() == rgb(3, 3, 3));
}

TEST_CASE("a removed listener hears no more changes; the others still do, once each") {
  Recorder first;
  Recorder second;
  s::base::Owned<Skinner> skin = Skinner::createThinWindow();
  skin->addListener(&first);
  skin->addListener(&second);
  skin->addListener(&first);
  skin->removeListener(&first);
  skin->removeListener(&second);
  // Not registered (any more): nothing changes.
  skin->removeListener(&second);
  CHECK(skin->listenerCount() == 1);
  skin->selectScheme(u"Pink");
  CHECK(first.events.size() == 1);
  CHECK(second.events.empty());
}
