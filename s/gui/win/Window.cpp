#include "s/gui/win/Window.h"

#include "s/app/AppWindow.h"
#include "s/app/IAppBase.h"
#include "s/archive/icon/Archive.h"
#include "s/gui/FrameHitTest.h"
#include "s/gui/HotKey.h"
#include "s/gui/IWindowMenu.h"
#include "s/gui/MiddleClickAction.h"
#include "s/gui/PrivateMessage.h"
#include "s/gui/Transparency.h"
#include "s/gui/VirtualScreen.h"
#include "s/gui/WindowPlacement.h"
#include "s/gui/drawer/IWindow.h"
#include "s/gui/drawer/Skinner.h"
#include "s/gui/drawer/win/DcSurface.h"
#include "s/gui/win/LayeredWindow.h"
#include "s/gui/win/MemDC.h"
#include "s/gui/win/MessageParams.h"
#include "s/gui/win/NotifyIcon.h"
#include "s/gui/win/WindowClass.h"
#include "s/image/BufferedImage.h"
#include "s/lang/Lang.h"
#include "s/system/os/StaticObj.h"
#include "s/thread/Lock.h"
#include "s/thread/Pool.h"

namespace s::gui::win {

using s::str::strbuffer::newStr;
using s::str::strbuffer::StrBuffer;

struct Window::HotKeyRequest {
  std::uint32_t modifiers = 0;
  std::uint32_t virtualKey = 0;
  const char16_t* name = nullptr;
  bool showError = false;
  const char16_t* message = nullptr;
};

namespace {

constexpr UINT kReservedPrivate[] = {1032, 1033, 1034, 1035, 1039, 1040, 1041, 1042, 1043};
constexpr UINT kNcUahDrawCaption = 174;
// Every extended edge style the frameless mode takes away (and gives back).
constexpr LONG_PTR kEdgeStyles = WS_EX_STATICEDGE | WS_EX_CLIENTEDGE | WS_EX_WINDOWEDGE;
constexpr UINT kKeepOnTopHidden = SWP_NOMOVE | SWP_NOSIZE;
constexpr UINT kKeepOnTopVisible = kKeepOnTopHidden | SWP_SHOWWINDOW;
// The mouse messages the notification icon passes on (not the window's event codes).
constexpr int kIconMouseMove = WM_MOUSEMOVE;
constexpr int kIconLeftButtonDown = WM_LBUTTONDOWN;
constexpr int kIconRightButtonDown = WM_RBUTTONDOWN;
constexpr DWORD kPollMs = 10;

const wchar_t* wide(const char16_t* text) { return reinterpret_cast<const wchar_t*>(text); }
const char16_t* narrow(const wchar_t* text) { return reinterpret_cast<const char16_t*>(text); }

void failureBox(const wchar_t* text) {
  MessageBoxW(nullptr, text, L"Error!", MB_OK | MB_ICONWARNING);
}

// The program file's name (without its folder): the caption of the toolkit's message boxes.
s::base::Owned<StrBuffer> programFileName() {
  wchar_t path[MAX_PATH] = {};
  const DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  auto name = newStr(narrow(path));
  name->setLength(n < MAX_PATH ? n : 0);
  std::uint32_t separator = 0;
  if (name->lastIndexOfAny(u"\\/", 2, &separator)) name->keepRange(separator + 1, StrBuffer::kAll);
  return name;
}

s::thread::Lock& workingSetLock() {
  static s::thread::Lock lock;
  return lock;
}

bool isOwnThread(HWND window) {
  return window != nullptr && GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId();
}

LPCWSTR cursorForEdge(std::int32_t hit) {
  switch (static_cast<FrameHit>(hit)) {
    case FrameHit::kLeft:
    case FrameHit::kRight:
      return IDC_SIZEWE;
    case FrameHit::kTop:
    case FrameHit::kBottom:
      return IDC_SIZENS;
    case FrameHit::kTopLeft:
    case FrameHit::kBottomRight:
      return IDC_SIZENWSE;
    case FrameHit::kTopRight:
    case FrameHit::kBottomLeft:
      return IDC_SIZENESW;
    default:
      return IDC_ARROW;
  }
}

bool isEdge(std::int32_t hit) { return hit >= HTLEFT && hit <= HTBOTTOMRIGHT; }

// HTLEFT .. HTBOTTOMRIGHT (10..17) and WMSZ_LEFT .. WMSZ_BOTTOMRIGHT (1..8) run in step.
WPARAM sizingEdgeOf(std::int32_t hit) { return static_cast<WPARAM>(hit - HTLEFT + WMSZ_LEFT); }

RECT resizedRect(const RECT& start, std::int32_t hit, LONG dx, LONG dy) {
  RECT r = start;
  switch (static_cast<FrameHit>(hit)) {
    case FrameHit::kLeft:
      r.left += dx;
      break;
    case FrameHit::kRight:
      r.right += dx;
      break;
    case FrameHit::kTop:
      r.top += dy;
      break;
    case FrameHit::kBottom:
      r.bottom += dy;
      break;
    case FrameHit::kTopLeft:
      r.left += dx;
      r.top += dy;
      break;
    case FrameHit::kTopRight:
      r.right += dx;
      r.top += dy;
      break;
    case FrameHit::kBottomLeft:
      r.left += dx;
      r.bottom += dy;
      break;
    case FrameHit::kBottomRight:
      r.right += dx;
      r.bottom += dy;
      break;
    default:
      break;
  }
  return r;
}

void forgetSubtree(s::gui::IComponent& component) {
  for (std::uint32_t i = 0; i < component.childCount(); ++i) forgetSubtree(*component.childAt(i));
  component.nativeWindowDestroyed();
}

s::gui::ScreenRect toScreenRect(const RECT& r) {
  return s::gui::ScreenRect{r.left, r.top, r.right - r.left, r.bottom - r.top};
}

}  // namespace

// ---- life ----

Window::Window()
    : title_(newStr(u"Window")), action_(s::gui::kActionDoNothing), statusName_(newStr()) {
  status_.name = statusName_->text();
  if (!thread_.start()) return;
  thread_.setWindow(this);
  // Bounded: a thread that cannot make its windows leaves this window without a handle. One
  // that is only slow is stopped, so that a handle does not turn up after the answer.
  if (!thread_.waitUntilRunning()) {
    thread_.stop();
    forgetNativeWindows();
  }
}

Window::~Window() {
  if (localizer_ != nullptr) localizer_->removeListener(this);
  if (skin_ != nullptr) skin_->removeListener(this);
  // The questions to the UI thread and its stopping share one budget: a thread that does not
  // answer is not waited for twice over.
  const DWORD start = GetTickCount();
  bool answered = true;
  if (handle() != nullptr) {
    if (notifyIconShown_) notifyicon::remove(handle());
    // Global atoms outlive the process: the hot keys' names are given back here.
    answered = sendWithinBudget(kUnregisterAllHotKeys, start) &&
               sendWithinBudget(s::gui::PrivateMessage::kDefaultClose, start);
  }
  const DWORD used = GetTickCount() - start;
  const DWORD left = used >= UIThread::kStopBudgetMs ? 0 : UIThread::kStopBudgetMs - used;
  thread_.stop(answered ? UIThread::kStopBudgetMs : left);
  // Ended or suspended, the thread runs no more: its windows are gone or must not be asked for
  // anything again, nor are its children's (a suspended thread would never answer).
  forgetNativeWindows();
  resetContainer();
  releaseIcons();
}

bool Window::sendWithinBudget(UINT message, DWORD start) const {
  const DWORD used = GetTickCount() - start;
  if (handle() == nullptr || used >= UIThread::kStopBudgetMs) return false;
  DWORD_PTR answer = 0;
  return SendMessageTimeoutW(handle(), message, 0, 0, SMTO_NORMAL | SMTO_ABORTIFHUNG,
                             UIThread::kStopBudgetMs - used, &answer) != 0;
}

void Window::forgetNativeWindows() {
  for (std::uint32_t i = 0; i < childCount(); ++i) forgetSubtree(*childAt(i));
  owner_.nativeWindowDestroyed();
  if (nativeWindow() != nullptr) nativeWindowDestroyed();
}

s::base::IObject* Window::newInstance() const { return s::thread::takeFromPool<Window>(); }

void Window::release() { s::thread::giveBackToPool(this); }

void Window::reset() {
  // The binding and the listeners belong to the previous user, who may be gone: nothing below
  // may write to the one or tell the others.
  binding_ = nullptr;
  for (auto& list : listeners_) list.clear();
  closeButtons_.clear();
  if (handle() != nullptr) {
    show(false, false);
    sendToWindow(WM_CLOSE, 0, 0);
    // A window left minimised or maximised would come back that way to its next user.
    if (IsIconic(handle()) || IsZoomed(handle())) {
      ShowWindow(handle(), SW_RESTORE);
      ShowWindow(handle(), SW_HIDE);
    }
  }
  keepNotifyIcon_ = false;
  removeNotifyIcon();
  unregisterAllHotKeys();
  removeAllChildren();
  if (localizer_ != nullptr) localizer_->removeListener(this);
  localizer_ = nullptr;
  // A window taken again must not hear the previous user's skin.
  if (skin_ != nullptr) skin_->removeListener(this);
  titleEntry_ = -1;
  setTitle(u"");
  releaseIcons();
  face_.reset();
  if (keepOnTop_) setKeepOnTop(false);
  setTransparency(kOpaquePercent, false);
  if (!framed_) setFramed(true);
  const s::system::os::win::StaticObj os;
  if (os.majorVersion >= 6) {
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    setBackgroundRgb(GetRValue(face), GetGValue(face), GetBValue(face), false);
  } else {
    setBackgroundRgb(240, 240, 240, false);
  }
  resetFields();
}

void Window::resetFields() {
  frameDrawer_ = nullptr;
  skin_ = nullptr;
  menuBar_ = contextMenu_ = notifyMenu_ = nullptr;
  statusBar_ = nullptr;
  closed_ = false;
  cancelRequested_ = iconizeRequested_ = false;
  easyDrag_ = false;
  taskbarButton_ = true;
  iconized_ = maximizedRestore_ = false;
  closeButtonIconizes_ = keepInsideScreen_ = false;
  shutdownInProgress_ = systemSuspended_ = false;
  resizeTracking_ = resizeArmed_ = false;
  doubleClickPasses_ = false;
  active_ = false;
  restoresPositions_ = true;
  leftClickToggles_ = true;
  deactivatedAt_ = 0;
  minimumWidth_ = minimumHeight_ = -1;
  transparentOnHoverOnly_ = false;
  action_ = s::gui::kActionDoNothing;
  lastHotKey_ = 0;
  statusName_->clear();
  status_ = Status{};
  status_.name = statusName_->text();
  statusReply_ = 0;
  lastKey_ = wheelStep_ = lastTimerId_ = resizeEdge_ = 0;
  setMargins(0, 0, 0, 0);
  setLayoutManager(nullptr);
  suspendLayout(false);
}

bool Window::createNativeWindows() {
  if (!WindowClass::ensureRegistered()) {
    failureBox(L"Window Registration Failed!");
    return false;
  }
  if (!owner_.create()) {
    failureBox(L"Window Creation Failed!");
    return false;
  }
  HWND window = WindowClass::create(WS_EX_CLIENTEDGE, L"Window", WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                                    CW_USEDEFAULT, 240, 120, owner_.handle(), nullptr, this);
  if (window == nullptr) {
    failureBox(L"Window Creation Failed!");
    DestroyWindow(owner_.handle());
    return false;
  }
  if (menuBar_ != nullptr && menuBar_->nativeMenuBar() != nullptr) {
    SetMenu(window, static_cast<HMENU>(menuBar_->nativeMenuBar()));
  }
  ShowWindow(owner_.handle(), SW_HIDE);
  ShowWindow(window, SW_HIDE);
  UpdateWindow(owner_.handle());
  UpdateWindow(window);
  RECT r{};
  GetWindowRect(window, &r);
  restored_ = toScreenRect(r);
  return true;
}

LRESULT Window::sendToWindow(UINT message, WPARAM wParam, LPARAM lParam) const {
  HWND window = handle();
  return window != nullptr ? SendMessageW(window, message, wParam, lParam) : 0;
}

// ---- geometry ----

s::gui::ScreenRect Window::windowRect() const {
  RECT r{};
  if (handle() == nullptr || !GetWindowRect(handle(), &r)) return s::gui::ScreenRect{};
  return toScreenRect(r);
}

bool Window::contains(std::int32_t screenX, std::int32_t screenY) const {
  if (!isShown()) return false;
  const s::gui::ScreenRect r = windowRect();
  return screenX >= r.x && screenX < r.right() && screenY >= r.y && screenY < r.bottom();
}

std::int32_t Window::clientWidth() const {
  RECT r{};
  if (handle() == nullptr || !GetClientRect(handle(), &r)) return 0;
  return r.right - r.left;
}

std::int32_t Window::clientHeight() const {
  RECT r{};
  if (handle() == nullptr || !GetClientRect(handle(), &r)) return 0;
  std::int32_t height = r.bottom - r.top;
  if (statusBar_ != nullptr && statusBar_->isShown()) height -= statusBar_->height();
  return height < 0 ? 0 : height;
}

void Window::move(std::int32_t x, std::int32_t y) {
  if (handle() == nullptr) return;
  SetWindowPos(handle(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Window::setSize(std::int32_t width, std::int32_t height) {
  if (handle() == nullptr) return;
  SetWindowPos(handle(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Window::setBounds(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) {
  if (handle() == nullptr) return;
  SetWindowPos(handle(), nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE);
}

std::int32_t Window::minimumWidth() const {
  if (minimumWidth_ >= 0) return minimumWidth_;
  return contentMinimumWidth() + (width() - clientWidth());
}

std::int32_t Window::minimumHeight() const {
  if (minimumHeight_ >= 0) return minimumHeight_;
  return contentMinimumHeight() + (height() - clientHeight());
}

void Window::setMinimumSize(std::int32_t width, std::int32_t height) {
  minimumWidth_ = width;
  minimumHeight_ = height;
}

void Window::layoutDone() {
  if (statusBar_ == nullptr || !statusBar_->isShown() || handle() == nullptr) return;
  RECT client{};
  GetClientRect(handle(), &client);
  const std::int32_t barHeight = statusBar_->height();
  statusBar_->setBounds(0, client.bottom - barHeight, client.right, barHeight);
}

// ---- closing and state ----

void Window::close() {
  if (closeButtonIconizes_ && !iconized_) iconizeRequested_ = true;
  sendToWindow(WM_CLOSE, 0, 0);
}

bool Window::onClose() {
  if (iconizeRequested_) {
    iconizeRequested_ = false;
    iconize();
    return true;
  }
  if (closed_) return true;
  cancelRequested_ = false;
  fire(kClose);
  if (cancelRequested_) {
    cancelRequested_ = false;
    return true;
  }
  show(false, false);
  if (notifyIconShown_) {
    keepNotifyIcon_ = false;
    removeNotifyIcon();
  }
  closed_ = true;
  return true;
}

void Window::waitUntilClosed() const {
  // A window without a native window can never close.
  while (!closed_ && handle() != nullptr) Sleep(kPollMs);
}

void Window::activate() {
  if (handle() == nullptr) return;
  SetForegroundWindow(handle());
  deactivatedAt_ = 0;
}

bool Window::isMinimized() const { return handle() != nullptr && IsIconic(handle()); }

void Window::minimize() {
  if (handle() != nullptr) ShowWindow(handle(), SW_MINIMIZE);
}

bool Window::isMaximized() const { return handle() != nullptr && IsZoomed(handle()); }

void Window::maximize() {
  if (handle() != nullptr) ShowWindow(handle(), SW_MAXIMIZE);
}

void Window::showNormal() {
  if (handle() != nullptr) ShowWindow(handle(), SW_SHOWNORMAL);
}

void Window::iconize() {
  if (iconized_ || handle() == nullptr) return;
  minimize();
  ShowWindow(handle(), SW_HIDE);
  visible_ = false;
  if (!notifyIconShown_) addNotifyIcon();
  iconized_ = true;
}

void Window::restore() {
  if (handle() == nullptr) return;
  if (isMaximized() && binding_ != nullptr) binding_->setMaximized(false);
  if (iconized_) {
    show(true, true);
    SetForegroundWindow(handle());
    iconized_ = false;
    if (!keepNotifyIcon_) removeNotifyIcon();
  }
  ShowWindow(handle(), SW_RESTORE);
}

// ---- styles ----

void Window::refreshFrame() {
  if (handle() == nullptr) return;
  SetWindowPos(handle(), nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Window::setStyleBit(LONG_PTR bit, bool on, bool extended) {
  if (handle() == nullptr) return;
  const int index = extended ? GWL_EXSTYLE : GWL_STYLE;
  const LONG_PTR style = GetWindowLongPtrW(handle(), index);
  const LONG_PTR wanted = on ? (style | bit) : (style & ~bit);
  if (wanted != style) SetWindowLongPtrW(handle(), index, wanted);
  refreshFrame();
}

void Window::setEasyDrag(bool on) {
  easyDrag_ = on;
  if (binding_ != nullptr) binding_->setEasyDrag(on);
}

void Window::setMaximizeBox(bool on) {
  maximizeBox_ = on;
  setStyleBit(WS_MAXIMIZEBOX, on, false);
  if (handle() != nullptr) DrawMenuBar(handle());
}

void Window::setMinimizeBox(bool on) {
  minimizeBox_ = on;
  setStyleBit(WS_MINIMIZEBOX, on, false);
  if (handle() != nullptr) DrawMenuBar(handle());
}

void Window::setSystemMenu(bool on) { setStyleBit(WS_SYSMENU, on, false); }

void Window::setCaption(bool on) { setStyleBit(WS_CAPTION, on, false); }

void Window::setToolWindow(bool on) { setStyleBit(WS_EX_TOOLWINDOW, on, true); }

void Window::setFramed(bool on) {
  framed_ = on;
  if (handle() == nullptr) return;
  LONG_PTR style = GetWindowLongPtrW(handle(), GWL_STYLE);
  LONG_PTR extended = GetWindowLongPtrW(handle(), GWL_EXSTYLE);
  const LONG_PTR boxes = (minimizeBox_ ? WS_MINIMIZEBOX : 0) | (maximizeBox_ ? WS_MAXIMIZEBOX : 0);
  if (on) {
    style = (style & ~WS_POPUP) | WS_OVERLAPPEDWINDOW;
    style &= ~(WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
    style |= boxes;
    if (!resizableFrame_) style &= ~WS_THICKFRAME;
    extended |= kEdgeStyles;
  } else {
    style = (style & ~WS_OVERLAPPEDWINDOW) | WS_POPUP | WS_SYSMENU | boxes;
    extended &= ~kEdgeStyles;
  }
  SetWindowLongPtrW(handle(), GWL_STYLE, style);
  SetWindowLongPtrW(handle(), GWL_EXSTYLE, extended);
  refreshFrame();
}

void Window::setClientEdge(bool on) { setStyleBit(WS_EX_CLIENTEDGE, on, true); }

void Window::setTaskbarButton(bool on) {
  taskbarButton_ = on;
  // The taskbar reads the style when the window is shown.
  const bool shown = visible_ && handle() != nullptr;
  if (shown) ShowWindow(handle(), SW_HIDE);
  setStyleBit(WS_EX_APPWINDOW, on, true);
  if (shown) ShowWindow(handle(), SW_SHOW);
}

void Window::addNotifyIcon() {
  if (handle() == nullptr) return;
  HICON icon = reinterpret_cast<HICON>(sendToWindow(WM_GETICON, ICON_SMALL, 0));
  if (icon == nullptr) icon = smallIcon_ != nullptr ? smallIcon_ : bigIcon_;
  notifyIconShown_ = notifyicon::add(handle(), icon, wide(title()));
}

void Window::removeNotifyIcon() {
  if (!notifyIconShown_ || keepNotifyIcon_ || handle() == nullptr) return;
  notifyicon::remove(handle());
  notifyIconShown_ = false;
}

void Window::updateNotifyIcon() {
  if (!notifyIconShown_) return;
  HICON icon = reinterpret_cast<HICON>(sendToWindow(WM_GETICON, ICON_SMALL, 0));
  notifyicon::modify(handle(), icon, wide(title()));
}

void Window::setResizableFrame(bool on) {
  resizableFrame_ = on;
  if (framed_) setStyleBit(WS_THICKFRAME, on, false);
}

void Window::setKeepOnTop(bool on) {
  if (handle() != nullptr) {
    const UINT flags = visible_ ? kKeepOnTopVisible : kKeepOnTopHidden;
    SetWindowPos(handle(), on ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0, flags);
    if (!on) leaveTopmostBand(flags);
  }
  keepOnTop_ = on;
  if (transparentOnHoverOnly_) applyTransparency();
  if (binding_ != nullptr) binding_->setKeepOnTop(on);
}

// ---- title, icons, localizer ----

void Window::setTitle(const char16_t* text) {
  title_->setText(text != nullptr ? text : u"");
  if (handle() == nullptr) return;
  sendToWindow(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide(title())));
  if (notifyIconShown_) notifyicon::updateTip(handle(), wide(title()));
}

void Window::setTitleEntry(std::int32_t entryId) {
  titleEntry_ = entryId;
  if (localizer_ != nullptr && entryId >= 0) setTitle(s::lang::textOf(*localizer_, entryId));
}

void Window::setSmallIcon(HICON icon, bool owned) {
  sendToWindow(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
  if (owner_.handle() != nullptr) {
    SendMessageW(owner_.handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
  }
  if (smallIcon_ != nullptr && smallIconOwned_ && smallIcon_ != icon) DestroyIcon(smallIcon_);
  smallIcon_ = icon;
  smallIconOwned_ = owned;
}

void Window::setBigIcon(HICON icon, bool owned) {
  sendToWindow(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  if (owner_.handle() != nullptr) {
    SendMessageW(owner_.handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
  }
  if (bigIcon_ != nullptr && bigIconOwned_ && bigIcon_ != icon) DestroyIcon(bigIcon_);
  bigIcon_ = icon;
  bigIconOwned_ = owned;
}

void Window::releaseIcons() {
  if (smallIcon_ != nullptr || bigIcon_ != nullptr) {
    setSmallIcon(nullptr, false);
    setBigIcon(nullptr, false);
  }
}

void Window::setLocalizer(s::lang::Localizer* localizer) {
  if (localizer_ != nullptr) localizer_->removeListener(this);
  localizer_ = localizer;
  if (localizer_ == nullptr) return;
  localizer_->addListener(this);
  setTitleEntry(titleEntry_);
}

void Window::addCloseButton(s::gui::IComponent* button) {
  if (button != nullptr) closeButtons_.appendPointer(button);
}

void Window::setBackgroundColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue,
                                 bool repaint) {
  setBackgroundRgb(red, green, blue, false);
  if (repaint && handle() != nullptr) InvalidateRect(handle(), nullptr, TRUE);
}

void Window::setFocus() {
  if (handle() == nullptr) return;
  // Focus is per thread: from elsewhere, activating the window gives it the focus.
  if (isOwnThread(handle())) {
    SetFocus(handle());
  } else {
    SetForegroundWindow(handle());
  }
}

// ---- listeners ----

void Window::addListener(std::int32_t code, IEventListener* listener) {
  if (code < 1 || code > kEventKinds || listener == nullptr) return;
  listeners_[code].appendPointer(listener);
}

void Window::fire(std::int32_t code) {
  s::col::_array::ArrayP& list = listeners_[code];
  auto* source = static_cast<s::base::IObject*>(static_cast<s::gui::IWindow*>(this));
  // By index, re-reading the count: a listener may register another while it is told.
  for (std::uint32_t i = 0; i < list.count(); ++i) {
    static_cast<IEventListener*>(list.pointerAt(i))->event(source, code);
  }
}

void Window::event(s::base::IObject* source, std::int32_t) {
  if (source == nullptr) return;
  if (localizer_ != nullptr && source == static_cast<s::base::IObject*>(localizer_)) {
    const s::lang::LangPack* current = s::lang::currentPack(*localizer_);
    if (current != nullptr && binding_ != nullptr && binding_->application() != nullptr) {
      binding_->application()->setLanguage(current->engName().text());
    }
    setTitleEntry(titleEntry_);
    fire(kLanguageChanged);
    return;
  }
  if (skin_ != nullptr && source == static_cast<s::base::IObject*>(skin_)) {
    s::gui::drawer::ISkin* scheme = skin_->currentScheme();
    if (scheme == nullptr) return;
    setWindowFrameDrawer(scheme->windowDrawer());
    if (binding_ != nullptr) binding_->setStyleName(scheme->name().text());
    return;
  }
  for (std::uint32_t i = 0; i < closeButtons_.count(); ++i) {
    auto* button = static_cast<s::gui::IComponent*>(closeButtons_.pointerAt(i));
    if (static_cast<s::base::IObject*>(button) == source) {
      close();
      return;
    }
  }
  if (menuBar_ != nullptr && menuBar_->nativeMenuBar() != nullptr && handle() != nullptr) {
    DrawMenuBar(handle());
  }
}

// ---- menus, status bar, frame ----

void Window::attachMenuBar(s::gui::IWindowMenu* menuBar) {
  menuBar_ = menuBar;
  if (handle() != nullptr && menuBar_ != nullptr && menuBar_->nativeMenuBar() != nullptr) {
    SetMenu(handle(), static_cast<HMENU>(menuBar_->nativeMenuBar()));
  }
}

void Window::attachStatusBar(s::gui::IComponent* statusBar) {
  statusBar_ = statusBar;
  relayout();
}

void Window::setWindowFrameDrawer(FrameDrawer* drawer) {
  frameDrawer_ = drawer;
  setFramed(drawer == nullptr);
  if (handle() != nullptr) {
    RedrawWindow(handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE);
  }
}

void Window::setSkin(Skinner* skin) {
  if (skin != skin_) {
    if (skin_ != nullptr) skin_->removeListener(this);
    if (skin != nullptr) skin->addListener(this);
  }
  skin_ = skin;
  if (skin_ != nullptr && skin_->currentScheme() != nullptr) {
    setWindowFrameDrawer(skin_->currentScheme()->windowDrawer());
  }
}

void Window::excludeChildren(HDC dc) const {
  for (std::uint32_t i = 0; i < childCount(); ++i) {
    HWND child = windowOf(childAt(i)->nativeWindow());
    if (child == nullptr || !IsWindowVisible(child)) continue;
    RECT area{};
    GetWindowRect(child, &area);
    MapWindowPoints(nullptr, handle(), reinterpret_cast<POINT*>(&area), 2);
    ExcludeClipRect(dc, area.left, area.top, area.right, area.bottom);
  }
}

std::uint32_t Window::background() const {
  return frameDrawer_ != nullptr ? frameDrawer_->faceColour() : ContainerBase::background();
}

s::image::win::BufferedImage* Window::parentBackgroundImage() const {
  if (frameDrawer_ == nullptr || handle() == nullptr) return nullptr;
  // A child may paint before the window does: the face is made for it then.
  const_cast<Window*>(this)->ensureFace();
  return face_.get();
}

void Window::ensureFace() {
  RECT client{};
  GetClientRect(handle(), &client);
  if (!face_ || face_->width() != client.right || face_->height() != client.bottom) paintFace();
}

void Window::paintFace() {
  RECT client{};
  GetClientRect(handle(), &client);
  if (!face_) face_ = s::thread::obtain<s::image::win::BufferedImage>();
  if (face_->width() != client.right || face_->height() != client.bottom) {
    face_->create(client.right, client.bottom);
  }
  s::base::Owned<MemDC> memory(MemDC::create(handle(), face_.get(), false));
  if (!memory || memory->dc() == nullptr) return;
  s::gui::drawer::win::DcSurface surface(memory->dc());
  frameDrawer_->paint(surface, s::gui::drawer::Rect{0, 0, client.right, client.bottom});
}

void Window::eraseBackground(HDC dc) {
  RECT client{};
  GetClientRect(handle(), &client);
  if (frameDrawer_ != nullptr) paintFace();
  const int saved = SaveDC(dc);
  excludeChildren(dc);
  if (frameDrawer_ != nullptr && face_) {
    face_->drawTo(dc, 0, 0, client.right, client.bottom, false);
  } else {
    HBRUSH brush = CreateSolidBrush(background());
    FillRect(dc, &client, brush);
    DeleteObject(brush);
  }
  RestoreDC(dc, saved);
}

// ---- binding and showing ----

void Window::bind(s::app::win::AppWindow* binding) {
  binding_ = binding;
  if (binding == nullptr) return;
  const s::app::IAppBase* application = binding->application();
  if (application != nullptr && application->iconSet() != nullptr) {
    setSmallIcon(static_cast<HICON>(application->iconSet()->icon(16)), false);
    setBigIcon(static_cast<HICON>(application->iconSet()->icon(32)), false);
  }
  titleEntry_ = binding->titleEntry();
  setLocalizer(binding->localizer());
  if (binding->hasOwnSkin()) setSkin(binding->skin());
  setEasyDrag(binding->getEasyDrag());
  setKeepOnTop(binding->getKeepOnTop());
  setMiddleClickAction(binding->getOnMClick());
  if (binding->hasStoredPosition()) {
    setBounds(binding->getX(), binding->getY(), binding->getWidth(), binding->getHeight());
    if (!isStoredPositionUsable()) centreOnWorkArea();
  } else {
    setSize(binding->getWidth(), binding->getHeight());
  }
}

void Window::saveGeometry() {
  if (binding_ == nullptr || !visible_ || handle() == nullptr) return;
  if (isMaximized()) {
    if (!binding_->getMaximized()) binding_->setMaximized(true);
    return;
  }
  if (isMinimized()) return;
  if (binding_->getMaximized()) binding_->setMaximized(false);
  const s::gui::ScreenRect r = windowRect();
  if (!binding_->hasX() || binding_->getX() != r.x) binding_->setX(r.x);
  if (!binding_->hasY() || binding_->getY() != r.y) binding_->setY(r.y);
  if (!binding_->hasWidth() || binding_->getWidth() != r.width) binding_->setWidth(r.width);
  if (!binding_->hasHeight() || binding_->getHeight() != r.height) binding_->setHeight(r.height);
}

void Window::setMiddleClickAction(const char16_t* action) {
  action_ = s::gui::normalizeMiddleClickAction(action);
  if (binding_ != nullptr) binding_->setOnMClick(action_);
}

bool Window::isStoredPositionUsable() const {
  if (!restoresPositions_) return true;
  return s::gui::isStoredPositionUsable(windowRect(), s::gui::virtualScreen());
}

void Window::centreOnWorkArea() {
  const s::gui::ScreenRect r = windowRect();
  const s::gui::ScreenRect centred = s::gui::centreOnArea(r.width, r.height, s::gui::workArea());
  move(centred.x, centred.y);
}

void Window::moveFullyIntoVirtualScreen() {
  if (handle() == nullptr || isMaximized()) return;
  const s::gui::ScreenRect r = windowRect();
  const s::gui::ScreenRect moved = s::gui::moveIntoScreen(r, s::gui::virtualScreen());
  if (moved != r) move(moved.x, moved.y);
}

void Window::show(bool visible, bool activate) {
  if (handle() == nullptr) return;
  if (visible && !visible_) {
    // Read before the minimise below, which records Maximized false and the present place: a
    // window that has never been placed would otherwise seem to have a stored position.
    const bool storedMaximized = binding_ != nullptr && binding_->getMaximized();
    const bool storedPosition = binding_ != nullptr && binding_->hasStoredPosition();
    if (activate && taskbarButton_) {
      // Minimising and restoring lets the window take the foreground from another program.
      ShowWindow(handle(), SW_MINIMIZE);
      ShowWindow(handle(), SW_RESTORE);
    }
    if (!isMaximized() && binding_ != nullptr) {
      if (storedMaximized) {
        maximize();
      } else if (restoresPositions_ && !keepInsideScreen_ &&
                 (!storedPosition || !isStoredPositionUsable())) {
        centreOnWorkArea();
      }
    }
    if (activate) this->activate();
    ShowWindow(handle(), SW_SHOW);
    RedrawWindow(handle(), nullptr, nullptr,
                 RDW_FRAME | RDW_UPDATENOW | RDW_ERASE | RDW_INVALIDATE);
    visible_ = true;
  } else if (!visible && visible_) {
    saveGeometry();
    ShowWindow(handle(), SW_HIDE);
    visible_ = false;
  }
  trimWorkingSet();
}

bool Window::isTopmostNow() const {
  return (GetWindowLongPtrW(handle(), GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

void Window::leaveTopmostBand(UINT flags) {
  if (!isTopmostNow() || owner_.handle() == nullptr) return;
  // Wine keeps an owned window in the topmost band: without its owner for a moment it leaves.
  SetWindowLongPtrW(handle(), GWLP_HWNDPARENT, 0);
  SetWindowPos(handle(), HWND_NOTOPMOST, 0, 0, 0, 0, flags | SWP_NOACTIVATE);
  SetWindowLongPtrW(handle(), GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(owner_.handle()));
}

void Window::trimWorkingSet() const {
  s::thread::LockGuard guard(workingSetLock());
  SetProcessWorkingSetSize(GetCurrentProcess(), static_cast<SIZE_T>(-1), static_cast<SIZE_T>(-1));
}

// ---- status, message boxes ----

std::intptr_t Window::postStatus(const char16_t* name, std::int32_t value1, std::int32_t value2,
                                 std::int32_t value3) {
  Status record{name != nullptr ? name : u"", value1, value2, value3};
  return sendToWindow(kStatusMessage, reinterpret_cast<WPARAM>(&record), 0);
}

int Window::messageBox(const char16_t* text, UINT kind) {
  auto caption = programFileName();
  return MessageBoxW(handle(), wide(text != nullptr ? text : u""), wide(caption->text()), kind);
}

void Window::showInformation(const char16_t* text) {
  sendToWindow(kInformationBox, reinterpret_cast<WPARAM>(text), 0);
}

void Window::showError(const char16_t* text) {
  sendToWindow(kErrorBox, reinterpret_cast<WPARAM>(text), 0);
}

int Window::askYesNo(const char16_t* text) {
  return static_cast<int>(sendToWindow(kQuestionBox, reinterpret_cast<WPARAM>(text), 0));
}

// ---- transparency ----

void Window::setTransparency(std::int32_t percent, bool onHoverOnly) {
  requestedPercent_ = percent;
  transparentOnHoverOnly_ = onHoverOnly;
  applyTransparency();
}

void Window::applyTransparency() {
  if (handle() == nullptr) return;
  const std::int32_t target =
      transparentOnHoverOnly_ && !keepOnTop_ ? kOpaquePercent : requestedPercent_;
  if (target == currentPercent_) return;
  if (layered::applyTransparency(handle(), currentPercent_, target) == layered::Outcome::kApplied) {
    currentPercent_ = target;
  }
}

// ---- hot keys, timers ----

bool Window::registerHotKey(bool alt, bool ctrl, bool shift, bool win, std::uint32_t virtualKey,
                            const char16_t* name, bool showError) {
  if (handle() == nullptr || name == nullptr) return false;
  unregisterHotKey(name);
  const s::gui::HotKeyModifiers modifiers{alt, ctrl, shift, win};
  const s::system::os::win::StaticObj os;
  auto message = s::gui::hotKeyOccupiedText(modifiers, virtualKey);
  HotKeyRequest request;
  request.modifiers = s::gui::hotKeyModifierFlags(modifiers, os.majorVersion, os.minorVersion);
  request.virtualKey = virtualKey;
  request.name = name;
  request.showError = showError;
  request.message = message->text();
  return sendToWindow(kRegisterHotKey, reinterpret_cast<WPARAM>(&request), 0) != 0;
}

std::intptr_t Window::onRegisterHotKey(const HotKeyRequest& request) {
  const ATOM atom = GlobalAddAtomW(wide(request.name));
  if (atom != 0 &&
      RegisterHotKey(handle(), atom, static_cast<UINT>(request.modifiers), request.virtualKey)) {
    hotKeys_.add(newStr(request.name));
    return 1;
  }
  const DWORD error = GetLastError();
  if (atom != 0) GlobalDeleteAtom(atom);
  if (request.showError) {
    auto text = newStr(u"(");
    text->appendUInt32(error).appendText(u") ").appendText(request.message);
    messageBox(text->text(), MB_OK | MB_ICONEXCLAMATION);
  }
  return 0;
}

void Window::unregisterHotKey(const char16_t* name) {
  if (name != nullptr) sendToWindow(kUnregisterHotKey, reinterpret_cast<WPARAM>(name), 0);
}

void Window::onUnregisterHotKey(const char16_t* name) {
  for (std::uint32_t i = 0; i < hotKeys_.count(); ++i) {
    if (!hotKeys_.at(i)->equals(*newStr(name))) continue;
    const ATOM atom = GlobalFindAtomW(wide(name));
    if (atom != 0) {
      UnregisterHotKey(handle(), atom);
      GlobalDeleteAtom(atom);
    }
    hotKeys_.array().removeAt(i);
    return;
  }
}

void Window::unregisterAllHotKeys() { sendToWindow(kUnregisterAllHotKeys, 0, 0); }

bool Window::wasHotKeyPressed(const char16_t* name) const {
  if (name == nullptr || lastHotKey_ == 0) return false;
  return GlobalFindAtomW(wide(name)) == lastHotKey_;
}

bool Window::startTimer(std::uint32_t id, std::uint32_t periodMs) {
  return sendToWindow(kStartTimer, id, static_cast<LPARAM>(periodMs)) != 0;
}

void Window::stopTimer(std::uint32_t id) { sendToWindow(kStopTimer, id, 0); }

// ---- messages ----

bool Window::handlePrivate(std::intptr_t* result, std::uint32_t message, std::uintptr_t wParam,
                           std::intptr_t lParam) {
  *result = 0;
  switch (message) {
    case kStatusMessage: {
      const auto* record = reinterpret_cast<const Status*>(wParam);
      if (record != nullptr) {
        statusName_->setText(record->name);
        status_ = *record;
        status_.name = statusName_->text();
      }
      statusReply_ = 0;
      fire(kStatus);
      *result = statusReply_;
      return true;
    }
    case kNotifyIconMessage:
      onNotifyIcon(lParam);
      return true;
    case kRestoreAndActivate:
      onRestoreAndActivate();
      return true;
    case kInformationBox:
      messageBox(reinterpret_cast<const char16_t*>(wParam), MB_OK | MB_ICONINFORMATION);
      return true;
    case kErrorBox:
      messageBox(reinterpret_cast<const char16_t*>(wParam), MB_OK | MB_ICONERROR);
      return true;
    case kQuestionBox:
      *result = messageBox(reinterpret_cast<const char16_t*>(wParam), MB_YESNO | MB_ICONQUESTION);
      return true;
    case kAnotherCopyStartedMessage:
      fire(kAnotherCopyStarted);
      return true;
    case kRegisterHotKey:
      *result = onRegisterHotKey(*reinterpret_cast<const HotKeyRequest*>(wParam));
      return true;
    case kUnregisterHotKey:
      onUnregisterHotKey(reinterpret_cast<const char16_t*>(wParam));
      return true;
    case kUnregisterAllHotKeys:
      while (hotKeys_.count() > 0) {
        auto name = hotKeys_.at(hotKeys_.count() - 1)->clone();
        onUnregisterHotKey(name->text());
      }
      return true;
    case kStartTimer:
      *result = SetTimer(handle(), wParam + kTimerIdBase, static_cast<UINT>(lParam), nullptr) != 0;
      return true;
    case kStopTimer:
      KillTimer(handle(), wParam + kTimerIdBase);
      return true;
    case s::gui::PrivateMessage::kDefaultClose:
      // The owner's default close destroys it, and with it this window.
      if (owner_.handle() != nullptr) {
        SendMessageW(owner_.handle(), s::gui::PrivateMessage::kDefaultClose, 0, 0);
      } else {
        DestroyWindow(handle());
      }
      return true;
    case s::gui::PrivateMessage::kSetParentOf:
      return ContainerBase::preHandle(result, message, wParam, lParam);
    default:
      for (UINT reserved : kReservedPrivate) {
        if (message == reserved) return true;
      }
      return false;
  }
}

void Window::onNotifyIcon(std::intptr_t mouseMessage) {
  switch (mouseMessage) {
    case kIconMouseMove:
      return;
    case kIconLeftButtonDown: {
      if (leftClickToggles_) {
        const bool justDeactivated =
            deactivatedAt_ != 0 && GetTickCount() - deactivatedAt_ < kIconClickGraceMs;
        if (iconized_) {
          restore();
        } else if (active_ || justDeactivated) {
          iconize();
        } else {
          activate();
          if (isMinimized()) restore();
        }
      }
      fire(kNotifyIconLeftClick);
      return;
    }
    case kIconRightButtonDown: {
      if (notifyMenu_ == nullptr) return;
      fire(kNotifyIconRightClick);
      SetForegroundWindow(handle());
      POINT at{};
      GetCursorPos(&at);
      notifyMenu_->showAt(at.x, at.y, handle());
      SetForegroundWindow(handle());
      return;
    }
    default:
      return;
  }
}

void Window::onRestoreAndActivate() {
  if (iconized_) restore();
  if (isMinimized()) restore();
  activate();
}

std::intptr_t Window::onHitTest(std::intptr_t lParam) {
  const LRESULT hit = WindowClass::defaultProcessing(handle(), WM_NCHITTEST, 0, lParam);
  if (!framed_ && resizableFrame_) {
    const s::gui::ScreenRect r = windowRect();
    const FrameHit zone =
        s::gui::frameHitTest(pointX(lParam) - r.x, pointY(lParam) - r.y, r.width, r.height);
    if (zone != FrameHit::kNone) return static_cast<std::intptr_t>(zone);
  }
  if (easyDrag_ && hit == HTCLIENT && GetAsyncKeyState(VK_LBUTTON) < 0) {
    SetFocus(handle());
    return HTCAPTION;
  }
  return hit;
}

void Window::onNonClientMouseMove(std::uintptr_t hit) {
  if (framed_ || !resizableFrame_) return;
  const auto edge = static_cast<std::int32_t>(hit);
  if (!isEdge(edge)) {
    stopResizeTracking();
    return;
  }
  SetCursor(LoadCursorW(nullptr, cursorForEdge(edge)));
  resizeEdge_ = edge;
  resizeTracking_ = true;
  if (!captureTaken_) {
    SetCapture(handle());
    captureTaken_ = true;
  }
}

void Window::stopResizeTracking() {
  resizeTracking_ = false;
  resizeArmed_ = false;
  if (captureTaken_) ReleaseCapture();
  SetCursor(LoadCursorW(nullptr, IDC_ARROW));
}

void Window::onMouseMove(std::intptr_t lParam) {
  if (!resizeTracking_) return;
  POINT at{pointX(lParam), pointY(lParam)};
  ClientToScreen(handle(), &at);
  if (resizeArmed_) {
    RECT proposed =
        resizedRect(dragStartRect_, resizeEdge_, at.x - dragOrigin_.x, at.y - dragOrigin_.y);
    SendMessageW(handle(), WM_SIZING, sizingEdgeOf(resizeEdge_),
                 reinterpret_cast<LPARAM>(&proposed));
    SetWindowPos(handle(), nullptr, proposed.left, proposed.top, proposed.right - proposed.left,
                 proposed.bottom - proposed.top, SWP_NOZORDER | SWP_NOACTIVATE);
    return;
  }
  // While the mouse is captured its moves off the border arrive here, not as non-client moves.
  const s::gui::ScreenRect r = windowRect();
  const FrameHit zone = s::gui::frameHitTest(at.x - r.x, at.y - r.y, r.width, r.height);
  const bool inside = at.x >= r.x && at.x < r.right() && at.y >= r.y && at.y < r.bottom();
  onNonClientMouseMove(inside ? static_cast<std::uintptr_t>(zone) : HTNOWHERE);
}

void Window::onLeftButtonDown(std::intptr_t lParam) {
  if (framed_ || !resizeTracking_) {
    fire(kLeftButtonDown);
    return;
  }
  POINT at{pointX(lParam), pointY(lParam)};
  ClientToScreen(handle(), &at);
  dragOrigin_ = at;
  RECT r{};
  GetWindowRect(handle(), &r);
  if (PtInRect(&r, at)) {
    dragStartRect_ = r;
    resizeArmed_ = true;
  }
}

void Window::onLeftButtonUp() {
  fire(kLeftButtonUp);
  if (resizeArmed_) stopResizeTracking();
}

bool Window::onWheel(std::uintptr_t wParam, std::intptr_t lParam) {
  const std::int32_t x = pointX(lParam);
  const std::int32_t y = pointY(lParam);
  for (std::uint32_t i = 0; i < childCount(); ++i) {
    s::gui::IComponent* child = childAt(i);
    if (!child->acceptsWheel() || !child->isShown() || !child->contains(x, y)) continue;
    if (SendMessageW(windowOf(child->nativeWindow()), WM_MOUSEWHEEL, wParam, lParam) == 0) {
      return true;
    }
  }
  UINT lines = 3;
  SystemParametersInfoW(SPI_GETWHEELSCROLLLINES, 0, &lines, 0);
  wheelStep_ = wheelDelta(wParam) >= 0 ? static_cast<std::int32_t>(lines)
                                       : -static_cast<std::int32_t>(lines);
  fire(kWheel);
  return true;
}

void Window::onCommand(std::uintptr_t wParam) {
  const std::int32_t id = loWord(wParam);
  for (s::gui::IWindowMenu* menu : {menuBar_, contextMenu_, notifyMenu_}) {
    if (menu != nullptr && menu->hasCommandId(id)) {
      menu->select(id);
      return;
    }
  }
}

bool Window::preHandle(std::intptr_t* result, std::uint32_t message, std::uintptr_t wParam,
                       std::intptr_t lParam) {
  if ((message >= kFirstPrivate && message <= kLastPrivate) ||
      message == s::gui::PrivateMessage::kDefaultClose ||
      message == s::gui::PrivateMessage::kSetParentOf) {
    return handlePrivate(result, message, wParam, lParam);
  }
  HWND window = handle();
  switch (message) {
    case WM_ACTIVATE:
      if (loWord(wParam) != WA_INACTIVE) {
        if (owner_.handle() != nullptr) ShowWindow(owner_.handle(), SW_SHOW);
        fire(kActivated);
        active_ = true;
        deactivatedAt_ = 0;
      } else {
        fire(kDeactivated);
        if (active_) {
          deactivatedAt_ = GetTickCount();
          if (deactivatedAt_ == 0) deactivatedAt_ = 1;
          active_ = false;
        }
      }
      return false;
    case WM_CLOSE:
      *result = 0;
      return onClose();
    case WM_PAINT: {
      if (frameDrawer_ == nullptr) return false;
      PAINTSTRUCT paint{};
      HDC dc = BeginPaint(window, &paint);
      ensureFace();
      excludeChildren(dc);
      if (face_) face_->drawTo(dc, 0, 0, face_->width(), face_->height(), false);
      EndPaint(window, &paint);
      *result = 0;
      return true;
    }
    case WM_ERASEBKGND:
      eraseBackground(reinterpret_cast<HDC>(wParam));
      *result = 1;
      return true;
    case WM_ENDSESSION:
      if (wParam != 0 && lParam == 0 && !closed_) {
        shutdownInProgress_ = true;
        SendMessageW(window, WM_CLOSE, 0, 0);
        if (binding_ != nullptr && binding_->application() != nullptr) {
          binding_->application()->flushStore();
        }
      }
      return false;
    case WM_WINDOWPOSCHANGING: {
      auto* position = reinterpret_cast<WINDOWPOS*>(lParam);
      if (keepInsideScreen_ && position != nullptr && (position->flags & SWP_NOMOVE) == 0) {
        const s::gui::ScreenRect inside = s::gui::moveIntoScreen(
            s::gui::ScreenRect{position->x, position->y, position->cx, position->cy},
            s::gui::virtualScreen());
        position->x = inside.x;
        position->y = inside.y;
      }
      fire(kPositionChanging);
      return false;
    }
    case WM_NCCALCSIZE:
      if (wParam != 0 && frameDrawer_ != nullptr) {
        *result = 0;
        return true;
      }
      return false;
    case WM_NCHITTEST:
      *result = onHitTest(lParam);
      return true;
    case WM_NCACTIVATE:
      if (frameDrawer_ == nullptr) return false;
      *result = 1;
      return true;
    case WM_NCPAINT:
    case kNcUahDrawCaption:
      return frameDrawer_ != nullptr;
    case WM_GETDLGCODE:
      *result = WindowClass::defaultProcessing(window, message, wParam, lParam) | DLGC_WANTALLKEYS;
      return true;
    case WM_NCMOUSEMOVE:
      onNonClientMouseMove(wParam);
      return false;
    case WM_NCLBUTTONDBLCLK:
    case WM_LBUTTONDBLCLK:
      fire(kDoubleClick);
      return !doubleClickPasses_;
    case WM_KEYDOWN:
      lastKey_ = static_cast<std::int32_t>(wParam);
      fire(kKey);
      if (wParam != VK_RETURN) return false;
      *result = 0;
      return true;
    case WM_COMMAND:
      if (lParam != 0) return false;
      onCommand(wParam);
      return true;
    case WM_SYSCOMMAND:
      if ((wParam & 0xFFF0) == SC_CLOSE && closeButtonIconizes_ && !iconized_) {
        iconize();
        return true;
      }
      return false;
    case WM_MOUSEMOVE:
      onMouseMove(lParam);
      fire(kMouseMove);
      return false;
    case WM_LBUTTONDOWN:
      onLeftButtonDown(lParam);
      return false;
    case WM_LBUTTONUP:
      onLeftButtonUp();
      return false;
    case WM_RBUTTONDOWN:
      fire(kRightButtonDown);
      if (contextMenu_ != nullptr) {
        fire(kContextMenu);
        SetForegroundWindow(window);
        POINT at{};
        GetCursorPos(&at);
        contextMenu_->showAt(at.x, at.y, window);
      }
      return false;
    case WM_RBUTTONUP:
      fire(kRightButtonUp);
      return false;
    case WM_MBUTTONDOWN:
      fire(kMiddleButtonDown);
      if (action_ == s::gui::kActionClose) {
        close();
      } else if (action_ == s::gui::kActionIconize) {
        iconize();
      }
      return false;
    case WM_MOUSEWHEEL:
      *result = 0;
      return onWheel(wParam, lParam);
    case WM_SIZING:
      if (lParam != 0) {
        resizeEdge_ = static_cast<std::int32_t>(wParam) - WMSZ_LEFT + HTLEFT;
      }
      fire(kSizing);
      return false;
    case WM_CAPTURECHANGED:
      if (captureTaken_) {
        captureTaken_ = false;
        resizeTracking_ = resizeArmed_ = false;
        GetCursorPos(&dragOrigin_);
        fire(kCaptureEnded);
      }
      return false;
    case WM_POWERBROADCAST:
      if (wParam == PBT_APMSUSPEND) systemSuspended_ = true;
      if (wParam == PBT_APMRESUMESUSPEND || wParam == PBT_APMRESUMEAUTOMATIC) {
        systemSuspended_ = false;
      }
      return false;
    case WM_HOTKEY:
      lastHotKey_ = static_cast<ATOM>(wParam);
      fire(kHotKey);
      return false;
    case WM_TIMER:
      if (wParam < kTimerIdBase) return false;
      lastTimerId_ = static_cast<std::int32_t>(wParam - kTimerIdBase);
      fire(kTimer);
      *result = 0;
      return true;
    default:
      return false;
  }
}

void Window::onSize(std::uintptr_t kind) {
  switch (kind) {
    case SIZE_RESTORED:
      relayout();
      if (maximizedRestore_) {
        maximizedRestore_ = false;
        saveGeometry();
      }
      fire(kRestored);
      break;
    case SIZE_MINIMIZED:
      maximizedRestore_ = false;
      if (binding_ != nullptr) {
        binding_->setMaximized(false);
        if (restored_.width > 0) {
          binding_->saveBounds(restored_.x, restored_.y, restored_.width, restored_.height);
        }
      }
      break;
    case SIZE_MAXIMIZED:
      maximizedRestore_ = true;
      relayout();
      if (binding_ != nullptr) {
        binding_->setMaximized(true);
        if (restored_.width > 0) {
          binding_->saveBounds(restored_.x, restored_.y, restored_.width, restored_.height);
        }
      }
      break;
    default:
      break;
  }
  fire(kResized);
}

void Window::onWindowPosChanged(std::intptr_t lParam) {
  const auto* position = reinterpret_cast<const WINDOWPOS*>(lParam);
  if (position == nullptr) return;
  if ((position->flags & SWP_NOMOVE) == 0) fire(kMoved);
  if ((position->flags & SWP_NOSIZE) != 0 && (position->flags & SWP_NOMOVE) != 0) return;
  if (!IsZoomed(handle()) && !IsIconic(handle())) restored_ = windowRect();
}

void Window::postHandle(std::intptr_t*, std::uint32_t message, std::uintptr_t wParam,
                        std::intptr_t lParam) {
  if (message == WM_SIZE) onSize(wParam);
  if (message == WM_WINDOWPOSCHANGED) onWindowPosChanged(lParam);
}

}  // namespace s::gui::win
