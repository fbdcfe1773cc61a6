#pragma once

#include <cstdint>

#include "s/base/IObject.h"
#include "s/base/Owned.h"
#include "s/col/_array/NumberArray.h"
#include "s/str/strarray/StrArray.h"
#include "s/str/strbuffer/StrBuffer.h"
#include "s/thread/IPoolable.h"

namespace s::lang {

// The texts of one language: entry ids and, at the same index, the text of each.
class LangPack final : public s::base::IObject, public s::thread::IPoolable {
 public:
  using StrBuffer = s::str::strbuffer::StrBuffer;

  LangPack();
  ~LangPack() override;
  LangPack(const LangPack&) = delete;
  LangPack& operator=(const LangPack&) = delete;

  const char16_t* className() const override { return u"s_lang_LangPack"; }
  s::base::IObject* newInstance() const override;
  void release() override;
  // Empties the names, the ids and the texts; the name buffers stay with the pack.
  void reset() override;

  // The language's element name inside entries ("eng").
  StrBuffer& tagName() { return *tagName_; }
  const StrBuffer& tagName() const { return *tagName_; }
  // The English name, matched against system and stored language names ("English").
  StrBuffer& engName() { return *engName_; }
  const StrBuffer& engName() const { return *engName_; }
  // The name in the language itself, the language menu's caption.
  StrBuffer& trueName() { return *trueName_; }
  const StrBuffer& trueName() const { return *trueName_; }

  std::uint32_t textCount() const { return ids_.count(); }
  std::int32_t idAt(std::uint32_t index) const { return ids_.at(index); }
  const StrBuffer& textAt(std::uint32_t index) const { return *texts_.at(index); }
  // Index of the first text filed under id.
  bool findId(std::int32_t id, std::uint32_t* index) const;
  // Whether the most recently added text has this id: the loader's quick question.
  bool lastIdIs(std::int32_t id) const {
    return ids_.count() > 0 && ids_.at(ids_.count() - 1) == id;
  }
  // Files text under id after every text already held.
  void append(std::int32_t id, s::base::Owned<StrBuffer> text);

 private:
  s::base::Owned<StrBuffer> tagName_;
  s::base::Owned<StrBuffer> engName_;
  s::base::Owned<StrBuffer> trueName_;
  s::col::_array::ArrayS32 ids_;
  s::str::strarray::StrArray texts_;
};

}  // namespace s::lang
