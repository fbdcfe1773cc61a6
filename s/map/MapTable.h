#pragma once

#include <cstdint>

#include "s/base/IObject.h"
#include "s/col/_array/ArrayP.h"
#include "s/thread/IPoolable.h"
#include "s/thread/ObjLocker.h"

namespace s::base {
class IDestructor;
}

namespace s::map {

// A chained hash table from object keys (hash() and equals()) to values, guarded by its own
// lock. Entries are 16-byte records from the shared record pool; the key and value disposers,
// when set, are called on every key and value the table lets go of.
class MapTable : public s::base::IObject, public s::thread::IPoolable {
 public:
  MapTable();
  ~MapTable() override;
  MapTable(const MapTable&) = delete;
  MapTable& operator=(const MapTable&) = delete;

  const char16_t* className() const override { return u"s_map_MapTable"; }
  s::base::IObject* newInstance() const override;
  void release() override;
  // Clears the table and forgets the disposers.
  void reset() override;

  void setDisposers(s::base::IDestructor* keyDisposer, s::base::IDestructor* valueDisposer) {
    keyDisposer_ = keyDisposer;
    valueDisposer_ = valueDisposer;
  }
  // Stores value under key. An equal key already present keeps its entry: its old value is
  // disposed of and the new key, being a duplicate, too.
  void put(s::base::IObject* key, void* value);
  // The value under key, or null.
  void* get(const s::base::IObject* key);
  // Removes the entry, disposing of its key and value; false when absent.
  bool remove(const s::base::IObject* key);
  std::uint32_t count();
  // Gives every entry back to the record pool, disposing of keys and values.
  void clear();

 private:
  struct Entry;
  Entry** bucketFor(const s::base::IObject* key);
  void releaseEntries(bool toPool);

  s::thread::ObjLocker locker_;
  s::col::_array::ArrayP buckets_;
  std::uint32_t count_ = 0;
  s::base::IDestructor* keyDisposer_ = nullptr;
  s::base::IDestructor* valueDisposer_ = nullptr;
};

// The pooled map object built on the table.
class Map final : public MapTable {
 public:
  const char16_t* className() const override { return u"s_map_Map"; }
  s::base::IObject* newInstance() const override;
  void release() override;
};

}  // namespace s::map
