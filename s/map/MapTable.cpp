#include "s/map/MapTable.h"

#include <cstdlib>

#include "s/base/IDestructor.h"
#include "s/thread/Pool.h"
#include "s/thread/RawRecordPool.h"

namespace s::map {

// Four words: one of the entry's own (its hash), key, value, next.
struct MapTable::Entry {
  std::uintptr_t hash;
  s::base::IObject* key;
  void* value;
  Entry* next;
};

namespace {
constexpr std::uint32_t kBucketCount = 64;
}

MapTable::MapTable() {
  buckets_.setCount(kBucketCount);
  for (std::uint32_t i = 0; i < kBucketCount; ++i) buckets_.setPointerAt(i, nullptr);
}

MapTable::~MapTable() { releaseEntries(false); }

s::base::IObject* MapTable::newInstance() const { return s::thread::takeFromPool<MapTable>(); }

void MapTable::release() { s::thread::giveBackToPool(this); }

void MapTable::reset() {
  clear();
  keyDisposer_ = nullptr;
  valueDisposer_ = nullptr;
}

MapTable::Entry** MapTable::bucketFor(const s::base::IObject* key) {
  auto hash = static_cast<std::uint32_t>(key->hash());
  return reinterpret_cast<Entry**>(buckets_.elementAt(hash % kBucketCount));
}

void MapTable::put(s::base::IObject* key, void* value) {
  s::thread::LockGuard guard(locker_.lock());
  Entry** bucket = bucketFor(key);
  for (Entry* e = *bucket; e != nullptr; e = e->next) {
    if (e->key->equals(key)) {
      if (valueDisposer_ != nullptr && e->value != value) valueDisposer_->dispose(&e->value);
      e->value = value;
      if (keyDisposer_ != nullptr && key != e->key) {
        void* duplicate = key;
        keyDisposer_->dispose(&duplicate);
      }
      return;
    }
  }
  static_assert(sizeof(Entry) <= 16 || sizeof(void*) == 8, "an entry is one 16-byte record");
  auto* entry =
      static_cast<Entry*>(sizeof(Entry) <= 16 ? s::thread::RawRecordPool::records16().take()
                                              : std::calloc(1, sizeof(Entry)));
  entry->hash = static_cast<std::uint32_t>(key->hash());
  entry->key = key;
  entry->value = value;
  entry->next = *bucket;
  *bucket = entry;
  ++count_;
}

void* MapTable::get(const s::base::IObject* key) {
  s::thread::LockGuard guard(locker_.lock());
  for (Entry* e = *bucketFor(key); e != nullptr; e = e->next) {
    if (e->key->equals(key)) return e->value;
  }
  return nullptr;
}

bool MapTable::remove(const s::base::IObject* key) {
  s::thread::LockGuard guard(locker_.lock());
  for (Entry** link = bucketFor(key); *link != nullptr; link = &(*link)->next) {
    Entry* e = *link;
    if (!e->key->equals(key)) continue;
    *link = e->next;
    void* k = e->key;
    if (keyDisposer_ != nullptr) keyDisposer_->dispose(&k);
    if (valueDisposer_ != nullptr) valueDisposer_->dispose(&e->value);
    if (sizeof(Entry) <= 16) {
      s::thread::RawRecordPool::records16().giveBack(e);
    } else {
      std::free(e);
    }
    --count_;
    return true;
  }
  return false;
}

std::uint32_t MapTable::count() {
  s::thread::LockGuard guard(locker_.lock());
  return count_;
}

void MapTable::clear() {
  s::thread::LockGuard guard(locker_.lock());
  releaseEntries(true);
}

void MapTable::releaseEntries(bool toPool) {
  for (std::uint32_t i = 0; i < kBucketCount; ++i) {
    auto* e = static_cast<Entry*>(buckets_.pointerAt(i));
    while (e != nullptr) {
      Entry* next = e->next;
      void* k = e->key;
      if (keyDisposer_ != nullptr) keyDisposer_->dispose(&k);
      if (valueDisposer_ != nullptr) valueDisposer_->dispose(&e->value);
      if (toPool && sizeof(Entry) <= 16) {
        s::thread::RawRecordPool::records16().giveBack(e);
      } else {
        std::free(e);
      }
      e = next;
    }
    buckets_.setPointerAt(i, nullptr);
  }
  count_ = 0;
}

s::base::IObject* Map::newInstance() const { return s::thread::takeFromPool<Map>(); }

void Map::release() { s::thread::giveBackToPool(this); }

}  // namespace s::map
