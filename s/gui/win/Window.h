#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>

#include "s/base/Owned.h"
#include "s/col/_array/ArrayP.h"
#include "s/gui/ContainerBase.h"
#include "s/gui/IWindow.h"
#include "s/gui/ScreenRect.h"
#include "s/gui/events/IEventListener.h"
#include "s/gui/win/InvisibleWindow.h"
#include "s/gui/win/UIThread.h"
#include "s/str/strarray/StrArray.h"
#include "s/str/strbuffer/StrBuffer.h"

namespace s::gui {
class IWindowMenu;
}
namespace s::gui::drawer {
class IWindow;
class Skinner;
}  // namespace s::gui::drawer
namespace s::image::win {
class BufferedImage;
}
namespace s::lang {
class Localizer;
}

namespace s::gui::win {

// The toolkit's top-level window. Constructing one starts its UI thread, which creates the
// hidden owner and the window (both hidden); the constructing thread then builds the component
// tree, shows the window and waits until it is closed. Everything that must touch the native
// window from another thread is sent to it and runs on the UI thread.
class Window final : public s::gui::ContainerBase,
                     public s::gui::IWindow,
                     public s::gui::events::IEventListener,
                     private IUIThreadClient {
 public:
  using IEventListener = s::gui::events::IEventListener;
  using FrameDrawer = s::gui::drawer::IWindow;
  using Skinner = s::gui::drawer::Skinner;

  // Private messages, handled on the UI thread.
  static constexpr UINT kStatusMessage = 1025;
  static constexpr UINT kNotifyIconMessage = 1026;
  static constexpr UINT kRestoreAndActivate = 1027;
  static constexpr UINT kInformationBox = 1028;
  static constexpr UINT kErrorBox = 1029;
  static constexpr UINT kQuestionBox = 1030;
  static constexpr UINT kAnotherCopyStartedMessage = 1031;
  static constexpr UINT kRegisterHotKey = 1036;
  static constexpr UINT kUnregisterHotKey = 1037;
  static constexpr UINT kUnregisterAllHotKeys = 1038;
  static constexpr UINT kStartTimer = 1044;
  static constexpr UINT kStopTimer = 1045;
  static constexpr UINT kFirstPrivate = 1025;
  static constexpr UINT kLastPrivate = 1045;
  // User timers live above the ids of the window's own timers.
  static constexpr UINT_PTR kTimerIdBase = 10000;
  // A click on the notification icon within this long of the window losing the activation
  // (the click itself deactivates it) counts as a click on the active window.
  static constexpr DWORD kIconClickGraceMs = 150;

  // The last status message: a name and three numbers.
  struct Status {
    const char16_t* name = u"";
    std::int32_t value1 = 0;
    std::int32_t value2 = 0;
    std::int32_t value3 = 0;
  };

  Window();
  // Destroys the native windows on their thread and ends the thread.
  ~Window() override;

  const char16_t* className() const override { return u"s_gui_win_Window"; }
  s::base::IObject* newInstance() const override;
  void release() override;
  // Back to a fresh window for reuse: hidden and closed, no notification icon, no children, no
  // listeners, no title, no owned icons, the default background. Its native windows and its UI
  // thread stay.
  void reset() override;

  HWND handle() const { return static_cast<HWND>(nativeWindow()); }
  HWND ownerHandle() const { return owner_.handle(); }
  const UIThread& uiThread() const { return thread_; }
  bool isTopLevel() const override { return true; }
  bool isVisible() const override { return visible_; }
  bool isShown() const override { return visible_ && handle() != nullptr; }

  // Geometry: the window rectangle in screen coordinates; the client size (less the status
  // bar) is what the children are laid out in.
  std::int32_t x() const override { return windowRect().x; }
  std::int32_t y() const override { return windowRect().y; }
  std::int32_t width() const override { return windowRect().width; }
  std::int32_t height() const override { return windowRect().height; }
  std::int32_t screenX() const override { return x(); }
  std::int32_t screenY() const override { return y(); }
  bool contains(std::int32_t screenX, std::int32_t screenY) const override;
  std::int32_t clientWidth() const;
  std::int32_t clientHeight() const;
  std::int32_t innerWidth() const override { return clientWidth(); }
  std::int32_t innerHeight() const override { return clientHeight(); }
  void move(std::int32_t x, std::int32_t y) override;
  void setSize(std::int32_t width, std::int32_t height) override;
  void setBounds(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) override;
  // The explicit minimum when set, else the content's minimum plus the frame.
  std::int32_t minimumWidth() const override;
  std::int32_t minimumHeight() const override;
  void setMinimumSize(std::int32_t width, std::int32_t height);
  ScreenRect restoredRect() const { return restored_; }

  // Closing and state.
  bool hasClosed() const override { return closed_; }
  void close() override;
  void cancelClose() override { cancelRequested_ = true; }
  void waitUntilClosed() const override;
  // Brings the window to the foreground.
  void activate();
  bool isMinimized() const;
  void minimize();
  bool isMaximized() const;
  void maximize();
  void restore() override;
  void showNormal();
  void iconize() override;
  bool isIconized() const override { return iconized_; }

  // Styles; each refreshes the frame.
  void setEasyDrag(bool on) override;
  bool isEasyDrag() const override { return easyDrag_; }
  void setMaximizeBox(bool on);
  void setMinimizeBox(bool on);
  void setSystemMenu(bool on);
  void setCaption(bool on);
  void setToolWindow(bool on);
  // Off: the skinned frameless style (pop-up, no edges); on: the ordinary overlapped frame.
  void setFramed(bool on);
  bool isFramed() const { return framed_; }
  void setClientEdge(bool on);
  void setTaskbarButton(bool on);
  void addNotifyIcon();
  void removeNotifyIcon();
  void updateNotifyIcon();
  bool isNotifyIconShown() const { return notifyIconShown_; }
  bool isResizable() const { return resizableFrame_; }
  void setResizableFrame(bool on);
  void setKeepNotifyIcon(bool on) { keepNotifyIcon_ = on; }
  void setCloseButtonIconizes(bool on) { closeButtonIconizes_ = on; }
  void setKeepInsideScreen(bool on) { keepInsideScreen_ = on; }
  void setDoubleClickPassesThrough(bool on) { doubleClickPasses_ = on; }
  void setKeepOnTop(bool on) override;
  bool isKeptOnTop() const override { return keepOnTop_; }

  // Title.
  const char16_t* title() const override { return title_->text(); }
  void setTitle(const char16_t* text) override;
  void setTitleEntry(std::int32_t entryId) override;
  std::int32_t titleEntry() const { return titleEntry_; }

  // Icons (HICON); an owned icon is destroyed when replaced or when the window goes.
  void setSmallIcon(HICON icon, bool owned);
  void setBigIcon(HICON icon, bool owned);

  // Localizer and skin.
  bool hasLocalizer() const { return localizer_ != nullptr; }
  s::lang::Localizer* localizer() const { return localizer_; }
  // Follows the localizer's language changes (the window registers as its listener) and takes
  // the title from it.
  void setLocalizer(s::lang::Localizer* localizer);
  bool hasSkin() const { return skin_ != nullptr; }
  Skinner* skin() const { return skin_; }
  // The window's own skin: the window follows its scheme changes and takes its frame drawer
  // from the current scheme.
  void setSkin(Skinner* skin);
  // A click on the button (the window must also be its click listener) closes the window.
  void addCloseButton(s::gui::IComponent* button);
  void setBackgroundColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue, bool repaint);
  void setFocus();

