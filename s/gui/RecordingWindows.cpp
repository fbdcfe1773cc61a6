#include "s/gui/RecordingWindows.h"

#include "s/gui/IComponent.h"

namespace s::gui {

namespace {

// Tokens are positions in the window table plus one, so that null stays "no window".
NativeWindow tokenOf(std::size_t index) {
  return reinterpret_cast<NativeWindow>(static_cast<std::uintptr_t>(index + 1));
}

std::size_t indexOf(NativeWindow window) {
  return static_cast<std::size_t>(reinterpret_cast<std::uintptr_t>(window)) - 1;
}

}  // namespace

RecordingWindows::RecordingWindows() {
  // The classic scheme's button face and inactive caption text.
  colours_[kButtonFaceColour] = 0x00C8D0D4;
  colours_[kInactiveCaptionTextColour] = 0x00C8D0D4;
}

RecordingWindows::~RecordingWindows() = default;

RecordingWindows::Window* RecordingWindows::find(NativeWindow window) {
  if (window == nullptr || indexOf(window) >= windows_.size()) return nullptr;
  Window& found = windows_[indexOf(window)];
  return found.alive ? &found : nullptr;
}

const RecordingWindows::Window* RecordingWindows::find(NativeWindow window) const {
  return const_cast<RecordingWindows*>(this)->find(window);
}

NativeWindow RecordingWindows::make(IComponent* component, NativeWindow parent) {
  windows_.push_back(Window{component, parent, component->x() + component->offsetX(),
                            component->y() + component->offsetY(), component->width(),
                            component->height(), component->isVisible(), true, true});
  NativeWindow token = tokenOf(windows_.size() - 1);
  log_.push_back(Entry{Call::kCreate, token, windows_.back().x, windows_.back().y,
                       windows_.back().width, windows_.back().height, 0});
  component->nativeWindowCreated(token);
  return token;
}

NativeWindow RecordingWindows::createTopLevel(IComponent* component) {
  return make(component, nullptr);
}

NativeWindow RecordingWindows::createPanel(IComponent* component, NativeWindow parent) {
  if (find(parent) == nullptr) return nullptr;
  return make(component, parent);
}

void RecordingWindows::destroy(NativeWindow window) {
  Window* found = find(window);
  if (found == nullptr) return;
  log_.push_back(Entry{Call::kDestroy, window});
  // Children go with their parent, as native child windows do.
  for (std::size_t i = 0; i < windows_.size(); ++i) {
    if (windows_[i].alive && windows_[i].parent == window) destroy(tokenOf(i));
  }
  found = find(window);
  found->alive = false;
  found->component->nativeWindowDestroyed();
}

std::intptr_t RecordingWindows::send(NativeWindow window, std::uint32_t message,
                                     IComponent* argument) {
  log_.push_back(Entry{Call::kSend, window, 0, 0, 0, 0, message});
  Window* found = find(window);
  if (found == nullptr) return 0;
  IComponent* component = found->component;
  std::intptr_t result = 0;
  const auto wParam = reinterpret_cast<std::uintptr_t>(argument);
  if (!component->preHandle(&result, message, wParam, 0)) {
    result = 0;
    // The handler may have destroyed the window; post-handling needs it alive.
    if (find(window) != nullptr) component->postHandle(&result, message, wParam, 0);
  }
  return result;
}

void RecordingWindows::place(NativeWindow window, std::int32_t x, std::int32_t y,
                             std::int32_t width, std::int32_t height, std::uint32_t flags) {
  log_.push_back(Entry{Call::kPlace, window, x, y, width, height, flags});
  Window* found = find(window);
  if (found == nullptr) return;
  if ((flags & kNoMove) == 0) {
    found->x = x;
    found->y = y;
  }
  if ((flags & kNoSize) == 0) {
    found->width = width;
    found->height = height;
  }
  if ((flags & kShowWindow) != 0) found->visible = true;
}

void RecordingWindows::show(NativeWindow window, bool visible) {
  log_.push_back(Entry{Call::kShow, window, 0, 0, 0, 0, visible ? 1u : 0u});
  if (Window* found = find(window)) found->visible = visible;
}

void RecordingWindows::enable(NativeWindow window, bool on) {
  log_.push_back(Entry{Call::kEnable, window, 0, 0, 0, 0, on ? 1u : 0u});
  if (Window* found = find(window)) found->enabled = on;
}

bool RecordingWindows::isEnabled(NativeWindow window) {
  const Window* found = find(window);
  return found != nullptr && found->enabled;
}

void RecordingWindows::redraw(NativeWindow window, bool all, std::int32_t x, std::int32_t y,
                              std::int32_t width, std::int32_t height) {
  log_.push_back(Entry{Call::kRedraw, window, x, y, width, height, all ? 1u : 0u});
}

void RecordingWindows::clientOrigin(NativeWindow window, std::int32_t* x, std::int32_t* y) {
  *x = 0;
  *y = 0;
  for (const Window* at = find(window); at != nullptr; at = find(at->parent)) {
    *x += at->x;
    *y += at->y;
  }
}

void RecordingWindows::acceptFiles(NativeWindow window, bool accept) {
  log_.push_back(Entry{Call::kAcceptFiles, window, 0, 0, 0, 0, accept ? 1u : 0u});
}

std::uint32_t RecordingWindows::systemColour(std::int32_t index) {
  return index >= 0 && index < 31 ? colours_[index] : 0;
}

void RecordingWindows::setSystemColour(std::int32_t index, std::uint32_t colour) {
  if (index >= 0 && index < 31) colours_[index] = colour;
}

std::vector<RecordingWindows::Entry> RecordingWindows::callsFor(NativeWindow window,
                                                                Call call) const {
  std::vector<Entry> found;
  for (const Entry& entry : log_) {
    if (entry.window == window && entry.call == call) found.push_back(entry);
  }
  return found;
}

std::size_t RecordingWindows::liveWindows() const {
  std::size_t count = 0;
  for (const Window& window : windows_) count += window.alive ? 1 : 0;
  return count;
}

IComponent* RecordingWindows::componentOf(NativeWindow window) const {
  const Window* found = find(window);
  return found != nullptr ? found->component : nullptr;
}

NativeWindow RecordingWindows::parentOf(NativeWindow window) const {
  const Window* found = find(window);
  return found != nullptr ? found->parent : nullptr;
}

bool RecordingWindows::boundsOf(NativeWindow window, std::int32_t* x, std::int32_t* y,
                                std::int32_t* width, std::int32_t* height) const {
  const Window* found = find(window);
  if (found == nullptr) return false;
  *x = found->x;
  *y = found->y;
  *width = found->width;
  *height = found->height;
  return true;
}

bool RecordingWindows::isVisible(NativeWindow window) const {
  const Window* found = find(window);
  return found != nullptr && found->visible;
}

}  // namespace s::gui
