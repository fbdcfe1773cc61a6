#include "s/gui/drawer/skin/ThinWindow.h"

#include <utility>

#include "s/thread/Pool.h"

namespace s::gui::drawer::skin {

namespace {

struct Entry {
  const char16_t* name;
  ThinWindow::Colours colours;
};

constexpr Entry kSchemes[] = {
    {u"White",
     {rgb(255, 255, 255), rgb(68, 68, 68), rgb(204, 204, 204), rgb(68, 68, 68), rgb(68, 68, 68),
      rgb(0, 0, 0), rgb(238, 238, 238), rgb(119, 119, 119), rgb(119, 119, 119), rgb(255, 255, 255),
      rgb(255, 255, 255), rgb(0, 0, 0), rgb(238, 238, 238), rgb(119, 119, 119), rgb(255, 165, 0)}},
    {u"Ivory",
     {rgb(242, 240, 230), rgb(0, 0, 0), rgb(170, 170, 170), rgb(0, 0, 0), rgb(0, 0, 0),
      rgb(0, 0, 0), rgb(238, 238, 238), rgb(176, 176, 176), rgb(176, 176, 176), rgb(240, 238, 228),
      rgb(255, 255, 255), rgb(0, 0, 0), rgb(238, 238, 238), rgb(176, 176, 176), rgb(255, 165, 0)}},
    {u"Black",
     {rgb(51, 51, 51), rgb(85, 85, 85), rgb(85, 85, 85), rgb(176, 176, 176), rgb(176, 176, 176),
      rgb(255, 255, 255), rgb(51, 51, 51), rgb(153, 153, 153), rgb(204, 204, 204), rgb(0, 0, 0),
      rgb(255, 255, 255), rgb(0, 0, 0), rgb(238, 238, 238), rgb(213, 235, 107), rgb(255, 165, 0)}},
    {u"Black II",
     {rgb(51, 51, 51), rgb(85, 85, 85), rgb(85, 85, 85), rgb(176, 176, 176), rgb(176, 176, 176),
      rgb(221, 221, 221), rgb(51, 51, 51), rgb(153, 153, 153), rgb(204, 204, 204), rgb(0, 0, 0),
      rgb(255, 255, 255), rgb(0, 0, 0), rgb(238, 238, 238), rgb(213, 235, 107), rgb(255, 165, 0)}},
    {u"Black Black",
     {rgb(0, 0, 0), rgb(51, 51, 51), rgb(51, 51, 51), rgb(176, 176, 176), rgb(176, 176, 176),
      rgb(255, 255, 255), rgb(51, 51, 51), rgb(153, 153, 153), rgb(204, 204, 204), rgb(0, 0, 0),
      rgb(255, 255, 255), rgb(0, 0, 0), rgb(238, 238, 238), rgb(213, 235, 107), rgb(255, 165, 0)}},
    {u"Black Black II",
     {rgb(0, 0, 0), rgb(51, 51, 51), rgb(51, 51, 51), rgb(176, 176, 176), rgb(176, 176, 176),
      rgb(221, 221, 221), rgb(51, 51, 51), rgb(153, 153, 153), rgb(204, 204, 204), rgb(0, 0, 0),
      rgb(255, 255, 255), rgb(0, 0, 0), rgb(238, 238, 238), rgb(213, 235, 107), rgb(255, 165, 0)}},
    {u"Classic LG",
     {rgb(116, 116, 116), rgb(17, 17, 17), rgb(86, 86, 86), rgb(17, 17, 17), rgb(17, 17, 17),
      rgb(255, 255, 255), rgb(51, 51, 51), rgb(116, 116, 116), rgb(25, 25, 25), rgb(255, 255, 255),
      rgb(49, 49, 49), rgb(191, 191, 191), rgb(56, 56, 56), rgb(195, 234, 0), rgb(25, 25, 25)}},
    {u"Beige",
     {rgb(236, 233, 216), rgb(0, 0, 0), rgb(170, 170, 170), rgb(0, 0, 0), rgb(0, 0, 0),
      rgb(0, 0, 0), rgb(238, 238, 238), rgb(168, 162, 128), rgb(168, 162, 128), rgb(236, 233, 216),
      rgb(255, 255, 255), rgb(0, 0, 0), rgb(238, 238, 238), rgb(168, 162, 128), rgb(255, 165, 0)}},
    {u"Sky Blue",
     {rgb(194, 223, 255), rgb(87, 133, 255), rgb(87, 133, 255), rgb(87, 133, 255),
      rgb(87, 133, 255), rgb(0, 0, 0), rgb(238, 238, 238), rgb(87, 133, 255), rgb(87, 133, 255),
      rgb(255, 255, 255), rgb(255, 255, 255), rgb(0, 0, 0), rgb(238, 238, 238), rgb(87, 133, 255),
      rgb(255, 165, 0)}},
    {u"Pink",
     {rgb(255, 194, 230), rgb(255, 93, 162), rgb(255, 93, 162), rgb(255, 93, 162),
      rgb(255, 93, 162), rgb(0, 0, 0), rgb(238, 238, 238), rgb(255, 93, 162), rgb(255, 93, 162),
      rgb(255, 255, 255), rgb(255, 255, 255), rgb(0, 0, 0), rgb(238, 238, 238), rgb(255, 48, 92),
      rgb(255, 165, 0)}},
    {u"Salmon Red",
     {rgb(255, 48, 92), rgb(255, 189, 203), rgb(255, 189, 203), rgb(255, 189, 203),
      rgb(255, 189, 203), rgb(255, 255, 255), rgb(51, 51, 51), rgb(255, 189, 203),
      rgb(255, 189, 203), rgb(255, 48, 92), rgb(255, 255, 255), rgb(0, 0, 0), rgb(238, 238, 238),
      rgb(255, 194, 230), rgb(255, 165, 0)}},
    {u"Yellow",
     {rgb(252, 255, 91), rgb(224, 206, 0), rgb(224, 206, 0), rgb(224, 206, 0), rgb(224, 206, 0),
      rgb(0, 0, 0), rgb(238, 238, 238), rgb(224, 206, 0), rgb(224, 206, 0), rgb(255, 255, 255),
      rgb(255, 255, 255), rgb(0, 0, 0), rgb(238, 238, 238), rgb(168, 255, 83), rgb(255, 165, 0)}},
    {u"Green",
     {rgb(184, 255, 61), rgb(129, 160, 7), rgb(129, 160, 7), rgb(129, 160, 7), rgb(129, 160, 7),
      rgb(0, 0, 0), rgb(238, 238, 238), rgb(143, 175, 17), rgb(143, 175, 17), rgb(255, 255, 255),
      rgb(255, 255, 255), rgb(0, 0, 0), rgb(238, 238, 238), rgb(143, 175, 17), rgb(255, 165, 0)}},
    {u"Orange",
     {rgb(255, 207, 61), rgb(221, 135, 2), rgb(221, 135, 2), rgb(221, 135, 2), rgb(221, 135, 2),
      rgb(0, 0, 0), rgb(238, 238, 238), rgb(221, 135, 2), rgb(221, 135, 2), rgb(255, 255, 255),
      rgb(255, 255, 255), rgb(0, 0, 0), rgb(238, 238, 238), rgb(255, 255, 255), rgb(255, 165, 0)}},
    {u"Khaki",
     {rgb(62, 92, 0), rgb(146, 185, 65), rgb(146, 185, 65), rgb(146, 185, 65), rgb(146, 185, 65),
      rgb(255, 255, 255), rgb(51, 51, 51), rgb(221, 135, 2), rgb(221, 135, 2), rgb(62, 92, 0),
      rgb(255, 255, 255), rgb(0, 0, 0), rgb(238, 238, 238), rgb(213, 235, 107), rgb(255, 165, 0)}},
    {u"Indigo",
     {rgb(49, 0, 130), rgb(192, 125, 255), rgb(192, 125, 255), rgb(192, 125, 255),
      rgb(192, 125, 255), rgb(255, 255, 255), rgb(51, 51, 51), rgb(195, 158, 255),
      rgb(195, 158, 255), rgb(49, 0, 130), rgb(255, 255, 255), rgb(0, 0, 0), rgb(238, 238, 238),
      rgb(192, 125, 255), rgb(255, 165, 0)}},
};

}  // namespace

std::int32_t ThinWindow::schemeCount() {
  return static_cast<std::int32_t>(sizeof(kSchemes) / sizeof(kSchemes[0]));
}

s::base::Owned<ThinWindow> ThinWindow::createScheme(std::int32_t code) {
  if (code < 0 || code >= schemeCount()) return nullptr;
  return create(kSchemes[code].name, kSchemes[code].colours);
}

s::base::Owned<ThinWindow> ThinWindow::create(const char16_t* name, const Colours& c) {
  s::base::Owned<ThinWindow> scheme = s::thread::obtain<ThinWindow>();
  scheme->setName(name);

  auto window = window::win::Thin::create(c.frame, c.face);
  scheme->setWindowDrawer(std::move(window));

  auto button = button::win::Thin::create(c.line);
  button->setDisabledLineColour(redOf(c.disabled), greenOf(c.disabled), blueOf(c.disabled));
  button->setHotLineColour(redOf(c.line), greenOf(c.line), blueOf(c.line));
  button->setHotFillColour(redOf(c.hotFill), greenOf(c.hotFill), blueOf(c.hotFill));
  button->normalFont().setTextColour(c.text);
  button->disabledFont().setTextColour(c.disabled);
  button->hotFont().setTextColour(c.hotText);
  scheme->setButtonDrawer(std::move(button));

  auto text = text::win::Basic::create();
  text->fontSetting(0).setTextColour(c.text);
  text->fontSetting(0).setSecondColour(c.face);
  text->fontSetting(0).setThirdColour(c.textThird);
  text->fontSetting(1).setTextColour(c.disabled);
  text->fontSetting(2).setTextColour(c.text);
  text->fontSetting(3).setTextColour(c.line);
  scheme->setTextDrawer(std::move(text));

  scheme->setScrollBarDrawer(scrollbar::win::Thin::create(c.line, c.bar));

  auto checkBox = checkbox::win::Thin::create(c.line, c.text);
  checkBox->setDisabledCaptionColour(redOf(c.disabled), greenOf(c.disabled), blueOf(c.disabled));
  scheme->setCheckBoxDrawer(std::move(checkBox));

  auto radio = radiobutton::win::Thin::create(c.line, c.text);
  radio->setDisabledCaptionColour(redOf(c.disabled), greenOf(c.disabled), blueOf(c.disabled));
  scheme->setRadioButtonDrawer(std::move(radio));

  auto slider = slider::win::Thin::create(c.line, c.bar);
  slider->setDisabledColour(redOf(c.disabled), greenOf(c.disabled), blueOf(c.disabled));
  scheme->setSliderDrawer(std::move(slider));

  scheme->setCounterDrawer(counter::win::Basic::create(c.counterFirst, c.counterSecond));

  auto header = listheader::win::Thin::create(c.line, c.hotFill);
  header->setCaptionColour(redOf(c.hotText), greenOf(c.hotText), blueOf(c.hotText));
  scheme->setListHeaderDrawer(std::move(header));

  scheme->setListBoxDrawer(
      listbox::win::Thin::create(c.listFirst, c.listSecond, c.hotFill, c.hotText, c.listFifth));
  scheme->setStatusBarDrawer(statusbar::win::Thin::create(c.line));

  auto menu = menu::win::Basic::create(c.text, c.line, c.face);
  ICombo& menuCombo = menu->comboDrawer();
  menuCombo.setTextColour(redOf(c.text), greenOf(c.text), blueOf(c.text));
  menuCombo.setLineColour(redOf(c.line), greenOf(c.line), blueOf(c.line));
  menuCombo.setSecondCaptionColour(redOf(c.text), greenOf(c.text), blueOf(c.text));
  scheme->setMenuDrawer(std::move(menu));

  auto combo = combo::win::Thin::create(c.text, c.line);
  combo->setSecondCaptionColour(redOf(c.text), greenOf(c.text), blueOf(c.text));
  scheme->setComboDrawer(std::move(combo));

  auto group = groupbox::win::Thin::create(c.groupLine);
  group->setCaptionColour(redOf(c.text), greenOf(c.text), blueOf(c.text));
  group->setDisabledCaptionColour(redOf(c.text), greenOf(c.text), blueOf(c.text));
  scheme->setGroupBoxDrawer(std::move(group));

  auto tabs = tabbox::win::Thin::create(c.line);
  for (std::int32_t i = 0; i < 3; ++i) tabs->captionFont(i).setTextColour(c.text);
  scheme->setTabBoxDrawer(std::move(tabs));
  return scheme;
}

}  // namespace s::gui::drawer::skin
