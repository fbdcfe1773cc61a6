#include "s/gui/drawer/skin/Thin.h"

#include <utility>

#include "s/thread/Pool.h"

namespace s::gui::drawer::skin {

namespace {

struct Entry {
  const char16_t* name;
  Thin::Colours colours;
};

constexpr Entry kSchemes[] = {
    {u"White",
     {rgb(0, 0, 0), rgb(255, 255, 255), rgb(68, 68, 68), rgb(119, 119, 119), rgb(176, 176, 176),
      rgb(255, 165, 0)}},
    {u"Light Gray",
     {rgb(0, 0, 0), rgb(240, 238, 228), rgb(0, 0, 0), rgb(176, 176, 176), rgb(176, 176, 176),
      rgb(255, 165, 0)}},
    {u"Black",
     {rgb(255, 255, 255), rgb(51, 51, 51), rgb(176, 176, 176), rgb(176, 176, 176),
      rgb(213, 235, 107), rgb(255, 165, 0)}},
    {u"Ivory",
     {rgb(0, 0, 0), rgb(236, 233, 216), rgb(0, 0, 0), rgb(168, 162, 128), rgb(168, 162, 128),
      rgb(255, 165, 0)}},
    {u"Sky Blue",
     {rgb(0, 0, 0), rgb(255, 255, 255), rgb(87, 133, 255), rgb(87, 133, 255), rgb(87, 133, 255),
      rgb(255, 165, 0)}},
    {u"Pink",
     {rgb(0, 0, 0), rgb(255, 255, 255), rgb(255, 93, 162), rgb(255, 93, 162), rgb(255, 93, 162),
      rgb(255, 165, 0)}},
    {u"Green",
     {rgb(0, 51, 0), rgb(255, 255, 255), rgb(143, 175, 17), rgb(143, 175, 17), rgb(143, 175, 17),
      rgb(255, 165, 0)}},
    {u"Green2",
     {rgb(0, 0, 0), rgb(213, 235, 107), rgb(0, 0, 0), rgb(0, 0, 0), rgb(0, 0, 0),
      rgb(255, 165, 0)}},
    {u"Yellow",
     {rgb(0, 0, 0), rgb(255, 255, 255), rgb(224, 206, 0), rgb(224, 206, 0), rgb(224, 206, 0),
      rgb(255, 165, 0)}},
    {u"Orange",
     {rgb(0, 0, 0), rgb(255, 255, 255), rgb(221, 135, 2), rgb(221, 135, 2), rgb(221, 135, 2),
      rgb(255, 165, 0)}},
    {u"Khaki",
     {rgb(255, 255, 255), rgb(62, 92, 0), rgb(146, 185, 65), rgb(221, 135, 2), rgb(221, 135, 2),
      rgb(255, 165, 0)}},
    {u"Indigo",
     {rgb(255, 255, 255), rgb(75, 0, 130), rgb(192, 125, 255), rgb(192, 125, 255),
      rgb(192, 125, 255), rgb(255, 165, 0)}},
    {u"Salmon Red",
     {rgb(255, 255, 255), rgb(255, 48, 92), rgb(255, 189, 203), rgb(255, 189, 203),
      rgb(255, 189, 203), rgb(255, 165, 0)}},
};

constexpr Colour kListStripe = rgb(243, 243, 243);

}  // namespace

std::int32_t Thin::schemeCount() {
  return static_cast<std::int32_t>(sizeof(kSchemes) / sizeof(kSchemes[0]));
}

s::base::Owned<Thin> Thin::createScheme(std::int32_t code) {
  if (code < 0 || code >= schemeCount()) return nullptr;
  return create(kSchemes[code].name, kSchemes[code].colours);
}

s::base::Owned<Thin> Thin::create(const char16_t* name, const Colours& c) {
  s::base::Owned<Thin> scheme = s::thread::obtain<Thin>();
  scheme->setName(name);
  const std::uint8_t tr = redOf(c.text);
  const std::uint8_t tg = greenOf(c.text);
  const std::uint8_t tb = blueOf(c.text);

  scheme->setWindowDrawer(window::win::Thin::create(c.line, c.face));

  auto button = button::win::Thin::create(c.line);
  button->normalFont().setTextColour(c.text);
  button->disabledFont().setTextColour(c.text);
  scheme->setButtonDrawer(std::move(button));

  auto text = text::win::Basic::create();
  text->fontSetting(0).setTextColour(c.text);
  text->fontSetting(1).setTextColour(c.text);
  scheme->setTextDrawer(std::move(text));

  scheme->setScrollBarDrawer(scrollbar::win::Thin::create(c.line, c.face));

  auto checkBox = checkbox::win::Thin::create(c.line, c.text);
  checkBox->setDisabledCaptionColour(tr, tg, tb);
  scheme->setCheckBoxDrawer(std::move(checkBox));

  auto radio = radiobutton::win::Thin::create(c.line, c.text);
  radio->setDisabledCaptionColour(tr, tg, tb);
  scheme->setRadioButtonDrawer(std::move(radio));

  scheme->setSliderDrawer(slider::win::Thin::create(c.line, c.sliderBar));
  scheme->setCounterDrawer(counter::win::Basic::create(c.counterFirst, c.counterSecond));

  auto header = listheader::win::Thin::create(c.line, c.face);
  header->setCaptionColour(tr, tg, tb);
  scheme->setListHeaderDrawer(std::move(header));

  scheme->setListBoxDrawer(listbox::win::Thin::create(c.face, c.text, c.line, c.face, kListStripe));
  scheme->setStatusBarDrawer(statusbar::win::Thin::create(c.line));
  scheme->setMenuDrawer(menu::win::Basic::create(c.text, c.line, c.face));

  auto combo = combo::win::Thin::create(c.text, c.line);
  combo->setSecondCaptionColour(tr, tg, tb);
  scheme->setComboDrawer(std::move(combo));

  auto group = groupbox::win::Thin::create(c.line);
  group->setCaptionColour(tr, tg, tb);
  group->setDisabledCaptionColour(tr, tg, tb);
  scheme->setGroupBoxDrawer(std::move(group));

  scheme->setTabBoxDrawer(tabbox::win::Thin::create(c.line));
  return scheme;
}

}  // namespace s::gui::drawer::skin
