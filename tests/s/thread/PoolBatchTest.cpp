#include <doctest/doctest.h>

#include <cstdint>
#include <vector>

#include "s/base/IObject.h"
#include "s/thread/EasyPooler.h"
#include "s/thread/PoolerBase.h"

namespace {

struct Tally {
  int created = 0;
  int deleted = 0;
  int reset = 0;
};
Tally gTally;

void* createInt() {
  ++gTally.created;
  return new int(0);
}
void deleteInt(void* object) {
  ++gTally.deleted;
  delete static_cast<int*>(object);
}
void resetInt(void* object) {
  ++gTally.reset;
  *static_cast<int*>(object) = 0;
}

// A size-aware pool of blocks whose size is their first word.
class SizedFactory final : public s::thread::Factory {
 public:
  explicit SizedFactory(bool accounting) { setSizeAccounting(accounting); }
  ~SizedFactory() override { destroyFreeObjects(); }
  s::base::IObject* newInstance() const override { return nullptr; }
  void* generate() override { return new std::uint32_t(1); }
  std::uint32_t sizeOf(void* object) override { return *static_cast<std::uint32_t*>(object); }
  void resetObject(void*) override { ++resets; }
  void destroyObject(void** object) override {
    ++destroyed;
    delete static_cast<std::uint32_t*>(*object);
    *object = nullptr;
  }
  int resets = 0;
  int destroyed = 0;
};

}  // namespace

TEST_CASE("a batch take moves the top of the free list in take order and makes nothing") {
  gTally = Tally();
  s::thread::EasyPooler pool(1000, createInt, deleteInt, resetInt);
  void* none[4];
  CHECK(pool.takeFree(none, 4) == 0);
  CHECK(gTally.created == 0);

  std::vector<void*> objects;
  for (int i = 0; i < 5; ++i) objects.push_back(pool.take());
  for (void* object : objects) pool.giveBack(object);
  void* batch[8];
  REQUIRE(pool.takeFree(batch, 3) == 3);
  // Used from the end, the batch gives what three single takes would.
  CHECK(batch[2] == objects[4]);
  CHECK(batch[1] == objects[3]);
  CHECK(batch[0] == objects[2]);
  CHECK(pool.freeCount() == 2);
  REQUIRE(pool.takeFree(batch + 3, 8) == 2);
  CHECK(batch[4] == objects[1]);
  CHECK(pool.freeCount() == 0);

  // Given back in batch order, the free list is as it was.
  pool.giveBackAll(batch + 3, 2);
  pool.giveBackAll(batch, 3);
  for (int i = 4; i >= 0; --i) CHECK(pool.take() == objects[static_cast<std::size_t>(i)]);
  CHECK(gTally.created == 5);
  for (void* object : objects) pool.giveBack(object);
}

TEST_CASE("a batch give back keeps up to the capacity, resets what it keeps, deletes the rest") {
  gTally = Tally();
  s::thread::EasyPooler pool(3, createInt, deleteInt, resetInt);
  std::vector<void*> objects;
  for (int i = 0; i < 5; ++i) objects.push_back(pool.take());
  pool.giveBack(objects[0]);
  pool.giveBackAll(objects.data() + 1, 4);
  CHECK(pool.freeCount() == 3);
  CHECK(gTally.reset == 3);
  CHECK(gTally.deleted == 2);
  void* again = pool.take();
  CHECK(again == objects[2]);
  pool.giveBack(again);
}

TEST_CASE("the size-aware pool's batches keep its limits and its total") {
  SizedFactory plain(false);
  std::vector<void*> blocks;
  for (int i = 0; i < 1003; ++i) blocks.push_back(plain.take());
  plain.giveBackAll(blocks.data(), 1003);
  CHECK(plain.freeCount() == 1001);
  CHECK(plain.destroyed == 2);
  CHECK(plain.resets == 1001);
  void* top[2];
  REQUIRE(plain.takeFree(top, 2) == 2);
  CHECK(top[1] == blocks[1000]);
  CHECK(top[0] == blocks[999]);
  plain.giveBackAll(top, 2);
  CHECK(plain.take() == blocks[1000]);
  plain.giveBack(blocks[1000]);

  SizedFactory sized(true);
  auto* small = static_cast<std::uint32_t*>(sized.take());
  auto* big = static_cast<std::uint32_t*>(sized.take());
  *small = 100;
  *big = 2000;
  void* both[2] = {small, big};
  sized.giveBackAll(both, 2);
  CHECK(sized.freeCount() == 1);
  CHECK(sized.totalSize() == 100);
  CHECK(sized.destroyed == 1);
  void* out[2];
  REQUIRE(sized.takeFree(out, 2) == 1);
  CHECK(out[0] == small);
  CHECK(sized.totalSize() == 0);
  sized.giveBack(out[0]);
}

TEST_CASE("keepAll keeps what giveBackAll keeps and leaves the rest to the caller untouched") {
  gTally = Tally();
  s::thread::EasyPooler pool(3, createInt, deleteInt, resetInt);
  std::vector<void*> objects;
  for (int i = 0; i < 5; ++i) objects.push_back(pool.take());
  *static_cast<int*>(objects[4]) = 44;
  pool.giveBack(objects[0]);
  CHECK(pool.keepAll(objects.data() + 1, 4) == 2);
  CHECK(pool.freeCount() == 3);
  CHECK(gTally.reset == 3);
  CHECK(gTally.deleted == 0);
  // Not reset either: the caller deletes it as it sees fit.
  CHECK(*static_cast<int*>(objects[4]) == 44);
  CHECK(pool.take() == objects[2]);
  deleteInt(objects[3]);
  deleteInt(objects[4]);
  CHECK(pool.keepAll(objects.data() + 2, 1) == 1);

  SizedFactory plain(false);
  std::vector<void*> blocks;
  for (int i = 0; i < 1003; ++i) blocks.push_back(plain.take());
  CHECK(plain.keepAll(blocks.data(), 1003) == 1001);
  CHECK(plain.destroyed == 0);
  CHECK(plain.freeCount() == 1001);
  void* rest[2] = {blocks[1001], blocks[1002]};
  for (void* block : rest) delete static_cast<std::uint32_t*>(block);

  // With size accounting each block is decided by its own size: nothing is left over.
  SizedFactory sized(true);
  auto* big = static_cast<std::uint32_t*>(sized.take());
  auto* small = static_cast<std::uint32_t*>(sized.take());
  *big = 2000;
  *small = 100;
  void* both[2] = {big, small};
  CHECK(sized.keepAll(both, 2) == 2);
  CHECK(sized.destroyed == 1);
  CHECK(sized.freeCount() == 1);
  CHECK(sized.totalSize() == 100);
}
