#include <doctest/doctest.h>

#include <cstdint>
#include <vector>

#include "s/base/Owned.h"
#include "s/gui/Box.h"
#include "s/gui/PrivateMessage.h"
#include "s/gui/events/Disabler.h"
#include "s/gui/events/Editabler.h"
#include "s/gui/events/Enabler.h"
#include "s/gui/events/UnEditabler.h"
#include "s/thread/Pool.h"
#include "support/Block.h"
#include "support/RecordedWindows.h"

using s::base::Owned;
using s::gui::INativeWindows;
using s::gui::NativeWindow;
using s::gui::PrivateMessage;
using s::gui::RecordingWindows;
using s::gui::win::Box;
using support::Block;
using Call = RecordingWindows::Call;

namespace {

// A box standing for a top-level window: it has a native window from the start.
Owned<Box> rootIn(support::RecordedWindows& windows, std::int32_t width, std::int32_t height) {
  Owned<Box> root = s::thread::obtain<Box>();
  root->setSize(width, height);
  windows->createTopLevel(root.get());
  return root;
}

std::size_t countOf(const RecordingWindows& windows, Call call, std::uint32_t value) {
  std::size_t count = 0;
  for (const auto& entry : windows.log()) count += entry.call == call && entry.value == value;
  return count;
}

}  // namespace

TEST_CASE("a child added to a container with a window gets its window through 32770") {
  support::RecordedWindows windows;
  Owned<Box> root = rootIn(windows, 200, 100);
  Block* block = Block::make(10, 10, 50, 20);
  root->addChild(block);

  REQUIRE(block->nativeWindow() != nullptr);
  CHECK(windows->parentOf(block->nativeWindow()) == root->nativeWindow());
  CHECK(windows->componentOf(block->nativeWindow()) == block);
  // The container's thread was asked to create it: the request went to the container's window.
  const auto sends = windows->callsFor(root->nativeWindow(), Call::kSend);
  REQUIRE(sends.size() == 1);
  CHECK(sends[0].value == PrivateMessage::kSetParentOf);
  CHECK(block->isShown());
}

TEST_CASE("a subtree built before it is attached gets every window when it is") {
  support::RecordedWindows windows;
  Owned<Box> root = rootIn(windows, 200, 100);
  Owned<Box> panel = s::thread::obtain<Box>();
  Owned<Box> inner = s::thread::obtain<Box>();
  Block* deep = Block::make(10, 10, 10, 10);
  inner->addChild(deep);
  Box* innerBox = inner.get();
  panel->addChild(inner.detach());
  Box* panelBox = panel.get();
  CHECK(deep->nativeWindow() == nullptr);

  root->addChild(panel.detach());
  REQUIRE(panelBox->nativeWindow() != nullptr);
  REQUIRE(innerBox->nativeWindow() != nullptr);
  REQUIRE(deep->nativeWindow() != nullptr);
  CHECK(windows->parentOf(innerBox->nativeWindow()) == panelBox->nativeWindow());
  CHECK(windows->parentOf(deep->nativeWindow()) == innerBox->nativeWindow());
  CHECK(windows->liveWindows() == 4);

  // Removing the panel destroys its window on its own thread (1039), and the children's go
  // with it; releasing the root destroys the rest.
  root->removeChild(panelBox, true);
  CHECK(countOf(windows.get(), Call::kSend, PrivateMessage::kDetach) >= 1);
  CHECK(windows->liveWindows() == 1);
  root.reset();
  CHECK(windows->liveWindows() == 0);
}

TEST_CASE("a layout pass places each native window once, with the bounds flags") {
  support::RecordedWindows windows;
  Owned<Box> root = rootIn(windows, 100, 100);
  root->setVerticalGap(5);
  std::vector<Block*> blocks;
  for (int i = 0; i < 3; ++i) {
    blocks.push_back(Block::make(10, 10, 100, 20));
    root->addChild(blocks.back());
  }
  windows->clearLog();
  root->setSize(80, 100);

  for (std::size_t i = 0; i < blocks.size(); ++i) {
    CAPTURE(i);
    const auto placements = windows->callsFor(blocks[i]->nativeWindow(), Call::kPlace);
    REQUIRE(placements.size() == 1);
    CHECK(placements[0].value == INativeWindows::kBoundsFlags);
    CHECK(placements[0].value == 68u);
    CHECK(placements[0].x == 0);
    CHECK(placements[0].y == static_cast<std::int32_t>(i) * 25);
    CHECK(placements[0].width == 80);
    CHECK(placements[0].height == 20);
  }
}

