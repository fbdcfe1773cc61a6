#pragma once

namespace s::base {

class IComparator;

// Ordering and hashing shared by every library object. Without a comparator, objects compare
// by identity (address order).
class IComparable {
 public:
  virtual ~IComparable() = default;

  virtual int compare(const IComparable* other, const IComparator* comparator = nullptr) const;
  virtual int compareIgnoreCase(const IComparable* other,
                                const IComparator* comparator = nullptr) const;
  virtual bool equals(const IComparable* other, const IComparator* comparator = nullptr) const;
  virtual bool equalsIgnoreCase(const IComparable* other,
                                const IComparator* comparator = nullptr) const;
  // The same value for every object of one concrete class unless the class overrides it.
  virtual int hash() const;
  virtual int hashIgnoreCase() const;

 protected:
  IComparable() = default;
  IComparable(const IComparable&) = default;
  IComparable& operator=(const IComparable&) = default;
};

}  // namespace s::base
