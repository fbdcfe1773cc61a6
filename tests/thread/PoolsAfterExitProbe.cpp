// Objects given back to the process-wide pools after those pools closed at process exit must be
// deleted, not kept where nothing will ever free them. The check runs from an exit handler
// registered before any pool exists, so it runs after every pool has closed; it ends the
// process with status 1 when an object was kept.
#include <cstdio>
#include <cstdlib>

#include "s/thread/EasyPooler.h"
#include "s/thread/ProcessExit.h"
#include "s/xml/AttrFactory.h"

namespace {

int gDeleted = 0;

void* createItem() { return new int(0); }
void deleteItem(void* item) {
  ++gDeleted;
  delete static_cast<int*>(item);
}
void resetItem(void*) {}

s::thread::EasyPooler* gPool = nullptr;
void* gItems[3] = {};
void* gRecord = nullptr;

void fail(const char* what) {
  std::fprintf(stderr, "after exit: %s\n", what);
  std::_Exit(1);
}

void giveBackAfterPoolsClosed(void*) {
  const int deletedAtClose = gDeleted;
  if (deletedAtClose != 1) fail("the pool's one free object was not deleted when it closed");
  for (void* item : gItems) gPool->giveBack(item);
  if (gDeleted != deletedAtClose + 3) fail("an object given back to the closed pool was kept");
  if (gPool->freeCount() != 0) fail("the closed pool holds free objects");

  s::xml::AttrFactory& records = s::xml::AttrFactory::instance();
  records.giveBack(gRecord);
  if (records.freeCount() != 0) fail("a record given back to the closed record pool was kept");
  std::fprintf(stderr, "after exit: every object given back was deleted\n");
}

}  // namespace

int main() {
  // Registered first, so it runs last.
  s::thread::atProcessExit(&giveBackAfterPoolsClosed, nullptr);
  gPool = s::thread::EasyPooler::createProcessWide(1000, &createItem, &deleteItem, &resetItem);
  for (void*& item : gItems) item = gPool->take();
  gPool->giveBack(gPool->take());  // one free object, deleted when the pool closes
  gRecord = s::xml::AttrFactory::instance().take();
  s::xml::AttrFactory::instance().giveBack(s::xml::AttrFactory::instance().take());
  return 0;
}
