#include "s/gui/Box.h"

#include <string_view>

#include "s/gui/INativeWindows.h"
#include "s/gui/drawer/Colour.h"
#include "s/gui/drawer/IBorder.h"
#include "s/gui/drawer/ISurface.h"
#include "s/gui/events/IEventListener.h"
#include "s/gui/layout/Arrangements.h"
#include "s/gui/layout/FlowH.h"
#include "s/image/BufferedImage.h"
#include "s/thread/Pool.h"

namespace s::gui::win {

using s::gui::layout::Arrangements;

namespace {

// What a hit test answers over a client area, and to let the point through.
constexpr std::intptr_t kHitClient = 1;
constexpr std::intptr_t kHitTransparent = -1;

}  // namespace

Box::Box() : droppedFiles_(s::thread::obtain<s::str::strarray::StrArray>()) {}

Box::~Box() {
  dropCachedBackground();
  releaseBorder();
}

s::base::IObject* Box::newInstance() const { return s::thread::takeFromPool<Box>(); }

void Box::release() { s::thread::giveBackToPool(this); }

void Box::reset() {
  resetContainer();
  for (auto& list : listeners_) list.free();
  droppedFiles_->clear();
  mode_ = kColumn;
  horizontal_ = vertical_ = 0;
  horizontalGap_ = verticalGap_ = 0;
  wheelStep_ = 0;
  handlingWheel_ = false;
  paintedByListener_ = false;
  paintContext_ = nullptr;
  hoverColourSet_ = false;
  hoverColour_ = 0;
  hover_.clear();
  mouseTransparent_ = true;
  dropCachedBackground();
  releaseBorder();
}

void Box::setHorizontalGap(std::int32_t gap) {
  horizontalGap_ = gap;
  relayout();
}

void Box::setVerticalGap(std::int32_t gap) {
  verticalGap_ = gap;
  relayout();
}

void Box::setLeftMargin(std::int32_t margin) {
  setMargins(margin, rightMargin(), topMargin(), bottomMargin());
}

void Box::setRightMargin(std::int32_t margin) {
  setMargins(leftMargin(), margin, topMargin(), bottomMargin());
}

void Box::setTopMargin(std::int32_t margin) {
  setMargins(leftMargin(), rightMargin(), margin, bottomMargin());
}

void Box::setBottomMargin(std::int32_t margin) {
  setMargins(leftMargin(), rightMargin(), topMargin(), margin);
}

void Box::setHorizontalMargins(std::int32_t margin) {
  setMargins(margin, margin, topMargin(), bottomMargin());
}

void Box::setVerticalMargins(std::int32_t margin) {
  setMargins(leftMargin(), rightMargin(), margin, margin);
}

void Box::setAllMargins(std::int32_t margin) { setMargins(margin, margin, margin, margin); }

void Box::setHorizontalAlignment(std::int32_t alignment) {
  horizontal_ = alignment;
  relayout();
}

void Box::setVerticalAlignment(std::int32_t alignment) {
  vertical_ = alignment;
  relayout();
}

void Box::setMode(std::int32_t mode) {
  mode_ = mode;
  relayout();
}

void Box::setSize100Percent() {
  setWidthPercentage(100, false);
  setHeightPercentage(100, false);
}

void Box::arrange() {
  switch (mode_) {
    case kRow:
      Arrangements::row(*this, horizontal_, vertical_, horizontalGap_);
      break;
    case kFlow:
      Arrangements::flow(*this, horizontal_, vertical_, horizontalGap_, verticalGap_);
      break;
    case kPile:
      Arrangements::pile(*this, horizontal_, vertical_);
      break;
    default:
      Arrangements::column(*this, horizontal_, vertical_, verticalGap_);
      break;
  }
}

s::gui::ILayoutManager* Box::layoutManager() const {
  s::gui::ILayoutManager* manager = ContainerBase::layoutManager();
  return manager != nullptr ? manager : &s::gui::layout::FlowH::instance();
}

void Box::addListener(std::int32_t code, IEventListener* listener) {
  if (listener != nullptr) listeners_[code - 1].appendPointer(listener);
}

std::uint32_t Box::listenerCount(std::int32_t code) const {
  return code >= 1 && code <= kListKinds ? listeners_[code - 1].count() : 0;
}

void Box::fire(std::int32_t code) {
  if (code < 1 || code > kListKinds) return;
  s::col::_array::ArrayP& list = listeners_[code - 1];
  // A listener may register another while it is told; that one hears the next event.
  const std::uint32_t count = list.count();
  for (std::uint32_t i = 0; i < count && i < list.count(); ++i) {
    static_cast<IEventListener*>(list.pointerAt(i))->event(this, code);
  }
}

void Box::addFilesDroppedListener(IEventListener* listener) {
  addListener(kFilesDropped, listener);
  if (nativeWindow() != nullptr) s::gui::nativeWindows().acceptFiles(nativeWindow(), true);
}

void Box::addWheelListener(IEventListener* listener) { addListener(kWheel, listener); }

void Box::addLayoutDoneListener(IEventListener* listener) { addListener(kLayoutDone, listener); }

void Box::addMovedOrResizedListener(IEventListener* listener) {
  addListener(kMovedOrResized, listener);
}

void Box::addPaintListener(IEventListener* listener) { addListener(kPaint, listener); }

void Box::addClickListener(IEventListener* listener) {
  addListener(kClick, listener);
  mouseTransparent_ = false;
}

void Box::setHoverColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  hoverColour_ = s::gui::drawer::rgb(red, green, blue);
  hoverColourSet_ = true;
}

