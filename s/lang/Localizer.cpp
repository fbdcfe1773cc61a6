#include "s/lang/Localizer.h"

#include "s/gui/events/IEventListener.h"
#include "s/thread/Pool.h"

namespace s::lang {

Localizer::Localizer() { packs_.setElementReleaser(&s::thread::poolOf<LangPack>()); }

Localizer::~Localizer() { current_ = nullptr; }

s::base::IObject* Localizer::newInstance() const { return s::thread::takeFromPool<Localizer>(); }

void Localizer::release() { s::thread::giveBackToPool(this); }

void Localizer::reset() {
  clearPacks();
  listeners_.clear();
}

bool Localizer::indexOfPack(const LangPack* pack, std::uint32_t* index) const {
  for (std::uint32_t i = 0; i < packs_.count(); ++i) {
    if (packs_.pointerAt(i) == pack) {
      *index = i;
      return true;
    }
  }
  return false;
}

void Localizer::clearPacks() {
  current_ = nullptr;
  if (packs_.count() > 0) packs_.clear();
}

void Localizer::makeCurrent(LangPack* pack) {
  if (pack == current_) return;
  current_ = pack;
  // By index, re-reading the count: a listener may register another, or remove itself or
  // another, while being told (removeListener moves the index back past a removal).
  notifyingNow_ = true;
  for (notifying_ = 0; notifying_ < static_cast<std::int64_t>(listeners_.count()); ++notifying_) {
    auto index = static_cast<std::uint32_t>(notifying_);
    static_cast<IEventListener*>(listeners_.pointerAt(index))->event(this, 0);
  }
  notifyingNow_ = false;
}

bool Localizer::removeListener(IEventListener* listener) {
  for (std::uint32_t i = 0; i < listeners_.count(); ++i) {
    if (listeners_.pointerAt(i) == listener) {
      listeners_.removeAt(i);
      if (notifyingNow_ && i <= notifying_) --notifying_;
      return true;
    }
  }
  return false;
}

}  // namespace s::lang
