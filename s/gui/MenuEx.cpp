#include "s/gui/MenuEx.h"

#include <algorithm>

#include "s/gui/INativeMenus.h"
#include "s/gui/INativeWindows.h"
#include "s/gui/drawer/ISurface.h"
#include "s/gui/drawer/IText.h"
#include "s/gui/drawer/menu/Basic.h"
#include "s/lang/Lang.h"
#include "s/lang/Localizer.h"
#include "s/str/strbuffer/StrBuffer.h"
#include "s/thread/Pool.h"

namespace s::gui::win {

using s::gui::INativeMenus;
using s::gui::IPopupMenu;
using s::gui::nativeMenus;
using s::gui::nativeWindows;
using s::gui::drawer::Rect;
using s::gui::menuitem::MenuItem;

namespace {

// The platform's message numbers and hit-test answers the bar handles.
constexpr std::uint32_t kPaintMessage = 0x000F;
constexpr std::uint32_t kEraseBackground = 0x0014;
constexpr std::uint32_t kNcHitTest = 0x0084;
constexpr std::uint32_t kCommandMessage = 0x0111;
constexpr std::uint32_t kTimerMessage = 0x0113;
constexpr std::uint32_t kInitMenuPopup = 0x0117;
constexpr std::uint32_t kMouseMove = 0x0200;
constexpr std::uint32_t kLeftButtonDown = 0x0201;
constexpr std::uint32_t kLeftButtonUp = 0x0202;
constexpr std::intptr_t kHitClient = 1;
constexpr std::intptr_t kHitTransparent = -1;

std::int32_t pointX(std::intptr_t lParam) {
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(lParam));
}
std::int32_t pointY(std::intptr_t lParam) {
  return static_cast<std::int16_t>(static_cast<std::uint16_t>(lParam >> 16));
}

bool inside(const Rect& rect, std::int32_t x, std::int32_t y) {
  return x >= rect.left && x < rect.right && y >= rect.top && y < rect.bottom;
}

}  // namespace

MenuEx::MenuEx() = default;

MenuEx::~MenuEx() {
  releaseDrawer();
  releaseFonts();
}

s::base::IObject* MenuEx::newInstance() const { return s::thread::takeFromPool<MenuEx>(); }

void MenuEx::release() { s::thread::giveBackToPool(this); }

void MenuEx::reset() {
  resetLeaf();
  for (std::uint32_t i = 0; i < entries_.count(); ++i) {
    if (MenuItem* item = commandAt(i)) {
      item->release();
    } else {
      popupAt(i)->release();
    }
  }
  entries_.clear();
  kinds_.clear();
  titles_.clear();
  rects_.clear();
  titleWidths_.clear();
  titleHeight_ = 0;
  fonts_[0].clear();
  fonts_[1].clear();
  spacingX_ = spacingY_ = 0;
  hot_ = pressedIndex_ = open_ = -1;
  pressed_ = popupOpen_ = closedBySwitching_ = false;
  closedAt_ = 0;
  everClosed_ = false;
  menuWindow_ = nullptr;
  selected_ = -1;
  singleButton_ = option_ = autoOpen_ = false;
  releaseDrawer();
  releaseFonts();
  setLocalizer(nullptr);
  selectionListeners_.clear();
  openingListeners_.clear();
  closeListeners_.clear();
}

void MenuEx::event(s::base::IObject* source, std::int32_t) {
  if (localizer_ != nullptr && source == static_cast<s::base::IObject*>(localizer_)) {
    refreshTitles();
  }
}

MenuItem* MenuEx::commandAt(std::uint32_t index) const {
  return kinds_.at(index) == kCommand ? static_cast<MenuItem*>(entries_.pointerAt(index)) : nullptr;
}

IPopupMenu* MenuEx::popupAt(std::uint32_t index) const {
  return kinds_.at(index) == kPopup ? static_cast<IPopupMenu*>(entries_.pointerAt(index)) : nullptr;
}

bool MenuEx::isTitleEnabled(std::uint32_t index) const {
  if (const MenuItem* item = commandAt(index)) return item->isEnabled();
  return popupAt(index)->isEnabled();
}

const char16_t* MenuEx::titleText(std::uint32_t index) const {
  return index < titles_.count() ? titles_.at(index)->text() : u"";
}

MenuEx::Rect MenuEx::titleRect(std::uint32_t index) const {
  return index < rects_.size() ? rects_[index] : Rect{};
}

