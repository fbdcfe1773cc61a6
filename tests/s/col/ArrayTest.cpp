#include <doctest/doctest.h>

#include <string>
#include <utility>
#include <vector>

#include "s/cleaner/CleanerIObject.h"
#include "s/col/Growth.h"
#include "s/col/_array/ArrayP.h"
#include "s/col/_array/Iterator.h"
#include "s/col/_array/NumberArray.h"
#include "s/comp/Comparators.h"
#include "s/map/MapTable.h"
#include "s/number/S64Value.h"
#include "s/str/strbuffer/Iterator.h"
#include "s/str/strbuffer/StrBuffer.h"
#include "s/thread/Pool.h"
#include "s/tree/FlexNode.h"

using s::col::_array::ArrayP;
using s::col::_array::ArrayS32;
using s::col::_array::ArrayU08;
using s::col::_array::ArrayU32;
using s::str::strbuffer::StrBuffer;
using s::thread::obtain;

namespace {
std::u16string textOf(const s::base::Owned<StrBuffer>& buffer) { return buffer->text(); }
}  // namespace

TEST_CASE("arrays grow 100, then 300, then 900, and reserveExact allocates exactly") {
  auto array = obtain<ArrayU32>();
  CHECK(array->capacity() == 0);
  array->add(1);
  CHECK(array->capacity() == 100);
  for (std::uint32_t i = 1; i < 100; ++i) array->add(i);
  CHECK(array->capacity() == 100);
  array->add(100);
  CHECK(array->capacity() == 300);
  for (std::uint32_t i = 101; i < 301; ++i) array->add(i);
  CHECK(array->capacity() == 900);
  CHECK(array->count() == 301);

  auto exact = obtain<ArrayU08>();
  exact->reserveExact(7);
  CHECK(exact->capacity() == 7);
  const std::uint8_t many[250] = {};
  exact->append(many, 250);  // more than one element at once reserves by the policy
  CHECK(exact->capacity() == 300);
}

TEST_CASE("the growth policy past ten million") {
  CHECK(s::col::growthStep(9'999'999) == 29'999'997u);
  CHECK(s::col::growthStep(10'000'000) == 20'000'000u);
  CHECK(s::col::growthStep(50'000'001) == 75'000'001u);
  CHECK(s::col::growthStep(100'000'000) == 120'000'000u);
  CHECK(s::col::growthStep(0xF0000000u) == 0xFFFFFFFFu);  // saturates instead of wrapping
}

TEST_CASE("inserting, removing and taking elements keeps the order") {
  auto array = obtain<ArrayS32>();
  const std::int32_t values[] = {1, 2, 3};
  array->append(values, 3);
  const std::int32_t nine = 9;
  array->insertAt(array->count(), &nine, 1);  // at the count: appends
  array->insertAt(0, &nine, 1);               // at 0: front
  array->insertAt(2, values, 2);
  CHECK(array->toText()->equals(
      *s::str::strbuffer::newStr(u"s_col__array_ArrayS32 [9 1 1 2 2 3 9]")));

  std::int32_t out[3] = {};
  array->takeRange(1, out, 2);
  CHECK(out[0] == 1);
  CHECK(out[1] == 1);
  array->popFirst(out, 1);
  CHECK(out[0] == 9);
  array->popLast(out, 1);
  CHECK(out[0] == 9);
  array->reverse();
  CHECK(textOf(array->toText()) == u"s_col__array_ArrayS32 [3 2 2]");
  std::uint32_t at = 99;
  CHECK(s::col::_array::arrayIndexOf(2, *array, &at));
  CHECK(at == 1);
  CHECK_FALSE(s::col::_array::arrayIndexOf(7, *array, &at));
}

TEST_CASE("text forms of arrays") {
  auto array = obtain<ArrayU32>();
  for (std::uint32_t i = 0; i < 3; ++i) array->add(i);
  CHECK(textOf(array->toText()) == u"s_col__array_ArrayU32 [0 1 2]");
  CHECK(textOf(array->toTagged()) ==
        u"<s_col__array_ArrayU32 length=\"3\">000000000000000100000002</s_col__array_ArrayU32>");
  auto bytes = obtain<ArrayU08>();
  const std::uint8_t data[] = {0x00, 0xAB, 0x7F};
  bytes->append(data, 3);
  CHECK(textOf(bytes->toHex()) == u"00ab7f");
  auto empty = obtain<s::col::_array::ArrayS08>();
  CHECK(textOf(empty->toText()) == u"s_col__array_ArrayS08 []");
  auto negative = obtain<s::col::_array::ArrayS08>();
  const std::int8_t minus = -5;
  negative->append(&minus, 1);
  CHECK(textOf(negative->toText()) == u"s_col__array_ArrayS08 [-5]");
  CHECK(textOf(negative->toHex()) == u"fb");
}

