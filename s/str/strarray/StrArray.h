#pragma once

#include <cstdint>

#include "s/base/IObject.h"
#include "s/base/Owned.h"
#include "s/col/_array/ArrayP.h"
#include "s/thread/IPoolable.h"

namespace s::str::strbuffer {
class StrBuffer;
}

namespace s::str::strarray {

// A list of texts that owns them: clearing it gives every text back to the text pool.
class StrArray final : public s::base::IObject, public s::thread::IPoolable {
 public:
  using StrBuffer = s::str::strbuffer::StrBuffer;

  StrArray();
  ~StrArray() override;
  StrArray(const StrArray&) = delete;
  StrArray& operator=(const StrArray&) = delete;

  const char16_t* className() const override { return u"s_str_strarray_StrArray"; }
  s::base::IObject* newInstance() const override;
  void release() override;
  void reset() override;

  std::uint32_t count() const { return parts_.count(); }
  StrBuffer* at(std::uint32_t index) const {
    return static_cast<StrBuffer*>(parts_.pointerAt(index));
  }
  // Takes ownership of text.
  void add(s::base::Owned<StrBuffer> text);
  // Gives the last text back to its pool.
  void removeLast();
  void clear() { parts_.clear(); }
  s::col::_array::ArrayP& array() { return parts_; }

 private:
  s::col::_array::ArrayP parts_;
};

}  // namespace s::str::strarray