bool MenuEx::setFontSizeCode(std::int32_t code) {
  if (!applyFontSizeCode(code)) return false;
  pushFontsToDrawer();
  updateTitles();
  return true;
}

void MenuEx::setFontColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  fonts_[0].setTextColour(red, green, blue);
  fonts_[1].setTextColour(red, green, blue);
  pushFontsToDrawer();
  redraw();
}

void MenuEx::setFontEffect(std::int32_t effect) {
  fonts_[0].setEffect(effect);
  fonts_[1].setEffect(effect);
  pushFontsToDrawer();
  updateTitles();
}

void MenuEx::setWidthPercentage(std::int32_t percent) {
  LeafComponent::setWidthPercentage(percent);
  relayoutParent();
}

void MenuEx::setHeightPercentage(std::int32_t percent) {
  LeafComponent::setHeightPercentage(percent);
  relayoutParent();
}

void MenuEx::setFixedWidth(std::int32_t width) {
  LeafComponent::setFixedWidth(width);
  relayoutParent();
}

void MenuEx::setFixedHeight(std::int32_t height) {
  LeafComponent::setFixedHeight(height);
  relayoutParent();
}

void MenuEx::setTitleSpacing(std::int32_t horizontal, std::int32_t vertical) {
  spacingX_ = horizontal;
  spacingY_ = vertical;
  updateTitles();
}

void MenuEx::addEntry(void* entry, Kind kind) {
  entries_.appendPointer(entry);
  kinds_.add(kind);
  updateTitles();
}

MenuItem* MenuEx::addCommandTitle(s::base::Owned<MenuItem> item) {
  if (!item) return nullptr;
  MenuItem* added = item.detach();
  if (added->localizer() == nullptr && added->textEntryId() != MenuItem::kLiteral) {
    added->setLocalizer(localizer_);
  }
  added->refreshText();
  addEntry(added, kCommand);
  return added;
}

IPopupMenu* MenuEx::addMenuTitle(s::base::Owned<IPopupMenu> menu) {
  if (!menu) return nullptr;
  IPopupMenu* added = menu.detach();
  addEntry(added, kPopup);
  // Titles follow the language of the menus they open.
  if (localizer_ == nullptr && added->localizer() != nullptr) setLocalizer(added->localizer());
  return added;
}

bool MenuEx::hasCommandId(std::int32_t commandId) const {
  for (std::uint32_t i = 0; i < entries_.count(); ++i) {
    if (const MenuItem* item = commandAt(i)) {
      if (item->commandId() == commandId) return true;
    } else if (popupAt(i)->hasCommandId(commandId)) {
      return true;
    }
  }
  return false;
}

bool MenuEx::ownsCommandId(std::int32_t commandId) const { return hasCommandId(commandId); }

bool MenuEx::isChecked(std::int32_t commandId) const {
  for (std::uint32_t i = 0; i < entries_.count(); ++i) {
    const IPopupMenu* menu = popupAt(i);
    if (menu != nullptr && menu->hasCommandId(commandId)) return menu->isChecked(commandId);
  }
  return false;
}

bool MenuEx::setChecked(std::int32_t commandId, bool on) {
  for (std::uint32_t i = 0; i < entries_.count(); ++i) {
    IPopupMenu* menu = popupAt(i);
    if (menu != nullptr && menu->setChecked(commandId, on)) return true;
  }
  return false;
}

void MenuEx::addSelectionListener(IEventListener* listener) {
  if (listener != nullptr) selectionListeners_.appendPointer(listener);
}

void MenuEx::addCloseListener(IEventListener* listener) {
  if (listener != nullptr) closeListeners_.appendPointer(listener);
}

void MenuEx::addPopupOpeningListener(IEventListener* listener) {
  if (listener != nullptr) openingListeners_.appendPointer(listener);
}

void MenuEx::fire(s::col::_array::ArrayP& listeners, std::int32_t code) {
  // By index, re-reading the count: a listener may register another while being told.
  for (std::uint32_t i = 0; i < listeners.count(); ++i) {
    static_cast<IEventListener*>(listeners.pointerAt(i))->event(this, code);
  }
}

void MenuEx::select(std::int32_t commandId) {
  selected_ = commandId;
  fire(selectionListeners_, kSelected);
}

void MenuEx::releaseDrawer() {
  if (ownsDrawer_ && drawer_ != nullptr) drawer_->release();
  drawer_ = nullptr;
  ownsDrawer_ = false;
}

void MenuEx::ensureDrawer() {
  if (drawer_ != nullptr) return;
  adoptDrawer(s::thread::takeFromPool<s::gui::drawer::menu::win::Basic>(), true);
}

