#include "s/gui/ComponentBase.h"

#include <algorithm>

#include "s/gui/IContainer.h"
#include "s/gui/INativeWindows.h"
#include "s/gui/PrivateMessage.h"
#include "s/gui/drawer/Colour.h"

namespace s::gui {

namespace {

std::uint8_t lighter(std::uint8_t channel) {
  return static_cast<std::uint8_t>(255 - ((255 - channel) >> 1));
}

}  // namespace

ComponentBase::ComponentBase()
    : background_(nativeWindows().systemColour(INativeWindows::kButtonFaceColour)) {}

ComponentBase::~ComponentBase() = default;

std::int32_t ComponentBase::screenX() const {
  if (native_ == nullptr) return x_ + offsetX_;
  std::int32_t x = 0;
  std::int32_t y = 0;
  nativeWindows().clientOrigin(native_, &x, &y);
  return x;
}

std::int32_t ComponentBase::screenY() const {
  if (native_ == nullptr) return y_ + offsetY_;
  std::int32_t x = 0;
  std::int32_t y = 0;
  nativeWindows().clientOrigin(native_, &x, &y);
  return y;
}

bool ComponentBase::contains(std::int32_t screenX, std::int32_t screenY) const {
  if (!isShown()) return false;
  std::int32_t left = 0;
  std::int32_t top = 0;
  nativeWindows().clientOrigin(native_, &left, &top);
  return screenX >= left && screenX < left + width_ && screenY >= top && screenY < top + height_;
}

void ComponentBase::move(std::int32_t x, std::int32_t y) {
  x_ = x;
  y_ = y;
  place(INativeWindows::kMoveFlags);
  placed();
}

void ComponentBase::setSize(std::int32_t width, std::int32_t height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  const bool changed = width != width_ || height != height_;
  width_ = width;
  height_ = height;
  place(INativeWindows::kSizeFlags);
  placed();
  if (changed) resized();
}

void ComponentBase::setBounds(std::int32_t x, std::int32_t y, std::int32_t width,
                              std::int32_t height) {
  width = std::max(width, 0);
  height = std::max(height, 0);
  const bool changed = width != width_ || height != height_;
  x_ = x;
  y_ = y;
  width_ = width;
  height_ = height;
  place(INativeWindows::kBoundsFlags);
  placed();
  if (changed) resized();
}

void ComponentBase::place(std::uint32_t flags) {
  if (native_ == nullptr) return;
  if (deferring_) {
    placementPending_ = true;
    return;
  }
  // Placing must not show what was hidden: the layout places hidden children too.
  if (!visible_) flags &= ~INativeWindows::kShowWindow;
  nativeWindows().place(native_, x_ + offsetX_, y_ + offsetY_, width_, height_, flags);
}

void ComponentBase::setOffset(std::int32_t x, std::int32_t y) {
  offsetX_ = x;
  offsetY_ = y;
}

void ComponentBase::addToOffset(std::int32_t dx, std::int32_t dy) {
  offsetX_ += dx;
  offsetY_ += dy;
}

void ComponentBase::show(bool visible, bool recursive) {
  if (visibilityLocked_) return;
  if (visible) {
    if (visible_) return;
    visible_ = true;
    if (native_ != nullptr) nativeWindows().show(native_, true);
    if (recursive) {
      for (std::uint32_t i = 0; i < childCount(); ++i) childAt(i)->show(true, true);
    }
    // Twice: the first pass lets nested flows wrap, the second sees their heights.
    if (parent_ != nullptr) {
      parent_->relayout();
      parent_->relayout();
    }
    return;
  }
  // A component without a native window yet is hidden too, so that it is created hidden.
  if (!visible_) return;
  visible_ = false;
  if (native_ != nullptr) nativeWindows().show(native_, false);
  move(-10000, 10000);
  if (recursive) {
    for (std::uint32_t i = 0; i < childCount(); ++i) childAt(i)->show(false, true);
  }
  dropCachedBackground();
}

bool ComponentBase::isEnabled() const {
  return native_ != nullptr ? nativeWindows().isEnabled(native_) : enabled_;
}

void ComponentBase::enable(bool on) {
  enabled_ = on;
  if (native_ != nullptr) nativeWindows().enable(native_, on);
}

void ComponentBase::centreInParent() {
  if (parent_ == nullptr) return;
  move((parent_->innerWidth() - width_) / 2, (parent_->innerHeight() - height_) / 2);
}

void ComponentBase::centreHorizontally() {
  if (parent_ != nullptr) setX((parent_->innerWidth() - width_) / 2);
}

void ComponentBase::centreVertically() {
  if (parent_ != nullptr) setY((parent_->innerHeight() - height_) / 2);
}

void ComponentBase::makeTransparent(bool repaint) {
  transparent_ = true;
  if (repaint) redraw();
}

void ComponentBase::setBackgroundWhite(bool repaint) { setBackgroundRgb(255, 255, 255, repaint); }

void ComponentBase::setBackgroundButtonFace(bool repaint) {
  using namespace s::gui::drawer;
  const Colour face = nativeWindows().systemColour(INativeWindows::kButtonFaceColour);
  setBackgroundRgb(redOf(face), greenOf(face), blueOf(face), repaint);
}

void ComponentBase::setBackgroundBlack(bool repaint) { setBackgroundRgb(0, 0, 0, repaint); }

void ComponentBase::setBackgroundLight(bool repaint) {
  using namespace s::gui::drawer;
  const Colour text = nativeWindows().systemColour(INativeWindows::kInactiveCaptionTextColour);
  setBackgroundRgb(lighter(redOf(text)), lighter(greenOf(text)), lighter(blueOf(text)), repaint);
}

void ComponentBase::setBackgroundRgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue,
                                     bool repaint) {
  background_ = s::gui::drawer::rgb(red, green, blue);
  transparent_ = false;
  if (repaint) redraw();
}

