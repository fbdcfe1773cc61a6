#include "s/lang/LangPack.h"

#include <utility>

#include "s/thread/Pool.h"

namespace s::lang {

using s::str::strbuffer::newStr;

LangPack::LangPack() : tagName_(newStr()), engName_(newStr()), trueName_(newStr()) {}

LangPack::~LangPack() = default;

s::base::IObject* LangPack::newInstance() const { return s::thread::takeFromPool<LangPack>(); }

void LangPack::release() { s::thread::giveBackToPool(this); }

void LangPack::reset() {
  tagName_->clear();
  engName_->clear();
  trueName_->clear();
  ids_.free();
  texts_.clear();
}

bool LangPack::findId(std::int32_t id, std::uint32_t* index) const {
  return s::col::_array::arrayIndexOf(id, ids_, index);
}

void LangPack::append(std::int32_t id, s::base::Owned<StrBuffer> text) {
  ids_.add(id);
  texts_.add(std::move(text));
}

}  // namespace s::lang
