#include <doctest/doctest.h>

#include <cstdint>

#include "s/base/Owned.h"
#include "s/gui/Box.h"
#include "s/gui/Spacer.h"
#include "s/gui/events/IEventListener.h"
#include "s/gui/layout/FlowH.h"
#include "s/gui/layout/Pile.h"
#include "s/gui/layout/Vertical.h"
#include "s/thread/Pool.h"
#include "support/Block.h"
#include "support/RecordedWindows.h"

using s::base::Owned;
using s::gui::win::Box;
using s::gui::win::Spacer;
using support::Block;

namespace {

// A box laid out on its own at the given size, outside any window.
Owned<Box> boxOf(std::int32_t width, std::int32_t height) {
  Owned<Box> box = s::thread::obtain<Box>();
  box->setSize(width, height);
  return box;
}

Block* add(Box& box, Block* block) {
  box.addChild(block);
  return block;
}

struct Placed {
  std::int32_t x, y, width, height;
};

Placed placed(const s::gui::IComponent* c) { return {c->x(), c->y(), c->width(), c->height()}; }

void checkPlaced(const s::gui::IComponent* c, Placed expected) {
  const Placed got = placed(c);
  CHECK(got.x == expected.x);
  CHECK(got.y == expected.y);
  CHECK(got.width == expected.width);
  CHECK(got.height == expected.height);
}

Spacer* verticalSpacer(std::int32_t height) {
  Spacer* spacer = s::thread::takeFromPool<Spacer>();
  spacer->setOrientation(Spacer::kVertical);
  spacer->setFixedHeight(height);
  return spacer;
}

class Counter final : public s::gui::events::IEventListener {
 public:
  void event(s::base::IObject*, std::int32_t code) override { codes[count++ % 8] = code; }
  int count = 0;
  std::int32_t codes[8] = {};
};

}  // namespace

TEST_CASE("a short column shares its spare height in proportion, then a pixel at a time") {
  Owned<Box> column = boxOf(50, 100);
  Block* first = add(*column, Block::make(0, 20, 50, 40));
  Block* second = add(*column, Block::make(0, 30, 50, 90));
  column->relayout();
  // E = 50 over wants of 20 and 60: 12 and 37 truncated, the pixel left to the first.
  checkPlaced(first, {0, 0, 50, 33});
  checkPlaced(second, {0, 33, 50, 67});
  CHECK(column->contentMinimumHeight() == 50);
  CHECK(column->contentPreferredHeight() == 130);
  CHECK(column->minimumHeight() == 50);
  CHECK(column->preferredHeight() == 130);
}

TEST_CASE("a column with room for every preferred height aligns the rest vertically") {
  struct Case {
    void (Box::*align)();
    std::int32_t firstY;
  };
  // Inner height 200, preferred 40 + 2 + 90 = 132: 68 pixels to place.
  const Case cases[] = {{&Box::alignTop, 0}, {&Box::alignMiddle, 34}, {&Box::alignBottom, 68}};
  for (const Case& c : cases) {
    CAPTURE(c.firstY);
    Owned<Box> column = boxOf(60, 200);
    column->setVerticalGap(2);
    (column.get()->*c.align)();
    Block* first = add(*column, Block::make(10, 20, 30, 40));
    Block* second = add(*column, Block::make(10, 30, 60, 90));
    checkPlaced(first, {0, c.firstY, 30, 40});
    checkPlaced(second, {0, c.firstY + 42, 60, 90});
  }
}

TEST_CASE("a column aligns narrower children across its width") {
  struct Case {
    void (Box::*align)();
    std::int32_t x;
  };
  const Case cases[] = {{&Box::alignLeft, 0}, {&Box::alignCentre, 35}, {&Box::alignRight, 70}};
  for (const Case& c : cases) {
    CAPTURE(c.x);
    Owned<Box> column = boxOf(100, 50);
    (column.get()->*c.align)();
    Block* block = add(*column, Block::make(10, 10, 30, 10));
    checkPlaced(block, {c.x, 0, 30, 10});
  }
}

TEST_CASE("an empty child in a column gets a gap before it but none after it") {
  Owned<Box> column = boxOf(20, 0);
  column->setVerticalGap(4);
  Block* a = add(*column, Block::make(0, 10, 20, 10));
  Block* empty = add(*column, Block::make(0, 0, 20, 0));
  Block* c = add(*column, Block::make(0, 10, 20, 10));
  CHECK(a->y() == 0);
  CHECK(empty->y() == 14);
  CHECK(c->y() == 14);
  CHECK(column->contentMinimumHeight() == 24);

  // Nothing follows a trailing run of empty children, so no gap is counted before it.
  column->removeChild(c, true);
  add(*column, Block::make(0, 0, 20, 0));
  CHECK(column->contentMinimumHeight() == 10);
  CHECK(column->contentPreferredHeight() == 10);
}

