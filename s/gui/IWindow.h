#pragma once

#include <cstdint>

#include "s/gui/IComponent.h"

namespace s::app::win {
class AppWindow;
}
namespace s::gui::events {
class IEventListener;
}

namespace s::gui {

// The toolkit's top-level window: a container (its class also derives from the container base)
// with a native overlapped window of its own on a user-interface thread of its own, which
// reports what happens to it as events (this window, code) to the listeners of each kind.
class IWindow : public virtual IComponent {
 public:
  using IEventListener = s::gui::events::IEventListener;

  // Event codes, one listener list each.
  static constexpr std::int32_t kClose = 1;
  static constexpr std::int32_t kStatus = 2;
  static constexpr std::int32_t kRightButtonDown = 3;
  static constexpr std::int32_t kResized = 4;
  static constexpr std::int32_t kLeftButtonDown = 5;
  static constexpr std::int32_t kActivated = 6;
  static constexpr std::int32_t kDeactivated = 7;
  static constexpr std::int32_t kSizing = 8;
  static constexpr std::int32_t kMiddleButtonDown = 9;
  static constexpr std::int32_t kPositionChanging = 10;
  static constexpr std::int32_t kMoved = 11;
  static constexpr std::int32_t kKey = 12;
  static constexpr std::int32_t kMouseMove = 13;
  static constexpr std::int32_t kWheel = 14;
  static constexpr std::int32_t kAnotherCopyStarted = 15;
  static constexpr std::int32_t kDoubleClick = 16;
  static constexpr std::int32_t kCaptureEnded = 17;
  static constexpr std::int32_t kNotifyIconRightClick = 18;
  static constexpr std::int32_t kContextMenu = 19;
  static constexpr std::int32_t kLanguageChanged = 20;
  static constexpr std::int32_t kRestored = 21;
  static constexpr std::int32_t kNotifyIconLeftClick = 22;
  static constexpr std::int32_t kHotKey = 23;
  static constexpr std::int32_t kRightButtonUp = 24;
  static constexpr std::int32_t kLeftButtonUp = 25;
  static constexpr std::int32_t kTimer = 26;
  static constexpr std::int32_t kEventKinds = 26;

  // Closing and state.
  virtual bool hasClosed() const = 0;
  virtual void close() = 0;
  // For a close listener while it handles code 1: the window stays open.
  virtual void cancelClose() = 0;
  // Returns once the window has closed (polls every 10 ms).
  virtual void waitUntilClosed() const = 0;
  virtual bool isIconized() const = 0;
  virtual void iconize() = 0;
  virtual void restore() = 0;

  // Listeners of one event kind (a code above), called in registration order on the window's
  // thread; not owned.
  virtual void addListener(std::int32_t code, IEventListener* listener) = 0;

  // The view options, written to the binding as they change.
  virtual void setEasyDrag(bool on) = 0;
  virtual bool isEasyDrag() const = 0;
  virtual void setKeepOnTop(bool on) = 0;
  virtual bool isKeptOnTop() const = 0;
  // "DoNothing", "Iconize" or "Close"; other texts read as "DoNothing".
  virtual void setMiddleClickAction(const char16_t* action) = 0;
  virtual const char16_t* middleClickAction() const = 0;

  // Title: a literal text, or the text of a language entry through the window's localizer.
  virtual const char16_t* title() const = 0;
  virtual void setTitle(const char16_t* text) = 0;
  virtual void setTitleEntry(std::int32_t entryId) = 0;

  // Binds the window to its settings record: icons, title, localizer, options and the stored
  // place and size.
  virtual void bind(s::app::win::AppWindow* binding) = 0;
  virtual void saveGeometry() = 0;

  // Details of the last event of some kinds.
  virtual std::int32_t lastKeyCode() const = 0;
  virtual std::int32_t wheelStep() const = 0;
  virtual std::int32_t lastTimerId() const = 0;
  virtual bool wasHotKeyPressed(const char16_t* name) const = 0;
};

}  // namespace s::gui