void Box::setBorderDrawer(s::gui::drawer::IBorder* drawer, bool owned) {
  if (drawer != border_) releaseBorder();
  border_ = drawer;
  borderOwned_ = drawer != nullptr && owned;
  redraw();
}

void Box::releaseBorder() {
  if (borderOwned_ && border_ != nullptr) border_->release();
  border_ = nullptr;
  borderOwned_ = false;
}

bool Box::paintsThroughPicture() const {
  if (border_ != nullptr || cachedBackground_ != nullptr) return true;
  return isTransparent() && parent() != nullptr && parent()->parentBackgroundImage() != nullptr;
}

void Box::paintBackground(s::gui::drawer::ISurface& surface, std::int32_t width,
                          std::int32_t height) {
  const s::gui::drawer::Rect all{0, 0, width, height};
  const std::uint32_t colour = isTransparent() ? effectiveBackground() : background();
  s::image::win::BufferedImage* picture =
      parent() != nullptr ? parent()->parentBackgroundImage() : nullptr;
  if (hoverColourSet_ && isHovered()) {
    surface.fillRect(all, hoverColour_);
  } else if (isTransparent() && picture != nullptr) {
    if (cachedBackground_ == nullptr) {
      cachedBackground_ = s::thread::takeFromPool<s::image::win::BufferedImage>();
      if (cachedBackground_->create(width, height)) {
        picture->copyInto(*cachedBackground_, 0, 0, x() + offsetX(), y() + offsetY(), width, height,
                          false);
      }
    }
    surface.drawImage(*cachedBackground_, all, false);
  } else {
    surface.fillRect(all, colour);
  }
  if (border_ != nullptr) border_->paint(surface, all, 0, 0, colour);
}

void Box::placed() {
  dropCachedBackground();
  fire(kMovedOrResized);
}

void Box::dropCachedBackground() {
  if (cachedBackground_ != nullptr) cachedBackground_->release();
  cachedBackground_ = nullptr;
}

std::intptr_t Box::hitTest(std::intptr_t defaultAnswer, std::int32_t screenX,
                           std::int32_t screenY) const {
  if (!mouseTransparent_ || defaultAnswer != kHitClient) return defaultAnswer;
  for (std::uint32_t i = 0; i < childCount(); ++i) {
    const s::gui::IComponent* child = childAt(i);
    if (std::u16string_view(child->className()) == u"s_gui_win_Button" && child->isEnabled() &&
        child->contains(screenX, screenY)) {
      return defaultAnswer;
    }
  }
  return kHitTransparent;
}

bool Box::acceptsWheel() const {
  if (listeners_[kWheel - 1].count() > 0) return true;
  for (std::uint32_t i = 0; i < childCount(); ++i) {
    if (childAt(i)->acceptsWheel()) return true;
  }
  return false;
}

void Box::setParent(s::gui::IComponent* parent) {
  ContainerBase::setParent(parent);
  if (nativeWindow() != nullptr && listeners_[kFilesDropped - 1].count() > 0) {
    s::gui::nativeWindows().acceptFiles(nativeWindow(), true);
  }
}

bool Box::preHandle(std::intptr_t* result, std::uint32_t message, std::uintptr_t wParam,
                    std::intptr_t lParam) {
  if (handleMessage(result, message, wParam, lParam)) return true;
  return ContainerBase::preHandle(result, message, wParam, lParam);
}

void Box::postHandle(std::intptr_t* result, std::uint32_t message, std::uintptr_t wParam,
                     std::intptr_t lParam) {
  afterDefault(result, message, wParam, lParam);
}

void Box::nativeWindowDestroyed() {
  ContainerBase::nativeWindowDestroyed();
  hover_.clear();
}

}  // namespace s::gui::win
