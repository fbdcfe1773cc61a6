// Two threads making the first registry queries of the process at the same moment: the shared
// buffers behind value queries and both enumerations are made on first use, so this is a
// process of its own. Under ThreadSanitizer any unguarded making of them shows; under
// AddressSanitizer a buffer made twice leaks.
#include <doctest/doctest.h>

#include <atomic>
#include <set>
#include <string>
#include <thread>

#include "s/reg/RegDir.h"
#include "s/reg/host/MemoryRegistry.h"
#include "s/str/strarray/StrArray.h"

using s::base::Owned;
using s::reg::OpenRegDir;
using s::reg::win::RegDir;

namespace {

constexpr const char16_t* kKey = u"SOFTWARE\\VexoTest\\race";

struct Seen {
  std::u16string text;
  std::set<std::u16string> keys;
  std::set<std::u16string> values;
};

void firstQueries(std::atomic<int>* ready, Seen* seen) {
  Owned<RegDir> key = OpenRegDir(s::reg::kHkeyLocalMachine, kKey);
  ready->fetch_add(1);
  while (ready->load() < 2) {
  }
  seen->text = key->getString(u"text", u"none", nullptr, false);
  Owned<s::col::_array::ArrayP> keys = key->subKeys();
  for (std::uint32_t i = 0; i < keys->count(); ++i) {
    seen->keys.insert(static_cast<RegDir*>(keys->pointerAt(i))->name()->text());
  }
  Owned<s::str::strarray::StrArray> names = key->valueNames();
  for (std::uint32_t i = 0; i < names->count(); ++i) seen->values.insert(names->at(i)->text());
}

}  // namespace

TEST_CASE("two threads making the process's first queries at once both get their answers") {
  s::reg::host::MemoryRegistry::instance().clear();
  {
    // Writes and creations use none of the shared buffers.
    Owned<RegDir> key = OpenRegDir(s::reg::kHkeyLocalMachine, kKey);
    REQUIRE(key->setString(u"text", u"answer") == s::reg::NtStatus::kSuccess);
    REQUIRE(key->setInt32(u"number", 1) == s::reg::NtStatus::kSuccess);
    for (const char16_t* below : {u"SOFTWARE\\VexoTest\\race\\a", u"SOFTWARE\\VexoTest\\race\\b"}) {
      REQUIRE(OpenRegDir(s::reg::kHkeyLocalMachine, below)->create() == s::reg::NtStatus::kSuccess);
    }
  }
  std::atomic<int> ready{0};
  Seen first, second;
  std::thread one(&firstQueries, &ready, &first);
  std::thread two(&firstQueries, &ready, &second);
  one.join();
  two.join();
  for (const Seen* seen : {&first, &second}) {
    CHECK(seen->text == u"answer");
    CHECK(seen->keys == std::set<std::u16string>{u"a", u"b"});
    CHECK(seen->values == std::set<std::u16string>{u"text", u"number"});
  }
  CHECK(RegDir::queryBufferSize() == RegDir::kInitialQueryBufferSize);
  s::reg::host::MemoryRegistry::instance().clear();
}
