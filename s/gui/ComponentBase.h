#pragma once

#include <cstdint>

#include "s/gui/IComponent.h"

namespace s::gui {

class INativeWindows;

// What every component shares: geometry with deferred native placement, visibility with its
// lock, enablement, the background, the parent and the native window. Leaves derive from
// LeafComponent, containers from ContainerBase; a concrete class adds className, newInstance,
// release and reset (calling resetComponent) and, for a window of its own kind, overrides
// createNativeWindow.
//
// Every native action goes through nativeWindows(); native windows are created and destroyed
// on the thread of the parent's native window (setParent runs there, sent as 32770).
class ComponentBase : public virtual IComponent {
 public:
  ComponentBase();
  ~ComponentBase() override;
  ComponentBase(const ComponentBase&) = delete;
  ComponentBase& operator=(const ComponentBase&) = delete;

  std::int32_t x() const override { return x_; }
  void setX(std::int32_t x) override { move(x, y_); }
  std::int32_t y() const override { return y_; }
  void setY(std::int32_t y) override { move(x_, y); }
  std::int32_t screenX() const override;
  std::int32_t screenY() const override;
  bool contains(std::int32_t screenX, std::int32_t screenY) const override;

  std::int32_t width() const override { return width_; }
  void setWidth(std::int32_t width) override { setSize(width, height_); }
  std::int32_t height() const override { return height_; }
  void setHeight(std::int32_t height) override { setSize(width_, height); }
  std::int32_t innerWidth() const override { return width_; }
  void setInnerWidth(std::int32_t width) override { setWidth(width); }
  std::int32_t innerHeight() const override { return height_; }
  void setInnerHeight(std::int32_t height) override { setHeight(height); }

  void move(std::int32_t x, std::int32_t y) override;
  void setSize(std::int32_t width, std::int32_t height) override;
  void setBounds(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) override;
  void setOffset(std::int32_t x, std::int32_t y) override;
  void addToOffset(std::int32_t dx, std::int32_t dy) override;
  std::int32_t offsetX() const override { return offsetX_; }
  std::int32_t offsetY() const override { return offsetY_; }

  // Without margins the inner sizes are the sizes.
  std::int32_t minimumInnerWidth() const override { return minimumWidth(); }
  std::int32_t minimumInnerHeight() const override { return minimumHeight(); }
  std::int32_t preferredInnerWidth() const override { return preferredWidth(); }
  std::int32_t preferredInnerHeight() const override { return preferredHeight(); }

  bool isShown() const override { return visible_ && native_ != nullptr; }
  bool isVisible() const override { return visible_; }
  void show(bool visible, bool recursive) override;
  // While locked, show requests are ignored.
  void setVisibilityLock(bool locked) { visibilityLocked_ = locked; }
  bool isVisibilityLocked() const { return visibilityLocked_; }

  bool isEnabled() const override;
  void enable(bool on) override;
  void setEditable(bool) override {}

  void centreInParent() override;
  void centreHorizontally() override;
  void centreVertically() override;

  std::uint32_t background() const override { return background_; }
  bool isTransparent() const override { return transparent_; }
  void makeTransparent(bool repaint) override;
  void setBackgroundWhite(bool repaint) override;
  void setBackgroundButtonFace(bool repaint) override;
  void setBackgroundBlack(bool repaint) override;
  void setBackgroundLight(bool repaint) override;
  void setBackgroundRgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue,
                        bool repaint) override;
  // The colour a transparent component shows: the first own colour up the tree.
  std::uint32_t effectiveBackground() const;
  // Forgets a cached piece of the parent's background (it is stale once the component moved
  // or was hidden).
  virtual void dropCachedBackground() {}

  IComponent* owningWindow() const override;
  bool isTopLevel() const override { return false; }
  IComponent* parent() const override { return parent_; }
  void setParent(IComponent* parent) override;
  // A component without children keeps nothing: the caller keeps child.
  void addChild(IComponent*) override {}
  void removeChild(IComponent*, bool) override {}
  void removeAllChildren() override {}
  NativeWindow nativeWindow() const override { return native_; }

  void redraw(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) override;
  void redraw() override;
  void setSizeWithinLimits(std::int32_t width, std::int32_t height) override;

  std::uint32_t childCount() const override { return 0; }
  IComponent* childAt(std::uint32_t) const override { return nullptr; }
  const s::col::_array::ArrayP* children() const override { return nullptr; }
  s::image::win::BufferedImage* parentBackgroundImage() const override { return nullptr; }

  bool isDeferring() const override { return deferring_; }
  void beginDeferring(bool recursive) override;
  void endDeferring(bool recursive) override;
  void relayout() override {}
  ILayoutManager* layoutManager() const override { return nullptr; }
  void setLayoutManager(ILayoutManager*) override {}
  bool acceptsWheel() const override { return false; }

  void nativeWindowCreated(NativeWindow window) override { native_ = window; }
  void nativeWindowDestroyed() override { native_ = nullptr; }
  // Takes 1039 (detach): destroys the native window on this, its own, thread.
  bool preHandle(std::intptr_t* result, std::uint32_t message, std::uintptr_t wParam,
                 std::intptr_t lParam) override;
  void postHandle(std::intptr_t*, std::uint32_t, std::uintptr_t, std::intptr_t) override {}

 protected:
  // Creates this component's own native window inside parent, at its bounds plus offset; the
  // default is a window of the toolkit's class with this component as its hook.
  virtual NativeWindow createNativeWindow(NativeWindow parent);
  // After every move or size, changed or not.
  virtual void placed() {}
  // After the size changed.
  virtual void resized() {}
  // Relayouts the parent, twice when it wraps its children in lines.
  void relayoutParent();
  // Detaches the native window and returns every field to its constructed state.
  void resetComponent();

 private:
  void place(std::uint32_t flags);

  std::int32_t x_ = 0;
  std::int32_t y_ = 0;
  std::int32_t offsetX_ = 0;
  std::int32_t offsetY_ = 0;
  std::int32_t width_ = 0;
  std::int32_t height_ = 0;
  bool deferring_ = false;
  bool placementPending_ = false;
  bool visible_ = true;
  bool visibilityLocked_ = false;
  bool enabled_ = true;
  bool transparent_ = true;
  std::uint32_t background_ = 0;
  IComponent* parent_ = nullptr;
  NativeWindow native_ = nullptr;
};

}  // namespace s::gui