  // Listeners.
  void addListener(std::int32_t code, IEventListener* listener) override;
  void addCloseListener(IEventListener* listener) { addListener(kClose, listener); }
  void addStatusListener(IEventListener* listener) { addListener(kStatus, listener); }
  void addTimerListener(IEventListener* listener) { addListener(kTimer, listener); }

  // Menus and status bar (not owned).
  void attachMenuBar(s::gui::IWindowMenu* menuBar);
  void setContextMenu(s::gui::IWindowMenu* menu) { contextMenu_ = menu; }
  void setNotifyIconMenu(s::gui::IWindowMenu* menu) { notifyMenu_ = menu; }
  // Placed at the bottom of the client area over its whole width; the layout gets the rest.
  void attachStatusBar(s::gui::IComponent* statusBar);
  // A frame drawer switches the window to the frameless style and paints its face; null goes
  // back to the ordinary frame. Not owned.
  void setWindowFrameDrawer(FrameDrawer* drawer);
  FrameDrawer* windowFrameDrawer() const { return frameDrawer_; }
  // With a frame drawer, transparent children show the face it paints, and its face colour is
  // the colour they find up the tree.
  std::uint32_t background() const override;
  s::image::win::BufferedImage* parentBackgroundImage() const override;

  // Binding.
  void bind(s::app::win::AppWindow* binding) override;
  s::app::win::AppWindow* binding() const { return binding_; }
  void saveGeometry() override;
  void setMiddleClickAction(const char16_t* action) override;
  const char16_t* middleClickAction() const override { return action_; }
  // Whether the window's present place may be kept (see s/gui/WindowPlacement.h).
  bool isStoredPositionUsable() const;
  void setRestoresPositions(bool on) { restoresPositions_ = on; }
  void moveFullyIntoVirtualScreen();
  // Shows (activating it when asked) or hides the window.
  // For a top-level window the second flag of show is whether to activate it.
  void show(bool visible, bool activate) override;

