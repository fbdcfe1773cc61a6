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
  // By index, re-reading the count: a listener may register another while being told.
  for (std::uint32_t i = 0; i < listeners_.count(); ++i) {
    static_cast<IEventListener*>(listeners_.pointerAt(i))->event(this, 0);
  }
}

bool Localizer::removeListener(IEventListener* listener) {
  for (std::uint32_t i = 0; i < listeners_.count(); ++i) {
    if (listeners_.pointerAt(i) == listener) {
      listeners_.removeAt(i);
      return true;
    }
  }
  return false;
}

}  // namespace s::lang
