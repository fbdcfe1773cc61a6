#include "s/gui/RecordingMenus.h"

#include <algorithm>

namespace s::gui {

namespace {

NativeMenu tokenOf(std::size_t index) {
  return reinterpret_cast<NativeMenu>(static_cast<std::uintptr_t>(index + 1));
}

std::size_t indexOf(NativeMenu menu) { return reinterpret_cast<std::uintptr_t>(menu) - 1; }

// A replaced or new entry takes its type and state from the flags, as the platform does.
void applyFlags(RecordingMenus::Item& entry, std::uint32_t flags, std::uintptr_t item,
                const char16_t* text) {
  entry.item = item;
  entry.separator = (flags & INativeMenus::kSeparator) != 0;
  entry.popup = (flags & INativeMenus::kPopup) != 0;
  entry.checked = (flags & INativeMenus::kChecked) != 0;
  entry.grayed = (flags & INativeMenus::kGrayed) != 0;
  entry.disabled = (flags & INativeMenus::kDisabled) != 0;
  entry.radio = false;
  entry.text = entry.separator || text == nullptr ? std::u16string() : std::u16string(text);
}

}  // namespace

RecordingMenus::RecordingMenus() = default;

RecordingMenus::~RecordingMenus() = default;

RecordingMenus::Menu* RecordingMenus::find(NativeMenu menu) {
  const std::size_t index = indexOf(menu);
  if (menu == nullptr || index >= menus_.size() || !menus_[index].alive) return nullptr;
  return &menus_[index];
}

const RecordingMenus::Menu* RecordingMenus::find(NativeMenu menu) const {
  return const_cast<RecordingMenus*>(this)->find(menu);
}

RecordingMenus::Item* RecordingMenus::locate(NativeMenu menu, std::uint32_t at,
                                             std::uint32_t flags) {
  Menu* record = find(menu);
  if (record == nullptr) return nullptr;
  if ((flags & kByPosition) != 0) return at < record->items.size() ? &record->items[at] : nullptr;
  for (Item& entry : record->items) {
    if (entry.popup) {
      if (Item* inside = locate(reinterpret_cast<NativeMenu>(entry.item), at, flags)) return inside;
    } else if (!entry.separator && entry.item == at) {
      return &entry;
    }
  }
  return nullptr;
}

void RecordingMenus::record(Call call, NativeMenu menu, std::uint32_t at, std::uint32_t flags,
                            std::uintptr_t item, std::int32_t x, std::int32_t y) {
  log_.push_back(Entry{call, menu, at, flags, item, x, y});
}

NativeMenu RecordingMenus::createPopupMenu() {
  menus_.push_back(Menu{});
  NativeMenu menu = tokenOf(menus_.size() - 1);
  record(Call::kCreate, menu, 0, 0, 0);
  return menu;
}

void RecordingMenus::destroyMenu(NativeMenu menu) {
  record(Call::kDestroy, menu, 0, 0, 0);
  Menu* gone = find(menu);
  if (gone == nullptr) return;
  // Like DestroyMenu, the sub-menus still attached go with it.
  std::vector<Item> items = std::move(gone->items);
  gone->alive = false;
  for (const Item& entry : items) {
    if (entry.popup) destroyMenu(reinterpret_cast<NativeMenu>(entry.item));
  }
}

bool RecordingMenus::append(NativeMenu menu, std::uint32_t flags, std::uintptr_t item,
                            const char16_t* text) {
  record(Call::kAppend, menu, 0, flags, item);
  Menu* target = find(menu);
  if (target == nullptr) return false;
  Item entry;
  applyFlags(entry, flags, item, text);
  target->items.push_back(entry);
  return true;
}

bool RecordingMenus::removeAt(NativeMenu menu, std::uint32_t position) {
  record(Call::kRemove, menu, position, kByPosition, 0);
  Menu* target = find(menu);
  if (target == nullptr || position >= target->items.size()) return false;
  target->items.erase(target->items.begin() + position);
  return true;
}

bool RecordingMenus::modify(NativeMenu menu, std::uint32_t at, std::uint32_t flags,
                            std::uintptr_t item, const char16_t* text) {
  record(Call::kModify, menu, at, flags, item);
  Item* entry = locate(menu, at, flags);
  if (entry == nullptr) return false;
  applyFlags(*entry, flags & ~kByPosition, item, text);
  return true;
}

void RecordingMenus::check(NativeMenu menu, std::uint32_t at, std::uint32_t flags) {
  record(Call::kCheck, menu, at, flags, 0);
  if (Item* entry = locate(menu, at, flags)) entry->checked = (flags & kChecked) != 0;
}

void RecordingMenus::enable(NativeMenu menu, std::uint32_t at, std::uint32_t flags) {
  record(Call::kEnable, menu, at, flags, 0);
  if (Item* entry = locate(menu, at, flags)) {
    entry->grayed = (flags & kGrayed) != 0;
    entry->disabled = (flags & kDisabled) != 0;
  }
}

bool RecordingMenus::checkRadio(NativeMenu menu, std::uint32_t first, std::uint32_t last,
                                std::uint32_t checked) {
  record(Call::kCheckRadio, menu, first, checked, last);
  Menu* target = find(menu);
  if (target == nullptr || first > last || last >= target->items.size() || checked < first ||
      checked > last) {
    return false;
  }
  for (std::uint32_t i = first; i <= last; ++i) {
    Item& entry = target->items[i];
    if (entry.separator) continue;
    entry.checked = i == checked;
    entry.radio = i == checked;
  }
  return true;
}

void RecordingMenus::setMenuData(NativeMenu menu, NativeWindow window) {
  record(Call::kSetMenuData, menu, 0, 0, reinterpret_cast<std::uintptr_t>(window));
  if (Menu* target = find(menu)) target->data = window;
}

bool RecordingMenus::track(NativeMenu menu, std::uint32_t flags, std::int32_t x, std::int32_t y,
                           NativeWindow owner) {
  record(Call::kTrack, menu, 0, flags, reinterpret_cast<std::uintptr_t>(owner), x, y);
  if (find(menu) == nullptr) return false;
  menuOpen_ = true;
  menuWindowClosed_ = false;
  if (loop_) loop_(menu, x, y, owner, flags);
  menuOpen_ = false;
  return true;
}

NativeWindow RecordingMenus::findMenuWindow() {
  return menuOpen_ && !menuWindowClosed_ ? &menuWindowToken_ : nullptr;
}

bool RecordingMenus::isWindow(NativeWindow window) {
  return window != nullptr && window == findMenuWindow();
}

void RecordingMenus::closeWindow(NativeWindow window) {
  record(Call::kCloseWindow, nullptr, 0, 0, reinterpret_cast<std::uintptr_t>(window));
  if (window == &menuWindowToken_) menuWindowClosed_ = true;
}

void RecordingMenus::startTimer(NativeWindow window, std::uint32_t id, std::uint32_t milliseconds) {
  record(Call::kStartTimer, nullptr, id, milliseconds, reinterpret_cast<std::uintptr_t>(window));
  if (!isTimerRunning(window, id)) timers_.push_back(Timer{window, id});
}

void RecordingMenus::stopTimer(NativeWindow window, std::uint32_t id) {
  record(Call::kStopTimer, nullptr, id, 0, reinterpret_cast<std::uintptr_t>(window));
  timers_.erase(
      std::remove_if(timers_.begin(), timers_.end(),
                     [&](const Timer& timer) { return timer.window == window && timer.id == id; }),
      timers_.end());
}

void RecordingMenus::capture(NativeWindow window) {
  record(Call::kCapture, nullptr, 0, 0, reinterpret_cast<std::uintptr_t>(window));
  captured_ = window;
}

void RecordingMenus::releaseCapture() {
  record(Call::kReleaseCapture, nullptr, 0, 0, 0);
  captured_ = nullptr;
}

void RecordingMenus::cursorPosition(std::int32_t* x, std::int32_t* y) {
  *x = cursorX_;
  *y = cursorY_;
}

std::int32_t RecordingMenus::itemCount(NativeMenu menu) const {
  const Menu* target = find(menu);
  return target != nullptr ? static_cast<std::int32_t>(target->items.size()) : -1;
}

const RecordingMenus::Item* RecordingMenus::itemAt(NativeMenu menu, std::uint32_t position) const {
  const Menu* target = find(menu);
  return target != nullptr && position < target->items.size() ? &target->items[position] : nullptr;
}

std::u16string RecordingMenus::textAt(NativeMenu menu, std::uint32_t position) const {
  const Item* entry = itemAt(menu, position);
  return entry != nullptr ? entry->text : std::u16string();
}

std::uint32_t RecordingMenus::stateAt(NativeMenu menu, std::uint32_t position) const {
  const Item* entry = itemAt(menu, position);
  if (entry == nullptr) return 0xFFFFFFFFu;
  return (entry->checked ? kChecked : 0) | (entry->grayed ? kGrayed : 0) |
         (entry->disabled ? kDisabled : 0) | (entry->popup ? kPopup : 0) |
         (entry->separator ? kSeparator : 0);
}

NativeWindow RecordingMenus::menuDataOf(NativeMenu menu) const {
  const Menu* target = find(menu);
  return target != nullptr ? target->data : nullptr;
}

std::size_t RecordingMenus::liveMenus() const {
  return static_cast<std::size_t>(
      std::count_if(menus_.begin(), menus_.end(), [](const Menu& menu) { return menu.alive; }));
}

bool RecordingMenus::isTimerRunning(NativeWindow window, std::uint32_t id) const {
  return std::any_of(timers_.begin(), timers_.end(),
                     [&](const Timer& timer) { return timer.window == window && timer.id == id; });
}

std::size_t RecordingMenus::countOf(Call call) const {
  return static_cast<std::size_t>(std::count_if(
      log_.begin(), log_.end(), [call](const Entry& entry) { return entry.call == call; }));
}

}  // namespace s::gui