  // Status message: sent to the window, told to the status listeners there; the reply a
  // listener set is returned.
  std::intptr_t postStatus(const char16_t* name, std::int32_t value1, std::int32_t value2,
                           std::int32_t value3);
  const Status& status() const { return status_; }
  const char16_t* statusName() const { return statusName_->text(); }
  void setStatusReply(std::intptr_t reply) { statusReply_ = reply; }

  // Message boxes on the window's thread, captioned with the program file's name; the
  // question answers IDYES or IDNO.
  void showInformation(const char16_t* text);
  void showError(const char16_t* text);
  int askYesNo(const char16_t* text);

  // Transparency in percent, 100 opaque; with onHoverOnly it applies only while the window is
  // kept on top.
  void setTransparency(std::int32_t percent, bool onHoverOnly);
  std::int32_t transparency() const { return currentPercent_; }

  // Global hot keys, by name.
  bool registerHotKey(bool alt, bool ctrl, bool shift, bool win, std::uint32_t virtualKey,
                      const char16_t* name, bool showError);
  void unregisterHotKey(const char16_t* name);
  void unregisterAllHotKeys();
  bool wasHotKeyPressed(const char16_t* name) const override;
  std::uint32_t hotKeyCount() const { return hotKeys_.count(); }

  // Timers: WM_TIMER of id (native id + 10000) fires the timer event.
  bool startTimer(std::uint32_t id, std::uint32_t periodMs);
  void stopTimer(std::uint32_t id);

  std::int32_t lastKeyCode() const override { return lastKey_; }
  std::int32_t wheelStep() const override { return wheelStep_; }
  std::int32_t lastTimerId() const override { return lastTimerId_; }

  // The window as a listener: of its localizer, its skin and its close buttons.
  void event(s::base::IObject* source, std::int32_t code) override;

  bool preHandle(std::intptr_t* result, std::uint32_t message, std::uintptr_t wParam,
                 std::intptr_t lParam) override;
  void postHandle(std::intptr_t* result, std::uint32_t message, std::uintptr_t wParam,
                  std::intptr_t lParam) override;

 protected:
  void layoutDone() override;
  void resized() override {}

 private:
  struct HotKeyRequest;

  // The UI thread's side: registers the class, creates the hidden owner and the window.
  bool createNativeWindows() override;
  HWND dialogWindow() const override { return handle(); }
  bool preTranslateMessage(MSG&) override { return false; }

  ScreenRect windowRect() const;
  void fire(std::int32_t code);
  void refreshFrame();
  void setStyleBit(LONG_PTR bit, bool on, bool extended);
  void centreOnWorkArea();
  void applyTransparency();
  bool isTopmostNow() const;
  void leaveTopmostBand(UINT flags);
  void trimWorkingSet() const;
  void releaseIcons();
  void resetFields();
  LRESULT sendToWindow(UINT message, WPARAM wParam, LPARAM lParam) const;
  // Sends within what is left of the stop budget counted from start; false when the thread
  // did not answer in time.
  bool sendWithinBudget(UINT message, DWORD start) const;
  // Lets go of native windows that belong to a thread that will not run again (or has ended)
  // without sending them anything: the window's own, its owner's and its children's.
  void forgetNativeWindows();
  int messageBox(const char16_t* text, UINT kind);