TEST_CASE("a 12-pixel vertical spacer adds 12 pixels to a column and no width to a row") {
  Owned<Box> column = boxOf(40, 0);
  column->setVerticalGap(2);
  add(*column, Block::make(0, 10, 40, 10));
  Spacer* spacer = verticalSpacer(12);
  spacer->setDefaultSizes(30, 0, 30, 0);
  column->addChild(spacer);
  Block* below = add(*column, Block::make(0, 10, 40, 10));
  CHECK(spacer->height() == 12);
  CHECK(below->y() == 10 + 2 + 12 + 2);
  CHECK(column->contentMinimumHeight() == 36);

  Owned<Box> row = boxOf(0, 10);
  row->setModeRow();
  add(*row, Block::make(10, 0, 10, 10));
  Spacer* same = verticalSpacer(12);
  same->setDefaultSizes(30, 0, 30, 0);
  row->addChild(same);
  Block* right = add(*row, Block::make(10, 0, 10, 10));
  // The spacer's own width of 30 does not count across a row.
  CHECK(same->minimumWidth() == 0);
  CHECK(same->preferredWidth() == 0);
  CHECK(right->x() == 10);
  CHECK(row->contentMinimumWidth() == 20);
}

TEST_CASE("a horizontal spacer takes width in a row and no height in a column") {
  Owned<Box> column = boxOf(40, 0);
  Spacer* spacer = s::thread::takeFromPool<Spacer>();
  spacer->setFixedWidth(25);
  spacer->setFixedHeight(7);
  column->addChild(spacer);
  CHECK(spacer->minimumHeight() == 0);
  CHECK(spacer->minimumWidth() == 25);
  // Turning it swaps the settings: now 7 wide and 25 high, and the column counts the height.
  spacer->setOrientation(Spacer::kVertical);
  CHECK(spacer->minimumWidth() == 7);
  CHECK(spacer->minimumHeight() == 25);
  column->relayout();
  CHECK(column->contentMinimumHeight() == 25);
}

TEST_CASE("a row is the column's mirror: widths along, alignment across") {
  Owned<Box> row = boxOf(100, 30);
  row->setModeRow();
  row->setHorizontalGap(3);
  row->alignRight();
  row->alignBottom();
  Block* a = add(*row, Block::make(20, 10, 20, 10));
  Block* b = add(*row, Block::make(30, 20, 30, 20));
  // 100 - (20 + 3 + 30) = 47 to the left; each child at the bottom of the 30-pixel row.
  checkPlaced(a, {47, 20, 20, 10});
  checkPlaced(b, {70, 10, 30, 20});
  CHECK(row->contentMinimumWidth() == 53);
  CHECK(row->contentMinimumHeight() == 20);
}

TEST_CASE("percentages round half away from zero for boxes and truncate for leaves") {
  Owned<Box> parent = boxOf(101, 101);
  // In a row a horizontal spacer's height counts too.
  parent->setModeRow();
  Owned<Box> holder = s::thread::obtain<Box>();
  Box* child = holder.get();
  parent->addChild(holder.detach());
  child->setWidthPercentage(50, false);
  child->setHeightPercentage(33, false);
  CHECK(child->preferredWidth() == 51);   // 50.5
  CHECK(child->preferredHeight() == 33);  // 33.33

  Spacer* spacer = s::thread::takeFromPool<Spacer>();
  parent->addChild(spacer);
  spacer->setWidthPercentage(50);
  CHECK(spacer->preferredWidth() == 50);
  // A spacer's percentage clears its fixed size; a fixed size set afterwards wins again.
  spacer->setFixedHeight(9);
  spacer->setHeightPercentage(10);
  CHECK(spacer->preferredHeight() == 10);
  spacer->setFixedHeight(9);
  CHECK(spacer->preferredHeight() == 9);
}

TEST_CASE("size rules: fixed sizes, margins with content, an explicit minimum, ignored axes") {
  Owned<Box> parent = boxOf(200, 200);
  Owned<Box> holder = s::thread::obtain<Box>();
  Box* box = holder.get();
  parent->addChild(holder.detach());
  box->setMargins(3, 4, 5, 6);
  add(*box, Block::make(10, 20, 30, 40));
  box->relayout();
  CHECK(box->minimumWidth() == 3 + 4 + 10);
  CHECK(box->preferredWidth() == 3 + 4 + 30);
  CHECK(box->minimumHeight() == 5 + 6 + 20);
  CHECK(box->minimumInnerHeight() == 20);
  CHECK(box->preferredInnerHeight() == 40);
  box->setExplicitMinimumWidth(50);
  CHECK(box->minimumWidth() == 50);
  box->setIgnoreWidth(true);
  CHECK(box->minimumWidth() == 0);
  CHECK(box->preferredWidth() == 37);
  box->setFixedHeight(15, false);
  CHECK(box->minimumHeight() == 15);
  CHECK(box->preferredHeight() == 15);
  // The minimum wins when a preferred size is below it.
  box->setSizeWithinLimits(1000, 1);
  CHECK(box->width() == 37);
  CHECK(box->height() == 15);
}

