#include "s/gui/win/StatusBar.h"

#include "s/gui/Box.h"
#include "s/gui/drawer/win/DcSurface.h"
#include "s/gui/layout/Pile.h"
#include "s/gui/win/ControlPaint.h"
#include "s/gui/win/Image.h"
#include "s/thread/Pool.h"

namespace s::gui::win {

namespace {

constexpr std::int32_t kGripSize = 12;

}  // namespace

StatusBar::StatusBar() : ownDrawer_(s::gui::drawer::statusbar::win::Basic::create()) {
  buildContent();
}

StatusBar::~StatusBar() = default;

s::base::IObject* StatusBar::newInstance() const { return s::thread::takeFromPool<StatusBar>(); }

void StatusBar::release() { s::thread::giveBackToPool(this); }

void StatusBar::reset() {
  resetContainer();
  content_ = clientBox_ = nullptr;
  grip_ = nullptr;
  sizeGrip_ = false;
  gradient_ = false;
  drawer_.set(nullptr, false);
  ownDrawer_->reset();
  buildContent();
}

void StatusBar::buildContent() {
  setWidthPercentage(100, false);
  auto* row = s::thread::takeFromPool<Box>();
  row->setModeRow();
  row->setSize100Percent();
  row->alignLeft();
  row->alignTop();
  auto* client = s::thread::takeFromPool<Box>();
  client->setModeRow();
  client->setSize100Percent();
  // The grip sits at the bottom right of a corner box as high as the bar.
  auto* corner = s::thread::takeFromPool<Box>();
  corner->setModeRow();
  corner->alignRight();
  corner->alignBottom();
  corner->setFixedWidth(kGripSize, false);
  corner->setHeightPercentage(100, false);
  auto* grip = s::thread::takeFromPool<Image>();
  grip->setFixedWidth(kGripSize);
  grip->setFixedHeight(kGripSize);
  grip->setGlyph(u"#Resizer");
  const COLORREF shadow = GetSysColor(COLOR_BTNSHADOW);
  grip->setGlyphColour(GetRValue(shadow), GetGValue(shadow), GetBValue(shadow));
  grip->setSizeGrip(true);
  grip->show(false, false);
  corner->addChild(grip);
  row->addChild(client);
  row->addChild(corner);
  ContainerBase::addChild(row);
  content_ = row;
  clientBox_ = client;
  grip_ = grip;
  applyOptions();
}

s::gui::ILayoutManager* StatusBar::layoutManager() const {
  s::gui::ILayoutManager* manager = ContainerBase::layoutManager();
  return manager != nullptr ? manager : &s::gui::layout::Pile::instance();
}

void StatusBar::addChild(s::gui::IComponent* child) {
  if (clientBox_ != nullptr) {
    clientBox_->addChild(child);
  } else {
    ContainerBase::addChild(child);
  }
}

void StatusBar::setContent(s::gui::IComponent* content, s::gui::IComponent* clientBox) {
  if (content == nullptr || content == content_) return;
  if (content_ != nullptr) removeChild(content_, true);
  grip_ = nullptr;
  content_ = content;
  clientBox_ = clientBox;
  ContainerBase::addChild(content);
}

void StatusBar::showSizeGrip(bool on) {
  sizeGrip_ = on;
  applyOptions();
  redraw();
}

void StatusBar::setGradient(bool on) {
  gradient_ = on;
  applyOptions();
  redraw();
}

void StatusBar::applyOptions() {
  // The own drawer follows both options; an attached Basic one too. Off, the grip's drawn
  // state goes with it.
  ownDrawer_->setSizeGrip(sizeGrip_);
  ownDrawer_->setGradient(gradient_);
  if (auto* basic = dynamic_cast<s::gui::drawer::statusbar::win::Basic*>(drawer_.get())) {
    basic->setSizeGrip(sizeGrip_);
    basic->setGradient(gradient_);
  }
  if (grip_ != nullptr) grip_->show(sizeGrip_, false);
}

void StatusBar::setDrawer(s::gui::drawer::IStatusBar* drawer, bool owned) {
  drawer_.set(drawer, owned);
  applyOptions();
  relayoutParent();
  redraw();
}

s::gui::drawer::IStatusBar* StatusBar::drawer() const {
  return drawer_ ? drawer_.get() : ownDrawer_.get();
}

std::int32_t StatusBar::minimumHeight() const {
  return heightRule().fixed >= 0 ? ContainerBase::minimumHeight() : drawer()->height();
}

std::int32_t StatusBar::preferredHeight() const {
  return heightRule().fixed >= 0 ? ContainerBase::preferredHeight() : drawer()->height();
}

void StatusBar::paint(HDC dc, const RECT& area) {
  paintBackground(dc, *this, area);
  s::gui::drawer::win::DcSurface surface(dc);
  drawer()->paint(surface, s::gui::drawer::Rect{area.left, area.top, area.right, area.bottom});
}

bool StatusBar::preHandle(std::intptr_t* result, std::uint32_t message, std::uintptr_t wParam,
                          std::intptr_t lParam) {
  switch (message) {
    case WM_PAINT:
      paintWindow(handleOf(this), [this](HDC dc, const RECT& area) { paint(dc, area); });
      *result = 0;
      return true;
    case WM_ERASEBKGND:
      *result = 1;
      return true;
    default:
      return ContainerBase::preHandle(result, message, wParam, lParam);
  }
}

void StatusBar::postHandle(std::intptr_t* result, std::uint32_t message, std::uintptr_t wParam,
                           std::intptr_t lParam) {
  if (message == WM_NCHITTEST) {
    *result = HTTRANSPARENT;
    return;
  }
  ContainerBase::postHandle(result, message, wParam, lParam);
}

}  // namespace s::gui::win