TEST_CASE("outside a layout pass a move and a size place at once with their own flags") {
  support::RecordedWindows windows;
  Owned<Box> root = rootIn(windows, 100, 100);
  Block* block = Block::make(10, 10, 10, 10);
  root->addChild(block);
  windows->clearLog();
  block->move(7, 8);
  block->setSize(30, 40);
  block->beginDeferring(false);
  block->move(1, 2);
  block->setSize(3, 4);
  block->setBounds(5, 6, 7, 8);
  block->endDeferring(false);
  const auto placements = windows->callsFor(block->nativeWindow(), Call::kPlace);
  REQUIRE(placements.size() == 3);
  CHECK(placements[0].value == 69u);
  CHECK(placements[0].x == 7);
  CHECK(placements[1].value == 70u);
  CHECK(placements[1].width == 30);
  // Three changes while deferring became one placement with the last bounds.
  CHECK(placements[2].value == 68u);
  CHECK(placements[2].x == 5);
  CHECK(placements[2].height == 8);
}

TEST_CASE("margins become the children's offset in their native placement") {
  support::RecordedWindows windows;
  Owned<Box> root = rootIn(windows, 100, 100);
  root->setLeftMargin(8);
  root->setTopMargin(5);
  Block* block = Block::make(10, 10, 30, 10);
  root->addChild(block);
  CHECK(block->x() == 0);
  CHECK(block->y() == 0);
  CHECK(block->offsetX() == 8);
  CHECK(block->offsetY() == 5);
  std::int32_t x, y, width, height;
  REQUIRE(windows->boundsOf(block->nativeWindow(), &x, &y, &width, &height));
  CHECK(x == 8);
  CHECK(y == 5);
  CHECK(root->innerWidth() == 92);

  // New margins move every child along.
  root->setHorizontalMargins(2);
  REQUIRE(windows->boundsOf(block->nativeWindow(), &x, &y, &width, &height));
  CHECK(x == 2);
  CHECK(y == 5);
}

TEST_CASE("hiding keeps a window hidden through later layouts; showing relayouts the parent") {
  support::RecordedWindows windows;
  Owned<Box> root = rootIn(windows, 100, 100);
  Block* block = Block::make(10, 10, 30, 10);
  root->addChild(block);
  block->show(false, false);
  CHECK_FALSE(windows->isVisible(block->nativeWindow()));
  CHECK(block->x() == -10000);
  CHECK(block->y() == 10000);
  root->relayout();
  CHECK_FALSE(windows->isVisible(block->nativeWindow()));

  // Locked, show requests do nothing.
  block->setVisibilityLock(true);
  block->show(true, false);
  CHECK_FALSE(block->isVisible());
  block->setVisibilityLock(false);
  block->show(true, false);
  CHECK(windows->isVisible(block->nativeWindow()));
  CHECK(block->x() == 0);
  CHECK(block->y() == 0);
}

TEST_CASE("a component hidden or disabled before it has a window gets one that way") {
  support::RecordedWindows windows;
  Owned<Box> root = rootIn(windows, 100, 100);
  Block* hidden = Block::make(10, 10, 10, 10);
  hidden->show(false, false);
  Block* disabled = Block::make(10, 10, 10, 10);
  disabled->enable(false);
  CHECK_FALSE(disabled->isEnabled());
  root->addChild(hidden);
  root->addChild(disabled);
  CHECK_FALSE(windows->isVisible(hidden->nativeWindow()));
  CHECK_FALSE(hidden->isShown());
  CHECK_FALSE(windows->isEnabled(disabled->nativeWindow()));
  CHECK_FALSE(disabled->isEnabled());
  disabled->enable(true);
  CHECK(windows->isEnabled(disabled->nativeWindow()));
}

TEST_CASE("screen positions add up the parents, and contains needs a shown component") {
  support::RecordedWindows windows;
  Owned<Box> root = rootIn(windows, 100, 100);
  root->move(300, 200);
  root->setTopMargin(10);
  Block* block = Block::make(20, 20, 20, 20);
  root->addChild(block);
  CHECK(block->screenX() == 300);
  CHECK(block->screenY() == 210);
  CHECK(block->contains(300, 210));
  CHECK(block->contains(319, 229));
  CHECK_FALSE(block->contains(320, 210));
  block->show(false, false);
  CHECK_FALSE(block->contains(300, 210));
}