TEST_CASE("array comparison orders the shorter first regardless of content") {
  auto shorter = obtain<ArrayU32>();
  auto longer = obtain<ArrayU32>();
  shorter->add(1000);
  longer->add(1);
  longer->add(1);
  CHECK(shorter->compare(longer.get()) == -1);
  CHECK(longer->compare(shorter.get()) == 1);
  shorter->add(0);
  CHECK(shorter->compare(longer.get()) == 1);  // same count: element order
  auto s8 = obtain<s::col::_array::ArrayS08>();
  auto u8 = obtain<ArrayU08>();
  const std::uint8_t high = 0xFF;
  s8->append(&high, 1);
  auto s8b = obtain<s::col::_array::ArrayS08>();
  const std::uint8_t one = 1;
  s8b->append(&one, 1);
  CHECK(s8->compare(s8b.get()) == -1);  // signed: -1 < 1
  u8->append(&high, 1);
  auto u8b = obtain<ArrayU08>();
  u8b->append(&one, 1);
  CHECK(u8->compare(u8b.get()) == 1);  // unsigned: 255 > 1
  CHECK(u8->compareRaw(0, &one, 1, 0, 1) == 1);
}

TEST_CASE("a pointer array with a pool releaser gives its elements back to that pool") {
  auto& pool = s::thread::poolOf<s::number::S64Value>();
  std::uint32_t freeBefore = pool.freeCount();
  auto array = obtain<ArrayP>();
  array->setElementReleaser(&pool);
  for (int i = 0; i < 3; ++i) array->appendPointer(s::thread::takeFromPool<s::number::S64Value>());
  std::uint32_t takenFromFree = freeBefore >= 3 ? 3 : freeBefore;
  CHECK(pool.freeCount() == freeBefore - takenFromFree);
  array->free();
  CHECK(pool.freeCount() == freeBefore - takenFromFree + 3);
  CHECK(array->count() == 0);
  CHECK(array->capacity() == 0);
}

TEST_CASE("a pointer array from the pool owns nothing until told") {
  auto& pool = s::thread::poolOf<s::number::S64Value>();
  ArrayP* raw = nullptr;
  {
    auto array = obtain<ArrayP>();
    array->setElementReleaser(&pool);
    array->appendPointer(s::thread::takeFromPool<s::number::S64Value>());
    raw = array.get();
  }
  auto again = obtain<ArrayP>();
  CHECK(again.get() == raw);
  CHECK(again->elementReleaser() == nullptr);
  CHECK(again->count() == 0);
}

TEST_CASE("removing one pointer element") {
  ArrayP array;
  int a = 1, b = 2, c = 3;
  array.appendPointer(&a);
  array.appendPointer(&b);
  array.appendPointer(&c);
  CHECK(s::col::_array::arrayRemoveAt(array, 0) == &a);
  CHECK(array.pointerAt(0) == &b);
  CHECK(s::col::_array::arrayRemoveAt(array, 1) == &c);
  CHECK(array.count() == 1);

  ArrayP owning;
  owning.setElementReleaser(&s::cleaner::CleanerIObject::instance());
  owning.appendPointer(static_cast<s::base::IObject*>(new s::number::S64Value()));
  CHECK(owning.removeAt(0) == nullptr);  // deleted by the releaser; ASan would see a leak
  CHECK(owning.count() == 0);
}

TEST_CASE("array iterators walk forward and back") {
  auto array = obtain<ArrayU32>();
  for (std::uint32_t i = 10; i < 13; ++i) array->add(i);
  auto it = array->iterator();
  CHECK(it->index() == -1);
  std::uint32_t sum = 0;
  while (it->hasNext()) sum += *static_cast<std::uint32_t*>(it->next());
  CHECK(sum == 33);
  CHECK(it->index() == 2);
  auto back = array->iteratorAtEnd();
  CHECK(*static_cast<std::uint32_t*>(back->previous()) == 12);
  CHECK(array->iteratorFromEnd(1)->index() == 2);
}

