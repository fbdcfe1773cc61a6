// Process-wide pools keep a per-thread stack in front of their shared free list; these cases
// check that a thread still sees one stack with the capacity rule, and that nothing is lost
// when stacks spill, refill, meet batch operations, or end with their thread.
#include <doctest/doctest.h>

#include <cstdint>
#include <vector>

#include "s/thread/EasyPooler.h"
#include "support/OtherThread.h"

namespace {

struct Counts {
  int created = 0;
  int deleted = 0;
  int reset = 0;
};
Counts gCounts;

// An object that may own others of its pool, as tree nodes own their children.
struct Item {
  std::vector<Item*> owned;
};
s::thread::EasyPooler* gOwnerPool = nullptr;

void* createItem() {
  ++gCounts.created;
  return new Item();
}
void deleteItem(void* item) {
  ++gCounts.deleted;
  delete static_cast<Item*>(item);
}
void resetItem(void* object) {
  ++gCounts.reset;
  auto* item = static_cast<Item*>(object);
  for (Item* child : item->owned) gOwnerPool->giveBack(child);
  item->owned.clear();
}

s::thread::EasyPooler* newProcessWidePool(std::uint32_t capacity) {
  return s::thread::EasyPooler::createProcessWide(capacity, &createItem, &deleteItem, &resetItem);
}

std::vector<void*> takeMany(s::thread::EasyPooler& pool, int n) {
  std::vector<void*> taken;
  for (int i = 0; i < n; ++i) taken.push_back(pool.take());
  return taken;
}

}  // namespace

TEST_CASE("a thread sees a process-wide pool as one stack with an exact capacity") {
  gCounts = {};
  s::thread::EasyPooler& pool = *newProcessWidePool(100);
  std::vector<void*> taken = takeMany(pool, 101);

  for (int i = 0; i < 100; ++i) pool.giveBack(taken[static_cast<std::size_t>(i)]);
  CHECK(pool.freeCount() == 100);
  CHECK(gCounts.reset == 100);
  pool.giveBack(taken[100]);  // the 101st: the pool is full
  CHECK(gCounts.deleted == 1);
  CHECK(gCounts.reset == 100);
  CHECK(pool.freeCount() == 100);

  // Across the moves between the thread's stack and the shared list, takes come back in the
  // reverse order of the give-backs, and nothing new is made.
  for (int i = 99; i >= 0; --i) CHECK(pool.take() == taken[static_cast<std::size_t>(i)]);
  CHECK(pool.freeCount() == 0);
  CHECK(gCounts.created == 101);
  for (int i = 0; i < 100; ++i) pool.giveBack(taken[static_cast<std::size_t>(i)]);
}

TEST_CASE("a reset that gives back owned objects to the same pool loses none of them") {
  gCounts = {};
  gOwnerPool = newProcessWidePool(1000);
  s::thread::EasyPooler& pool = *gOwnerPool;
  // More children than a thread's stack holds, so the reset itself spills the stack.
  auto* parent = static_cast<Item*>(pool.take());
  for (int i = 0; i < 70; ++i) parent->owned.push_back(static_cast<Item*>(pool.take()));
  std::vector<Item*> children = parent->owned;

  pool.giveBack(parent);
  CHECK(pool.freeCount() == 71);
  CHECK(gCounts.deleted == 0);
  CHECK(gCounts.reset == 71);
  // The parent went back last, after what its reset gave back.
  CHECK(pool.take() == parent);
  CHECK(pool.take() == children.back());

  // A small pool fills up during the reset: the children and the parent are deleted beyond it.
  gCounts = {};
  gOwnerPool = newProcessWidePool(10);
  s::thread::EasyPooler& small = *gOwnerPool;
  auto* owner = static_cast<Item*>(small.take());
  for (int i = 0; i < 12; ++i) owner->owned.push_back(static_cast<Item*>(small.take()));
  small.giveBack(owner);
  CHECK(small.freeCount() == 10);
  CHECK(gCounts.deleted == 3);
  CHECK(gCounts.created == 13);
  pool.giveBack(children.back());
  pool.giveBack(parent);
  gOwnerPool = nullptr;
}

TEST_CASE("batch operations see the thread's stack as the top of the pool") {
  gCounts = {};
  s::thread::EasyPooler& pool = *newProcessWidePool(1000);
  std::vector<void*> objects = takeMany(pool, 5);
  for (void* object : objects) pool.giveBack(object);

  void* batch[3];
  REQUIRE(pool.takeFree(batch, 3) == 3);
  CHECK(batch[2] == objects[4]);
  CHECK(batch[0] == objects[2]);
  CHECK(pool.freeCount() == 2);
  pool.giveBackAll(batch, 3);
  CHECK(pool.freeCount() == 5);
  for (int i = 4; i >= 0; --i) CHECK(pool.take() == objects[static_cast<std::size_t>(i)]);

  // A full pool's batch give-back deletes what single give-backs would.
  s::thread::EasyPooler& three = *newProcessWidePool(3);
  std::vector<void*> more = takeMany(three, 5);
  three.giveBack(more[0]);
  three.giveBackAll(more.data() + 1, 4);
  CHECK(three.freeCount() == 3);
  CHECK(three.take() == more[2]);
  three.giveBack(more[2]);
  for (void* object : objects) pool.giveBack(object);
}

namespace {

struct Worker {
  s::thread::EasyPooler* pool;
  std::vector<void*> given;
};

void takeAndGiveBack(void* argument) {
  auto* worker = static_cast<Worker*>(argument);
  worker->given = takeMany(*worker->pool, 20);
  for (void* object : worker->given) worker->pool->giveBack(object);
}

}  // namespace

TEST_SUITE("threads") {
  TEST_CASE("a thread's pooled objects go back to the shared list when the thread ends") {
    gCounts = {};
    Worker worker{newProcessWidePool(1000), {}};
    REQUIRE(support::runOnOtherThread(&takeAndGiveBack, &worker));
    CHECK(gCounts.created == 20);
    CHECK(gCounts.deleted == 0);
    // This thread's stack is empty, so what it sees is the shared list the worker left.
    CHECK(worker.pool->freeCount() == 20);
    for (int i = 19; i >= 0; --i)
      CHECK(worker.pool->take() == worker.given[static_cast<std::size_t>(i)]);
    CHECK(gCounts.created == 20);
    for (void* object : worker.given) worker.pool->giveBack(object);

    // A worker's share of the capacity goes back too: a full pool stays usable by others.
    Worker filler{newProcessWidePool(20), {}};
    REQUIRE(support::runOnOtherThread(&takeAndGiveBack, &filler));
    CHECK(filler.pool->freeCount() == 20);
    void* extra = filler.pool->createNew();
    filler.pool->giveBack(extra);  // the 21st: deleted, as the pool is full
    CHECK(filler.pool->freeCount() == 20);
  }
}  // TEST_SUITE