TEST_CASE("backgrounds: named colours, and the light one from the inactive caption text") {
  support::RecordedWindows windows;
  windows->setSystemColour(INativeWindows::kButtonFaceColour, 0x00102030);
  windows->setSystemColour(INativeWindows::kInactiveCaptionTextColour, 0x00FF8001);
  Owned<Box> box = s::thread::obtain<Box>();
  CHECK(box->isTransparent());
  box->setBackgroundButtonFace(false);
  CHECK(box->background() == 0x00102030u);
  CHECK_FALSE(box->isTransparent());
  // 255 - ((255 - c) >> 1) per channel: 0x01 -> 0x80, 0x80 -> 0xC0, 0xFF stays.
  box->setBackgroundLight(false);
  CHECK(box->background() == 0x00FFC080u);
  box->setBackgroundRgb(1, 2, 3, false);
  CHECK(box->background() == 0x00030201u);
  box->setBackgroundWhite(false);
  CHECK(box->background() == 0x00FFFFFFu);

  // A transparent child shows the first own colour up the tree.
  Owned<Box> child = s::thread::obtain<Box>();
  Box* childBox = child.get();
  box->addChild(child.detach());
  CHECK(childBox->effectiveBackground() == 0x00FFFFFFu);
  childBox->setBackgroundBlack(false);
  CHECK(childBox->effectiveBackground() == 0u);
}

TEST_CASE("the hit test lets a mouse-transparent box's empty area through, not its buttons") {
  support::RecordedWindows windows;
  Owned<Box> root = rootIn(windows, 100, 100);
  Block* button = Block::make(20, 20, 20, 20);
  button->setClassName(u"s_gui_win_Button");
  Block* label = Block::make(20, 20, 20, 20);
  label->setClassName(u"s_gui_win_Label");
  root->setModeRow();
  root->addChild(button);
  root->addChild(label);
  constexpr std::intptr_t kClient = 1;
  constexpr std::intptr_t kTransparent = -1;
  constexpr std::intptr_t kCaption = 2;
  CHECK(root->hitTest(kClient, 50, 50) == kTransparent);
  CHECK(root->hitTest(kClient, 25, 10) == kTransparent);  // over the label
  CHECK(root->hitTest(kClient, 5, 5) == kClient);         // over the button
  CHECK(root->hitTest(kCaption, 50, 50) == kCaption);
  button->enable(false);
  CHECK(root->hitTest(kClient, 5, 5) == kTransparent);

  struct Nothing final : s::gui::events::IEventListener {
    void event(s::base::IObject*, std::int32_t) override {}
  } nothing;
  root->addClickListener(&nothing);
  CHECK(root->hitTest(kClient, 50, 50) == kClient);
}

TEST_CASE("ready-made listeners switch their targets only for their trigger source") {
  support::RecordedWindows windows;
  Owned<Box> root = rootIn(windows, 100, 100);
  Block* a = Block::make(1, 1, 1, 1);
  Block* b = Block::make(1, 1, 1, 1);
  root->addChild(a);
  root->addChild(b);
  Owned<Box> source = s::thread::obtain<Box>();
  Owned<Box> stranger = s::thread::obtain<Box>();

  Owned<s::gui::events::Disabler> disabler = s::thread::obtain<s::gui::events::Disabler>();
  disabler->setTriggerSource(source.get());
  disabler->addTarget(a);
  disabler->addTarget(b);
  Owned<s::gui::events::Enabler> enabler = s::thread::obtain<s::gui::events::Enabler>();
  enabler->setTriggerSource(source.get());
  enabler->addTarget(b);

  disabler->event(stranger.get(), 6);
  CHECK(a->isEnabled());
  disabler->event(source.get(), 6);
  CHECK_FALSE(a->isEnabled());
  CHECK_FALSE(b->isEnabled());
  enabler->event(source.get(), 0);
  CHECK_FALSE(a->isEnabled());
  CHECK(b->isEnabled());

  Owned<s::gui::events::UnEditabler> readOnly = s::thread::obtain<s::gui::events::UnEditabler>();
  readOnly->setTriggerSource(source.get());
  readOnly->addTarget(a);
  readOnly->addTarget(root.get());  // a box cannot be edited: nothing happens to it
  Owned<s::gui::events::Editabler> editable = s::thread::obtain<s::gui::events::Editabler>();
  editable->setTriggerSource(source.get());
  editable->addTarget(a);
  readOnly->event(source.get(), 1);
  CHECK_FALSE(a->isEditable());
  editable->event(source.get(), 1);
  CHECK(a->isEditable());

  // Given back, a listener forgets its source and targets.
  disabler->reset();
  CHECK(disabler->targetCount() == 0);
  CHECK(disabler->triggerSource() == nullptr);
}