void MenuEx::adoptDrawer(s::gui::drawer::IMenu* drawer, bool owned) {
  drawer_ = drawer;
  ownsDrawer_ = owned;
  drawerFonts_[0] = drawer_->fontSetting(0);
  drawerFonts_[1] = drawer_->fontSetting(1);
  pushFontsToDrawer();
}

void MenuEx::setDrawer(s::gui::drawer::IMenu* drawer, bool owned) {
  releaseDrawer();
  if (drawer != nullptr) {
    adoptDrawer(drawer, owned);
  } else {
    ensureDrawer();
  }
  updateTitles();
}

void MenuEx::pushFontsToDrawer() {
  if (drawer_ == nullptr) return;
  for (std::int32_t i = 0; i < 2; ++i) {
    s::gui::win::FontSetting setting = fonts_[i].filledFrom(drawerFonts_[i]);
    // A drawer without a font of its own gets the bar's, never the device context's.
    if (setting.font() == nullptr) {
      if (void* font = fontHandle(i)) setting.setFont(font);
    }
    drawer_->fontSetting(i) = setting;
  }
}

void MenuEx::setOption(bool on) {
  option_ = on;
  redraw();
}

void MenuEx::setSingleButton(bool on) {
  singleButton_ = on;
  if (on) {
    // One title over the whole bar: a long one is cut short rather than spilling over.
    fonts_[0].setEllipsis(true);
    fonts_[1].setEllipsis(true);
    pushFontsToDrawer();
  }
  updateTitles();
}

void MenuEx::setLocalizer(s::lang::Localizer* localizer) {
  if (localizer == localizer_) return;
  if (localizer_ != nullptr) localizer_->removeListener(this);
  localizer_ = localizer;
  if (localizer_ == nullptr) return;
  localizer_->addListener(this);
  refreshTitles();
}

void MenuEx::refreshTitles() {
  for (std::uint32_t i = 0; i < entries_.count(); ++i) {
    MenuItem* item = commandAt(i);
    if (item == nullptr || item->textEntryId() == MenuItem::kLiteral) continue;
    if (!item->refreshText() && localizer_ != nullptr) {
      item->setText(s::lang::textOf(*localizer_, item->textEntryId()));
    }
  }
  updateTitles();
}

void MenuEx::updateTitles() {
  ensureDrawer();
  titles_.clear();
  for (std::uint32_t i = 0; i < entries_.count(); ++i) {
    const MenuItem* item = commandAt(i);
    titles_.add(s::str::strbuffer::newStr(item != nullptr ? item->caption() : popupAt(i)->title()));
  }
  const std::int32_t minimumWidth = widthPolicy().defaultMinimum;
  const std::int32_t minimumHeight = heightPolicy().defaultMinimum;
  remeasure();
  layoutTitles();
  if (widthPolicy().defaultMinimum != minimumWidth ||
      heightPolicy().defaultMinimum != minimumHeight) {
    relayoutParent();
  }
  redraw();
}

void MenuEx::measureTitles(s::gui::drawer::ISurface& surface) {
  ensureDrawer();
  s::gui::drawer::IText& captions = drawer_->captionDrawer();
  titleWidths_.assign(titles_.count(), 0);
  std::int32_t textHeight = 0;
  std::int32_t total = 0;
  for (std::uint32_t i = 0; i < titles_.count(); ++i) {
    std::int32_t width = 0;
    // The hot title may be drawn in another font: it must fit in either.
    for (std::int32_t font = 0; font < 2; ++font) {
      const s::gui::drawer::TextMeasure size =
          captions.measure(surface, titles_.at(i)->text(), drawer_->fontSetting(font));
      width = std::max(width, size.preferredWidth);
      textHeight = std::max(textHeight, size.preferredHeight);
    }
    titleWidths_[i] = width + 2 * spacingX_;
    total += titleWidths_[i];
  }
  titleHeight_ = titles_.count() > 0 ? textHeight + 2 * spacingY_ : 0;
  if (singleButton_ && !titleWidths_.empty()) total = titleWidths_[0];
  setDefaultSizes(total, titleHeight_, total, titleHeight_);
}