TEST_CASE("a flow wraps children that do not fit the rest of the line") {
  Owned<Box> flow = boxOf(100, 0);
  flow->setModeFlow();
  flow->setHorizontalGap(5);
  flow->setVerticalGap(3);
  Block* blocks[5];
  for (auto*& block : blocks) block = add(*flow, Block::make(30, 10, 30, 10));
  // 30 + 5 + 30 + 5 + 30 fills the line exactly; the fourth starts the next one.
  checkPlaced(blocks[0], {0, 0, 30, 10});
  checkPlaced(blocks[2], {70, 0, 30, 10});
  checkPlaced(blocks[3], {0, 13, 30, 10});
  checkPlaced(blocks[4], {35, 13, 30, 10});
  CHECK(flow->contentMinimumHeight() == 23);

  // Centred lines: the short one moves by half its free width.
  flow->alignCentre();
  CHECK(blocks[3]->x() == (100 - 65) / 2);
  CHECK(blocks[0]->x() == 0);
  // A hidden child takes no room and no gap: the fourth moves up into the first line.
  blocks[1]->show(false, false);
  flow->relayout();
  CHECK(blocks[2]->x() == 35);
  checkPlaced(blocks[3], {70, 0, 30, 10});
  checkPlaced(blocks[4], {35, 13, 30, 10});
}

TEST_CASE("a pile lays every child over the inner area at its alignment") {
  Owned<Box> pile = boxOf(100, 50);
  pile->setModePile();
  pile->alignCentre();
  pile->alignBottom();
  Block* small = add(*pile, Block::make(10, 10, 40, 20));
  Block* large = add(*pile, Block::make(10, 10, 200, 200));
  checkPlaced(small, {30, 30, 40, 20});
  checkPlaced(large, {0, 0, 100, 50});
  CHECK(pile->contentPreferredWidth() == 200);
}

TEST_CASE("the shared managers replace the box's mode, and a box reports FlowH without one") {
  Owned<Box> box = boxOf(100, 100);
  CHECK(box->layoutManager() == &s::gui::layout::FlowH::instance());
  CHECK(box->arrangement() == s::gui::IContainer::kColumn);
  box->setModeRow();
  box->alignCentre();
  box->setHorizontalGap(7);
  Block* a = add(*box, Block::make(10, 10, 10, 10));
  Block* b = add(*box, Block::make(10, 10, 10, 10));
  // 100 - (10 + 7 + 10) = 73 spare, half of it before the first.
  CHECK(a->x() == 36);
  CHECK(b->x() == 53);

  // Vertical: a plain column, no gap and no alignment whatever the box says.
  box->setLayoutManager(&s::gui::layout::Vertical::instance());
  box->relayout();
  checkPlaced(a, {0, 0, 10, 10});
  checkPlaced(b, {0, 10, 10, 10});
  CHECK(box->arrangement() == s::gui::IContainer::kColumn);

  box->setLayoutManager(&s::gui::layout::Pile::instance());
  box->relayout();
  checkPlaced(b, {0, 0, 10, 10});

  box->setLayoutManager(&s::gui::layout::FlowH::instance());
  box->relayout();
  checkPlaced(b, {10, 0, 10, 10});
  CHECK(box->arrangement() == s::gui::IContainer::kFlow);
}

TEST_CASE("a relayout asked for while two of the same box run is ignored") {
  struct Again final : s::gui::events::IEventListener {
    Box* box = nullptr;
    int runs = 0;
    void event(s::base::IObject*, std::int32_t) override {
      ++runs;
      box->relayout();
    }
  } again;
  Owned<Box> box = boxOf(10, 10);
  again.box = box.get();
  box->addLayoutDoneListener(&again);
  box->relayout();
  // The outer run and one nested in it; the third request returns at once.
  CHECK(again.runs == 2);
  // Once both have ended the box lays out again.
  box->relayout();
  CHECK(again.runs == 4);
  box->suspendLayout(true);
  box->relayout();
  CHECK(again.runs == 4);
}

TEST_CASE("box listeners hear their own codes in registration order") {
  Owned<Box> box = boxOf(10, 10);
  Counter layout;
  Counter moved;
  box->addLayoutDoneListener(&layout);
  box->addMovedOrResizedListener(&moved);
  CHECK(box->isMouseTransparent());
  Counter click;
  box->addClickListener(&click);
  CHECK_FALSE(box->isMouseTransparent());
  box->relayout();
  box->move(3, 4);
  box->setSize(5, 6);
  CHECK(layout.count >= 1);
  CHECK(layout.codes[0] == Box::kLayoutDone);
  CHECK(moved.count == 2);
  CHECK(moved.codes[0] == Box::kMovedOrResized);
  CHECK(click.count == 0);
  box->fire(Box::kClick);
  CHECK(click.count == 1);
  CHECK(click.codes[0] == Box::kClick);
}
