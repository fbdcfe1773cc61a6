#include <doctest/doctest.h>

#include <vector>

#include "s/base/IObject.h"
#include "s/thread/EasyPooler.h"
#include "s/thread/Pool.h"
#include "s/thread/PoolerBase.h"
#include "s/thread/RawRecordPool.h"

namespace {

struct Counters {
  int created = 0;
  int deleted = 0;
  int reset = 0;
};
Counters gCounters;

struct Widget {
  int value = 0;
};

void* createWidget() {
  ++gCounters.created;
  return new Widget();
}
void deleteWidget(void* w) {
  ++gCounters.deleted;
  delete static_cast<Widget*>(w);
}
void resetWidget(void* w) {
  ++gCounters.reset;
  static_cast<Widget*>(w)->value = 0;
}

// A size-aware pool of heap blocks whose size is their first word.
class BlockFactory final : public s::thread::Factory {
 public:
  explicit BlockFactory(bool accounting) { setSizeAccounting(accounting); }
  ~BlockFactory() override { destroyFreeObjects(); }
  s::base::IObject* newInstance() const override { return nullptr; }
  void* generate() override {
    ++made;
    return new std::uint32_t(0);
  }
  std::uint32_t sizeOf(void* object) override { return *static_cast<std::uint32_t*>(object); }
  void resetObject(void*) override { ++resets; }
  void destroyObject(void** object) override {
    ++destroyed;
    delete static_cast<std::uint32_t*>(*object);
    *object = nullptr;
  }
  int made = 0;
  int resets = 0;
  int destroyed = 0;
};

}  // namespace

TEST_CASE("a full pool deletes what is given back and keeps its last kept object on top") {
  gCounters = {};
  {
    s::thread::EasyPooler pool(1000, &createWidget, &deleteWidget, &resetWidget);
    std::vector<void*> taken;
    for (int i = 0; i < 1001; ++i) taken.push_back(pool.take());
    CHECK(gCounters.created == 1001);  // empty pool: one create per take

    for (int i = 0; i < 1000; ++i) pool.giveBack(taken[i]);
    CHECK(pool.freeCount() == 1000);
    CHECK(gCounters.reset == 1000);

    pool.giveBack(taken[1000]);
    CHECK(gCounters.deleted == 1);
    CHECK(pool.freeCount() == 1000);
    CHECK(pool.take() == taken[999]);
    pool.giveBack(taken[999]);
  }
  CHECK(gCounters.deleted == 1001);  // destroying the pool deletes every free object
}

TEST_CASE("a pool object comes back reset and is the same object") {
  gCounters = {};
  s::thread::EasyPooler pool(1000, &createWidget, &deleteWidget, &resetWidget);
  auto* w = static_cast<Widget*>(pool.take());
  w->value = 42;
  pool.giveBack(w);
  auto* again = static_cast<Widget*>(pool.take());
  CHECK(again == w);
  CHECK(again->value == 0);
  CHECK(gCounters.created == 1);
  pool.giveBack(again);
}

TEST_CASE("a pool of capacity 0 deletes every object given back") {
  gCounters = {};
  s::thread::EasyPooler pool(0, &createWidget, &deleteWidget, &resetWidget);
  pool.giveBack(pool.take());
  CHECK(gCounters.deleted == 1);
  CHECK(gCounters.reset == 0);
  CHECK(pool.freeCount() == 0);
}

TEST_CASE("a pool's dispose gives back and clears, and skips null") {
  gCounters = {};
  s::thread::EasyPooler pool(10, &createWidget, &deleteWidget, &resetWidget);
  void* slot = nullptr;
  pool.dispose(&slot);
  CHECK(slot == nullptr);
  CHECK(pool.freeCount() == 0);
  slot = pool.take();
  pool.dispose(&slot);
  CHECK(slot == nullptr);
  CHECK(pool.freeCount() == 1);
}

TEST_CASE("a pool's new instance is a separate pool with the same capacity") {
  s::thread::EasyPooler pool(7, &createWidget, &deleteWidget, &resetWidget);
  auto* copy = static_cast<s::thread::EasyPooler*>(pool.newInstance());
  CHECK(copy != &pool);
  CHECK(copy->capacity() == 7);
  copy->giveBack(copy->take());
  CHECK(copy->freeCount() == 1);
  CHECK(pool.freeCount() == 0);
  delete copy;
}

TEST_CASE("the size-aware pool keeps up to 1001 objects") {
  BlockFactory factory(false);
  std::vector<void*> taken;
  for (int i = 0; i < 1002; ++i) taken.push_back(factory.take());
  for (void* block : taken) factory.giveBack(block);
  CHECK(factory.freeCount() == 1001);
  CHECK(factory.destroyed == 1);
}

TEST_CASE("with size accounting the pool refuses large objects and a full total") {
  BlockFactory factory(true);
  auto* big = static_cast<std::uint32_t*>(factory.take());
  *big = 1025;
  factory.giveBack(big);
  CHECK(factory.destroyed == 1);

  std::vector<void*> blocks;
  for (int i = 0; i < 101; ++i) {
    auto* block = static_cast<std::uint32_t*>(factory.take());
    *block = 1024;
    blocks.push_back(block);
  }
  for (void* block : blocks) factory.giveBack(block);
  CHECK(factory.freeCount() == 100);  // 100 x 1024 = 102,400 fills the total
  CHECK(factory.totalSize() == 102400);
  CHECK(factory.destroyed == 2);
  void* out = factory.take();  // hand one out: the total shrinks by its size
  CHECK(factory.totalSize() == 101376);
  factory.destroyObject(&out);
}

TEST_CASE("raw records come back zero-filled") {
  auto& pool = s::thread::RawRecordPool::records16();
  CHECK(pool.capacity() == 10000);
  auto* record = static_cast<unsigned char*>(pool.take());
  for (int i = 0; i < 16; ++i) record[i] = 0xAB;
  pool.giveBack(record);
  auto* again = static_cast<unsigned char*>(pool.take());
  REQUIRE(again == record);
  for (int i = 0; i < 16; ++i) CHECK(again[i] == 0);
  pool.giveBack(again);
}
