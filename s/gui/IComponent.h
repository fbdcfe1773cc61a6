#pragma once

#include <cstdint>

#include "s/base/IObject.h"
#include "s/gui/IMessageHook.h"
#include "s/gui/NativeWindow.h"
#include "s/thread/IPoolable.h"

namespace s::col::_array {
class ArrayP;
}
namespace s::image::win {
class BufferedImage;
}

namespace s::gui {

class ILayoutManager;

// Every visual element of the toolkit: a native child window with a position inside its
// parent's inner area, a size, size rules, visibility, enablement, a background and children.
// Geometry is in pixels; a colour is 0x00BBGGRR.
class IComponent : public s::base::IObject, public s::thread::IPoolable, public IMessageHook {
 public:
  // Position within the parent's inner area.
  virtual std::int32_t x() const = 0;
  virtual void setX(std::int32_t x) = 0;
  virtual std::int32_t y() const = 0;
  virtual void setY(std::int32_t y) = 0;
  // Screen position of the native window's client origin; without a native window the
  // position plus the offset.
  virtual std::int32_t screenX() const = 0;
  virtual std::int32_t screenY() const = 0;
  // Whether a screen point lies on the component; never while it is not shown.
  virtual bool contains(std::int32_t screenX, std::int32_t screenY) const = 0;

  virtual std::int32_t width() const = 0;
  virtual void setWidth(std::int32_t width) = 0;
  virtual std::int32_t height() const = 0;
  virtual void setHeight(std::int32_t height) = 0;
  // The size less the margins, never below 0.
  virtual std::int32_t innerWidth() const = 0;
  virtual void setInnerWidth(std::int32_t width) = 0;
  virtual std::int32_t innerHeight() const = 0;
  virtual void setInnerHeight(std::int32_t height) = 0;

  // Placement; the native window follows at once, or once deferring ends.
  virtual void move(std::int32_t x, std::int32_t y) = 0;
  virtual void setSize(std::int32_t width, std::int32_t height) = 0;
  virtual void setBounds(std::int32_t x, std::int32_t y, std::int32_t width,
                         std::int32_t height) = 0;
  // Added to the position when the native window is placed (a container's left and top margin).
  virtual void setOffset(std::int32_t x, std::int32_t y) = 0;
  virtual void addToOffset(std::int32_t dx, std::int32_t dy) = 0;
  virtual std::int32_t offsetX() const = 0;
  virtual std::int32_t offsetY() const = 0;

  // The size rules the parent's layout reads.
  virtual std::int32_t minimumWidth() const = 0;
  virtual std::int32_t minimumHeight() const = 0;
  virtual std::int32_t minimumInnerWidth() const = 0;
  virtual std::int32_t minimumInnerHeight() const = 0;
  virtual std::int32_t preferredWidth() const = 0;
  virtual std::int32_t preferredHeight() const = 0;
  virtual std::int32_t preferredInnerWidth() const = 0;
  virtual std::int32_t preferredInnerHeight() const = 0;

  // Visible and with a native window.
  virtual bool isShown() const = 0;
  virtual bool isVisible() const = 0;
  // Ignored while the visibility is locked; recursive shows or hides the children too.
  virtual void show(bool visible, bool recursive) = 0;

  virtual bool isEnabled() const = 0;
  virtual void enable(bool on) = 0;
  // Components that can be edited switch between editable and read-only; others ignore it.
  virtual void setEditable(bool editable) = 0;

  virtual void centreInParent() = 0;
  virtual void centreHorizontally() = 0;
  virtual void centreVertically() = 0;

  // Background: while transparent the component shows its parent's background.
  virtual std::uint32_t background() const = 0;
  virtual bool isTransparent() const = 0;
  virtual void makeTransparent(bool repaint) = 0;
  virtual void setBackgroundWhite(bool repaint) = 0;
  virtual void setBackgroundButtonFace(bool repaint) = 0;
  virtual void setBackgroundBlack(bool repaint) = 0;
  // Each channel c of the inactive-caption text colour becomes 255 - ((255 - c) >> 1).
  virtual void setBackgroundLight(bool repaint) = 0;
  virtual void setBackgroundRgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue,
                                bool repaint) = 0;

  // The nearest top-level window at or above this component, null when the tree has none.
  virtual IComponent* owningWindow() const = 0;
  virtual bool isTopLevel() const = 0;
  virtual IComponent* parent() const = 0;
  // With a parent that has a native window, creates this component's native window (and its
  // children's) as its child: call it on that window's thread. With null, detaches and
  // destroys the native window and forgets the parent.
  virtual void setParent(IComponent* parent) = 0;
  // Takes ownership of child (which must have no parent yet).
  virtual void addChild(IComponent* child) = 0;
  // Releases child after detaching it; with destroySubtree its own children go first.
  virtual void removeChild(IComponent* child, bool destroySubtree) = 0;
  virtual void removeAllChildren() = 0;
  virtual NativeWindow nativeWindow() const = 0;

  virtual void redraw(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) = 0;
  virtual void redraw() = 0;
  // Each axis clamped to [minimum, preferred] (the minimum wins).
  virtual void setSizeWithinLimits(std::int32_t width, std::int32_t height) = 0;

  virtual std::uint32_t childCount() const = 0;
  virtual IComponent* childAt(std::uint32_t index) const = 0;
  // Null for a component that cannot hold children.
  virtual const s::col::_array::ArrayP* children() const = 0;
  // The picture this component's transparent children show behind them, null for none.
  virtual s::image::win::BufferedImage* parentBackgroundImage() const = 0;

  virtual bool isDeferring() const = 0;
  virtual void beginDeferring(bool recursive) = 0;
  // Applies a pending placement once.
  virtual void endDeferring(bool recursive) = 0;
  virtual void relayout() = 0;
  virtual ILayoutManager* layoutManager() const = 0;
  virtual void setLayoutManager(ILayoutManager* manager) = 0;
  // Whether a wheel turn may be offered to this component.
  virtual bool acceptsWheel() const = 0;
};

}  // namespace s::gui