void MenuEx::layoutTitles() {
  rects_.assign(entries_.count(), Rect{});
  if (entries_.count() == 0) return;
  const std::int32_t bottom = std::max(height(), titleHeight_);
  if (singleButton_) {
    rects_[0] = Rect{0, 0, std::max(width(), titleWidths_.empty() ? 0 : titleWidths_[0]), bottom};
    return;
  }
  std::int32_t x = 0;
  for (std::uint32_t i = 0; i < entries_.count(); ++i) {
    const std::int32_t width = i < titleWidths_.size() ? titleWidths_[i] : 0;
    rects_[i] = Rect{x, 0, x + width, bottom};
    x += width;
  }
}

std::int32_t MenuEx::titleAt(std::int32_t x, std::int32_t y) const {
  if (singleButton_) {
    return entries_.count() > 0 && x >= 0 && y >= 0 && x < width() && y < height() ? 0 : -1;
  }
  for (std::uint32_t i = 0; i < rects_.size(); ++i) {
    if (inside(rects_[i], x, y)) return static_cast<std::int32_t>(i);
  }
  return -1;
}

void MenuEx::paint(s::gui::drawer::ISurface& surface) {
  ensureDrawer();
  const Rect bar{0, 0, width(), height()};
  surface.fillRect(bar, isTransparent() ? effectiveBackground() : background());
  std::vector<Caption> captions(entries_.count());
  std::vector<const s::gui::drawer::IMenuCaption*> items(entries_.count());
  for (std::uint32_t i = 0; i < entries_.count(); ++i) {
    captions[i].text = titleText(i);
    captions[i].entry = commandAt(i) != nullptr
                            ? static_cast<const s::gui::drawer::IMenuCaption*>(commandAt(i))
                            : popupAt(i);
    items[i] = &captions[i];
  }
  std::int32_t highlighted = -1;
  if (popupOpen_) {
    highlighted = open_;
  } else if (pressed_ || option_) {
    highlighted = hot_;
  }
  drawer_->paint(surface, bar, items.data(), rects_.data(),
                 static_cast<std::int32_t>(entries_.count()), drawer_->fontSetting(0).textColour(),
                 drawer_->fontSetting(1).textColour(), spacingX_, spacingY_, highlighted,
                 pressed_ || popupOpen_, singleButton_);
}

void MenuEx::setHot(std::int32_t index) {
  if (index == hot_) return;
  hot_ = index;
  redraw();
}

bool MenuEx::preHandle(std::intptr_t* result, std::uint32_t message, std::uintptr_t wParam,
                       std::intptr_t lParam) {
  switch (message) {
    case kNcHitTest: {
      std::int32_t left = 0;
      std::int32_t top = 0;
      nativeWindows().clientOrigin(nativeWindow(), &left, &top);
      // Clicks beside the titles go to the window below (easy drag works over the bar).
      *result =
          titleAt(pointX(lParam) - left, pointY(lParam) - top) >= 0 ? kHitClient : kHitTransparent;
      return true;
    }
    case kMouseMove:
      onMouseMove(pointX(lParam), pointY(lParam));
      *result = 0;
      return true;
    case kLeftButtonDown:
      onLeftDown(pointX(lParam), pointY(lParam));
      *result = 0;
      return true;
    case kLeftButtonUp:
      onLeftUp(pointX(lParam), pointY(lParam));
      *result = 0;
      return true;
    case kCommandMessage: {
      const auto commandId = static_cast<std::int32_t>(static_cast<std::uint16_t>(wParam));
      // Only menu commands: a control's notification names its sender in lParam.
      if (lParam != 0 || !ownsCommandId(commandId)) break;
      select(commandId);
      *result = 0;
      return true;
    }
    case kInitMenuPopup:
      onInitMenuPopup();
      *result = 0;
      return true;
    case kTimerMessage:
      if (wParam != kTrackingTimer) break;
      onTrackingTick();
      *result = 0;
      return true;
    case kPaintMessage:
      if (!paintNow()) break;
      *result = 0;
      return true;
    case kEraseBackground:
      *result = 1;
      return true;
    default:
      break;
  }
  return LeafComponent::preHandle(result, message, wParam, lParam);
}

void MenuEx::onMouseMove(std::int32_t x, std::int32_t y) {
  const std::int32_t index = titleAt(x, y);
  if (popupOpen_) {
    if (index >= 0 && index != open_ && isMenuTitle(index) && isTitleEnabled(index)) {
      setHot(index);
      closePopup(true);
    }
    return;
  }
  const bool entered = index != hot_;
  setHot(index);
  NativeWindow window = nativeWindow();
  INativeMenus& menus = nativeMenus();
  if (index >= 0) {
    if (autoOpen_ && entered && !pressed_ && isMenuTitle(index) && isTitleEnabled(index)) {
      openPopup(index);
      return;
    }
    // Held until the cursor leaves the titles, so that the bar hears of it.
    if (!menus.hasCapture(window)) menus.capture(window);
  } else if (!pressed_ && menus.hasCapture(window)) {
    menus.releaseCapture();
  }
}