TEST_CASE("array iterators walk elements exactly as text iterators walk units") {
  auto array = obtain<ArrayU32>();
  for (std::uint32_t i = 10; i < 15; ++i) array->add(i);
  auto text = s::str::strbuffer::newStr(u"abcde");
  // What the review saw: the element after the one asked for, and the slot at count.
  CHECK(*static_cast<std::uint32_t*>(array->iteratorAt(1)->next()) == 11);
  CHECK(*static_cast<std::uint32_t*>(array->iteratorFromEnd(1)->next()) == 14);

  // Every way to start, walked forward as far as hasNext allows and back as far as hasPrevious
  // allows; the text is the measure of index and position at each step.
  using Start = std::pair<s::base::Owned<s::col::_array::Iterator>,
                          s::base::Owned<s::str::strbuffer::Iterator>>;
  std::vector<std::pair<std::string, Start>> starts;
  starts.emplace_back("iterator", Start(array->iterator(), text->iterator()));
  starts.emplace_back("at end", Start(array->iteratorAtEnd(), text->iteratorAtEnd()));
  for (std::uint32_t i : {0u, 1u, 4u, 5u, ArrayU32::kAll}) {
    starts.emplace_back("at " + std::to_string(i),
                        Start(array->iteratorAt(i), text->iteratorAt(i)));
    starts.emplace_back("from end " + std::to_string(i),
                        Start(array->iteratorFromEnd(i), text->iteratorFromEnd(i)));
  }
  for (auto& [what, start] : starts) {
    CAPTURE(what);
    auto& [elements, units] = start;
    CHECK(elements->index() == units->index());
    for (int step = 0; step < 3 && units->hasNext(); ++step) {
      REQUIRE(elements->hasNext());
      std::uint32_t element = *static_cast<std::uint32_t*>(elements->next());
      CHECK(element - 10 == static_cast<std::uint32_t>(*units->next() - u'a'));
      CHECK(elements->index() == units->index());
    }
    CHECK(elements->hasNext() == units->hasNext());
    for (int step = 0; step < 6 && units->hasPrevious(); ++step) {
      REQUIRE(elements->hasPrevious());
      std::uint32_t element = *static_cast<std::uint32_t*>(elements->previous());
      CHECK(element - 10 == static_cast<std::uint32_t>(*units->previous() - u'a'));
      CHECK(elements->index() == units->index());
    }
    CHECK(elements->hasPrevious() == units->hasPrevious());
  }
}

TEST_CASE("array byte streams read and write the storage") {
  auto array = obtain<ArrayU32>();
  const std::uint32_t word = 0x04030201;
  CHECK(array->write(&word, 4));
  CHECK(array->write(&word, 2));
  CHECK(array->count() == 2);  // a partial element counts
  array->rewind();
  unsigned char bytes[8] = {};
  std::uint32_t got = 0;
  CHECK(array->read(bytes, 8, &got));
  CHECK(got == 8);
  CHECK(bytes[0] == 1);
  CHECK(bytes[5] == 2);
  CHECK_FALSE(array->read(bytes, 1, &got));
}

TEST_CASE("a map keeps one entry per key and disposes what it lets go") {
  auto map = obtain<s::map::Map>();
  map->setDisposers(&s::cleaner::CleanerIObject::instance(),
                    &s::cleaner::CleanerIObject::instance());
  auto* key = new s::number::S64Value();
  key->setValue(7);
  auto* value = new s::number::S64Value();
  map->put(key, static_cast<s::base::IObject*>(value));
  auto* sameKey = new s::number::S64Value();
  sameKey->setValue(7);
  auto* newValue = new s::number::S64Value();
  newValue->setValue(70);
  map->put(sameKey, static_cast<s::base::IObject*>(newValue));
  CHECK(map->count() == 1);
  s::number::S64Value probe;
  probe.setValue(7);
  CHECK(static_cast<s::base::IObject*>(map->get(&probe)) == newValue);
  probe.setValue(8);
  CHECK(map->get(&probe) == nullptr);
  probe.setValue(7);
  CHECK(map->remove(&probe));
  CHECK_FALSE(map->remove(&probe));
  CHECK(map->count() == 0);
}

TEST_CASE("a tree node disposes of its value and its children") {
  int disposed = 0;
  struct Counting final : s::base::IDestructor {
    int* count;
    explicit Counting(int* c) : count(c) {}
    void dispose(void** object) override {
      if (*object != nullptr) ++*count;
      *object = nullptr;
    }
  } counting(&disposed);
  int payload = 0;
  {
    s::tree::Flex tree;
    auto* root = s::thread::takeFromPool<s::tree::FlexNode>();
    auto* child = s::thread::takeFromPool<s::tree::FlexNode>();
    child->setValue(&payload, &counting);
    root->addChild(child);
    root->setValue(&payload, &counting);
    tree.setRoot(root);
    CHECK(tree.root()->childCount() == 1);
  }
  CHECK(disposed == 2);
}
