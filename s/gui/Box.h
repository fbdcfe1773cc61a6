#pragma once

#include <cstdint>

#include "s/col/_array/ArrayP.h"
#include "s/gui/ContainerBase.h"
#include "s/gui/HoverTracker.h"
#include "s/str/strarray/StrArray.h"
#include "s/thread/Lock.h"

namespace s::gui::events {
class IEventListener;
}
namespace s::gui::drawer {
class IBorder;
class ISurface;
}  // namespace s::gui::drawer
namespace s::image::win {
class BufferedImage;
}

// Windows-facing name; the layout and the state are portable, the message handling is the
// Windows half (s/gui/win/BoxMessages.cpp).
namespace s::gui::win {

// The general-purpose container: a row, column, wrapping flow or pile of children with
// alignments, gaps and margins, that paints its background and reports what happens to it.
// Taken from its pool it is a top-left aligned column without gaps or margins, transparent
// and mouse-transparent (clicks on its empty areas reach the window below).
class Box final : public s::gui::ContainerBase {
 public:
  using IEventListener = s::gui::events::IEventListener;

  // Event codes.
  static constexpr std::int32_t kFilesDropped = 1;
  static constexpr std::int32_t kWheel = 2;
  static constexpr std::int32_t kLayoutDone = 3;
  static constexpr std::int32_t kMovedOrResized = 4;
  static constexpr std::int32_t kPaint = 5;
  static constexpr std::int32_t kClick = 6;

  Box();
  ~Box() override;

  const char16_t* className() const override { return u"s_gui_win_Box"; }
  s::base::IObject* newInstance() const override;
  void release() override;
  // Removes and releases every child, destroys the native window, forgets every listener.
  void reset() override;

  void setHorizontalGap(std::int32_t gap);
  void setVerticalGap(std::int32_t gap);
  std::int32_t horizontalGap() const { return horizontalGap_; }
  std::int32_t verticalGap() const { return verticalGap_; }
  void setLeftMargin(std::int32_t margin);
  void setRightMargin(std::int32_t margin);
  void setTopMargin(std::int32_t margin);
  void setBottomMargin(std::int32_t margin);
  void setHorizontalMargins(std::int32_t margin);
  void setVerticalMargins(std::int32_t margin);
  void setAllMargins(std::int32_t margin);
  void alignTop() { setVerticalAlignment(0); }
  void alignMiddle() { setVerticalAlignment(1); }
  void alignBottom() { setVerticalAlignment(2); }
  void alignLeft() { setHorizontalAlignment(0); }
  void alignCentre() { setHorizontalAlignment(1); }
  void alignRight() { setHorizontalAlignment(2); }
  std::int32_t horizontalAlignment() const { return horizontal_; }
  std::int32_t verticalAlignment() const { return vertical_; }
  // 0 row, 1 column, 2 flow, 3 pile.
  std::int32_t mode() const { return mode_; }
  void setModeRow() { setMode(kRow); }
  void setModeColumn() { setMode(kColumn); }
  void setModeFlow() { setMode(kFlow); }
  void setModePile() { setMode(kPile); }
  void setSize100Percent();
  // The attached manager; without one the box runs its mode, yet reports the flow manager.
  s::gui::ILayoutManager* layoutManager() const override;