void MenuEx::onLeftDown(std::int32_t x, std::int32_t y) {
  const std::int32_t index = titleAt(x, y);
  if (index < 0) return;
  pressed_ = true;
  pressedIndex_ = index;
  setHot(index);
  redraw();
  if (popupOpen_) {
    closePopup(false);
    return;
  }
  const std::uint64_t now = nativeMenus().milliseconds();
  // The click that closed a pop-up by landing on its title arrives here too: it must not
  // open the pop-up again.
  if (everClosed_ && now >= closedAt_ && now - closedAt_ < kReopenDelay) return;
  if (!isTitleEnabled(static_cast<std::uint32_t>(index))) return;
  if (isMenuTitle(static_cast<std::uint32_t>(index))) {
    openPopup(index);
  } else {
    nativeMenus().capture(nativeWindow());
  }
}

void MenuEx::onLeftUp(std::int32_t x, std::int32_t y) {
  const bool wasPressed = pressed_;
  const std::int32_t pressedIndex = pressedIndex_;
  pressed_ = false;
  pressedIndex_ = -1;
  const std::int32_t index = titleAt(x, y);
  INativeMenus& menus = nativeMenus();
  if (wasPressed && index >= 0 && index == pressedIndex && !isMenuTitle(index) &&
      isTitleEnabled(index)) {
    popupOpen_ = false;
    menus.releaseCapture();
    hot_ = -1;
    redraw();
    select(commandAt(index)->commandId());
    return;
  }
  if (index < 0 && menus.hasCapture(nativeWindow())) menus.releaseCapture();
  redraw();
}

void MenuEx::onInitMenuPopup() {
  INativeMenus& menus = nativeMenus();
  menuWindow_ = menus.findMenuWindow();
  menus.startTimer(nativeWindow(), kTrackingTimer, kTrackingPeriod);
}

void MenuEx::onTrackingTick() {
  std::int32_t x = 0;
  std::int32_t y = 0;
  nativeMenus().cursorPosition(&x, &y);
  std::int32_t left = 0;
  std::int32_t top = 0;
  nativeWindows().clientOrigin(nativeWindow(), &left, &top);
  onMouseMove(x - left, y - top);
}

void MenuEx::openPopup(std::int32_t index) {
  NativeWindow window = nativeWindow();
  INativeMenus& menus = nativeMenus();
  bool opened = false;
  while (window != nullptr && index >= 0 && static_cast<std::uint32_t>(index) < entries_.count() &&
         isMenuTitle(index) && isTitleEnabled(index)) {
    IPopupMenu* menu = popupAt(index);
    const Rect& title = rects_[index];
    const std::int32_t x = title.left + screenX();
    const std::int32_t y = title.bottom + screenY();
    menu->setMenuData(window);
    closedBySwitching_ = false;
    popupOpen_ = true;
    open_ = index;
    hot_ = index;
    opened = true;
    redraw();
    fire(openingListeners_, kPopupOpening);
    menu->showBelow(x, y, window);
    menus.stopTimer(window, kTrackingTimer);
    menuWindow_ = nullptr;
    if (!closedBySwitching_) break;
    closedBySwitching_ = false;
    // The menu loop took the mouse; the next title's loop starts from the bar again.
    menus.capture(window);
    index = hot_;
  }
  if (!opened) return;
  closedAt_ = menus.milliseconds();
  everClosed_ = true;
  popupOpen_ = false;
  open_ = -1;
  pressed_ = false;
  pressedIndex_ = -1;
  menus.releaseCapture();
  hot_ = -1;
  redraw();
  fire(closeListeners_, kPopupClosed);
}

void MenuEx::closePopup(bool forSwitching) {
  INativeMenus& menus = nativeMenus();
  menus.stopTimer(nativeWindow(), kTrackingTimer);
  // The window found when the pop-up began may not have been shown yet then.
  NativeWindow menuWindow =
      menuWindow_ != nullptr && menus.isWindow(menuWindow_) ? menuWindow_ : menus.findMenuWindow();
  if (menuWindow == nullptr) return;
  if (forSwitching) closedBySwitching_ = true;
  menus.closeWindow(menuWindow);
}

}  // namespace s::gui::win