  bool handlePrivate(std::intptr_t* result, std::uint32_t message, std::uintptr_t wParam,
                     std::intptr_t lParam);
  bool onClose();
  void onNotifyIcon(std::intptr_t mouseMessage);
  void onRestoreAndActivate();
  std::intptr_t onRegisterHotKey(const HotKeyRequest& request);
  void onUnregisterHotKey(const char16_t* name);
  std::intptr_t onHitTest(std::intptr_t lParam);
  void onNonClientMouseMove(std::uintptr_t hit);
  void onMouseMove(std::intptr_t lParam);
  void onLeftButtonDown(std::intptr_t lParam);
  void onLeftButtonUp();
  bool onWheel(std::uintptr_t wParam, std::intptr_t lParam);
  void onCommand(std::uintptr_t wParam);
  void onSize(std::uintptr_t kind);
  void onWindowPosChanged(std::intptr_t lParam);
  void stopResizeTracking();
  void eraseBackground(HDC dc);
  void paintFace();
  // Paints the face when there is none of the client's size yet.
  void ensureFace();
  void excludeChildren(HDC dc) const;

  InvisibleWindow owner_;
  UIThread thread_;
  s::app::win::AppWindow* binding_ = nullptr;

  s::base::Owned<s::str::strbuffer::StrBuffer> title_;
  std::int32_t titleEntry_ = -1;
  s::lang::Localizer* localizer_ = nullptr;
  HICON smallIcon_ = nullptr;
  HICON bigIcon_ = nullptr;
  bool smallIconOwned_ = false;
  bool bigIconOwned_ = false;
  FrameDrawer* frameDrawer_ = nullptr;
  // The face the frame drawer painted last, at the client size.
  s::base::Owned<s::image::win::BufferedImage> face_;
  Skinner* skin_ = nullptr;

  s::gui::IWindowMenu* menuBar_ = nullptr;
  s::gui::IWindowMenu* contextMenu_ = nullptr;
  s::gui::IWindowMenu* notifyMenu_ = nullptr;
  s::gui::IComponent* statusBar_ = nullptr;
  s::col::_array::ArrayP closeButtons_;

  s::col::_array::ArrayP listeners_[kEventKinds + 1];

  // Polled by other threads.
  std::atomic<bool> visible_{false};
  std::atomic<bool> closed_{false};
  bool cancelRequested_ = false;
  bool iconizeRequested_ = false;
  bool easyDrag_ = false;
  bool keepOnTop_ = false;
  bool taskbarButton_ = true;
  bool notifyIconShown_ = false;
  bool keepNotifyIcon_ = false;
  bool closeButtonIconizes_ = false;
  bool iconized_ = false;
  bool maximizedRestore_ = false;
  bool resizableFrame_ = true;
  bool minimizeBox_ = true;
  bool maximizeBox_ = true;
  bool keepInsideScreen_ = false;
  bool shutdownInProgress_ = false;
  bool systemSuspended_ = false;
  bool resizeTracking_ = false;
  bool resizeArmed_ = false;
  bool doubleClickPasses_ = false;
  bool framed_ = true;
  bool active_ = false;
  bool restoresPositions_ = true;
  bool leftClickToggles_ = true;
  bool captureTaken_ = false;
  DWORD deactivatedAt_ = 0;

  ScreenRect restored_;
  std::int32_t minimumWidth_ = -1;
  std::int32_t minimumHeight_ = -1;

  std::int32_t requestedPercent_ = 100;
  std::int32_t currentPercent_ = 100;
  bool transparentOnHoverOnly_ = false;

  const char16_t* action_;

  s::str::strarray::StrArray hotKeys_;
  ATOM lastHotKey_ = 0;

  Status status_;
  s::base::Owned<s::str::strbuffer::StrBuffer> statusName_;
  std::intptr_t statusReply_ = 0;

  std::int32_t lastKey_ = 0;
  std::int32_t wheelStep_ = 0;
  std::int32_t lastTimerId_ = 0;
  std::int32_t resizeEdge_ = 0;
  POINT dragOrigin_{};
  RECT dragStartRect_{};
};

}  // namespace s::gui::win