  void addFilesDroppedListener(IEventListener* listener);
  // The paths of the last drop, in drop order.
  const s::str::strarray::StrArray& droppedFiles() const { return *droppedFiles_; }
  void addWheelListener(IEventListener* listener);
  // Lines of the last wheel turn, negative for a backward turn.
  std::int32_t wheelStep() const { return wheelStep_; }
  // Draws the border over the background from now on (null: none); an owned drawer goes back
  // to its pool with the box or the next drawer. Repaints.
  void setBorderDrawer(s::gui::drawer::IBorder* drawer, bool owned);
  s::gui::drawer::IBorder* borderDrawer() const { return border_; }
  void addLayoutDoneListener(IEventListener* listener);
  void addMovedOrResizedListener(IEventListener* listener);
  // Paint listeners run first in WM_PAINT, with paintContext() set; one that paints the whole
  // box calls markPainted() and the box paints nothing itself.
  void addPaintListener(IEventListener* listener);
  void markPainted() { paintedByListener_ = true; }
  // The paint device context (an HDC) while paint listeners run, else null.
  void* paintContext() const { return paintContext_; }
  void setMouseTransparent(bool transparent) { mouseTransparent_ = transparent; }
  bool isMouseTransparent() const { return mouseTransparent_; }
  // The colour filled while the mouse is over the box.
  void setHoverColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue);
  bool hasHoverColour() const { return hoverColourSet_; }
  std::uint32_t hoverColour() const { return hoverColour_; }
  bool isHovered() const { return hover_.state() != HoverTracker::kNone; }
  void dropCachedBackground() override;
  // The box's own painting, width x height from the surface's origin: the hover colour while
  // hovered (when one is set), else the parent's picture behind a transparent box (cut once
  // and kept until the box moves), else the box's colour or, transparent, the first colour up
  // the tree; then the border drawer over it (shape 0, corner kind 0, in that colour).
  void paintBackground(s::gui::drawer::ISurface& surface, std::int32_t width, std::int32_t height);
  // Whether painting goes through a picture of the box's size first.
  bool paintsThroughPicture() const;
  // A box with click listeners takes clicks.
  void addClickListener(IEventListener* listener);
  std::uint32_t listenerCount(std::int32_t code) const;

  // The answer to a hit test at a screen point whose default answer is defaultAnswer: a
  // mouse-transparent box lets its empty client area through (-1, HTTRANSPARENT), but not
  // where an enabled button child lies.
  std::intptr_t hitTest(std::intptr_t defaultAnswer, std::int32_t screenX,
                        std::int32_t screenY) const;
  // Whether wheel turns are of use here: wheel listeners, or a child that takes them.
  bool acceptsWheel() const override;
  void setParent(s::gui::IComponent* parent) override;

  bool preHandle(std::intptr_t* result, std::uint32_t message, std::uintptr_t wParam,
                 std::intptr_t lParam) override;
  void postHandle(std::intptr_t* result, std::uint32_t message, std::uintptr_t wParam,
                  std::intptr_t lParam) override;
  void nativeWindowDestroyed() override;

  // Fires code to the listeners registered for it, in registration order.
  void fire(std::int32_t code);

 protected:
  void arrange() override;
  std::int32_t ownArrangement() const override { return mode_; }
  void layoutDone() override { fire(kLayoutDone); }
  // A move makes the cached background stale.
  void placed() override;

 private:
  // Takes or drops the mouse and repaints as the hover tracker's actions say.
  void applyHover(std::uint32_t actions);
  void setMode(std::int32_t mode);
  void setHorizontalAlignment(std::int32_t alignment);
  void setVerticalAlignment(std::int32_t alignment);
  void addListener(std::int32_t code, IEventListener* listener);
  void releaseBorder();
  // The platform half: the box's own window messages; false for what it leaves alone.
  bool handleMessage(std::intptr_t* result, std::uint32_t message, std::uintptr_t wParam,
                     std::intptr_t lParam);
  void afterDefault(std::intptr_t* result, std::uint32_t message, std::uintptr_t wParam,
                    std::intptr_t lParam);
  void paint();

  static constexpr std::int32_t kListKinds = 6;

  std::int32_t mode_ = kColumn;
  std::int32_t horizontal_ = 0;
  std::int32_t vertical_ = 0;
  std::int32_t horizontalGap_ = 0;
  std::int32_t verticalGap_ = 0;
  s::col::_array::ArrayP listeners_[kListKinds];
  s::base::Owned<s::str::strarray::StrArray> droppedFiles_;
  s::thread::Lock dropLock_;
  std::int32_t wheelStep_ = 0;
  bool handlingWheel_ = false;
  bool paintedByListener_ = false;
  void* paintContext_ = nullptr;
  bool hoverColourSet_ = false;
  std::uint32_t hoverColour_ = 0;
  // Hover only: a box takes no press of its own.
  HoverTracker hover_;
  bool mouseTransparent_ = true;
  s::gui::drawer::IBorder* border_ = nullptr;
  bool borderOwned_ = false;
  s::image::win::BufferedImage* cachedBackground_ = nullptr;
};

}  // namespace s::gui::win
