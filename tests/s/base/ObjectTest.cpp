#include <doctest/doctest.h>

#include <string>

#include "s/base/IComparator.h"
#include "s/number/S64Value.h"
#include "s/thread/ObjLocker.h"
#include "s/thread/Pool.h"

using s::number::S64Value;

namespace {

int gDeleted = 0;
void countingDeleter(void* block) {
  ++gDeleted;
  delete static_cast<int*>(block);
}

// Orders everything as equal, to see that a given comparator is the one asked.
struct AllEqual final : s::base::IComparator {
  int compare(const void*, const void*) const override { return 0; }
};

}  // namespace

TEST_CASE("objects without a comparator compare by identity") {
  auto a = s::thread::obtain<S64Value>();
  s::thread::ObjLocker x;
  s::thread::ObjLocker y;
  CHECK(x.compare(&x) == 0);
  CHECK(x.equals(&x));
  CHECK(x.compare(&y) == (&x < &y ? -1 : 1));
  CHECK(y.compare(&x) == -x.compare(&y));
  CHECK_FALSE(x.equals(&y));
  AllEqual allEqual;
  CHECK(x.equals(&y, &allEqual));
  CHECK(x.hash() == y.hash());
  CHECK(x.hash() != a->hash());
}

TEST_CASE("a locker disposes of its object once, through the deleter first") {
  gDeleted = 0;
  { s::thread::ObjLocker empty; }
  CHECK(gDeleted == 0);
  { s::thread::ObjLocker locker(new int(5), &countingDeleter, nullptr); }
  CHECK(gDeleted == 1);
}

TEST_CASE("boxed 64-bit values order by signed value and hash by their two words") {
  auto small = s::thread::obtain<S64Value>();
  auto large = s::thread::obtain<S64Value>();
  small->setValue(-1);
  large->setValue(0x100000000LL);
  CHECK(small->compare(large.get()) == -1);
  CHECK(large->compare(small.get()) == 1);
  large->setValue(-1);
  CHECK(small->equals(large.get()));
  large->setValue(0x0000000500000003LL);
  CHECK(large->hash() == (5 ^ 3));
  CHECK(std::u16string(large->className()) == u"s_number_S64Value");
}