std::uint32_t ComponentBase::effectiveBackground() const {
  const IComponent* at = this;
  while (at->isTransparent() && at->parent() != nullptr) at = at->parent();
  return at->background();
}

IComponent* ComponentBase::owningWindow() const {
  for (IComponent* at = const_cast<ComponentBase*>(this); at != nullptr; at = at->parent()) {
    if (at->isTopLevel()) return at;
  }
  return nullptr;
}

void ComponentBase::setParent(IComponent* parent) {
  if (parent == nullptr) {
    if (native_ != nullptr) {
      // The window belongs to the UI thread, which must destroy it; its answer clears native_.
      NativeWindow window = native_;
      nativeWindows().send(window, PrivateMessage::kDetach, nullptr);
      native_ = nullptr;
    }
    parent_ = nullptr;
    return;
  }
  parent_ = parent;
  if (native_ == nullptr && parent->nativeWindow() != nullptr) {
    NativeWindow created = createNativeWindow(parent->nativeWindow());
    // A window of the toolkit's class has told us already, at WM_NCCREATE.
    if (native_ == nullptr) native_ = created;
    if (native_ != nullptr && !enabled_) nativeWindows().enable(native_, false);
  }
  if (native_ != nullptr) {
    for (std::uint32_t i = 0; i < childCount(); ++i) childAt(i)->setParent(this);
  }
}

NativeWindow ComponentBase::createNativeWindow(NativeWindow parent) {
  return nativeWindows().createPanel(this, parent);
}

void ComponentBase::redraw(std::int32_t x, std::int32_t y, std::int32_t width,
                           std::int32_t height) {
  if (native_ != nullptr) nativeWindows().redraw(native_, false, x, y, width, height);
}

void ComponentBase::redraw() {
  if (native_ != nullptr) nativeWindows().redraw(native_, true, 0, 0, width_, height_);
}

void ComponentBase::setSizeWithinLimits(std::int32_t width, std::int32_t height) {
  width = std::max(std::min(width, preferredWidth()), minimumWidth());
  height = std::max(std::min(height, preferredHeight()), minimumHeight());
  setSize(width, height);
}

void ComponentBase::beginDeferring(bool recursive) {
  deferring_ = true;
  if (recursive) {
    for (std::uint32_t i = 0; i < childCount(); ++i) childAt(i)->beginDeferring(true);
  }
}

void ComponentBase::endDeferring(bool recursive) {
  deferring_ = false;
  if (placementPending_) {
    placementPending_ = false;
    place(INativeWindows::kBoundsFlags);
  }
  if (recursive) {
    for (std::uint32_t i = 0; i < childCount(); ++i) childAt(i)->endDeferring(true);
  }
}

bool ComponentBase::preHandle(std::intptr_t* result, std::uint32_t message, std::uintptr_t,
                              std::intptr_t) {
  if (message != PrivateMessage::kDetach) return false;
  NativeWindow window = native_;
  native_ = nullptr;
  if (window != nullptr) nativeWindows().destroy(window);
  *result = 0;
  return true;
}

void ComponentBase::relayoutParent() {
  if (parent_ == nullptr) return;
  parent_->relayout();
  const auto* container = dynamic_cast<const IContainer*>(parent_);
  if (container != nullptr && container->arrangement() == IContainer::kFlow) parent_->relayout();
}

void ComponentBase::resetComponent() {
  setParent(nullptr);
  x_ = y_ = offsetX_ = offsetY_ = width_ = height_ = 0;
  deferring_ = placementPending_ = false;
  visible_ = true;
  visibilityLocked_ = false;
  enabled_ = true;
  transparent_ = true;
  background_ = nativeWindows().systemColour(INativeWindows::kButtonFaceColour);
}

}  // namespace s::gui
