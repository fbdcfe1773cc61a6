#pragma once

#include <cstdint>

#include "s/base/IObject.h"
#include "s/col/_array/ArrayP.h"
#include "s/lang/LangPack.h"
#include "s/thread/IPoolable.h"

namespace s::gui::events {
class IEventListener;
}

namespace s::lang {

// The language packs in document order, the current one, and the objects to tell when the
// current one changes. The module functions of Lang.h choose and switch the language.
class Localizer final : public s::base::IObject, public s::thread::IPoolable {
 public:
  using IEventListener = s::gui::events::IEventListener;

  Localizer();
  ~Localizer() override;
  Localizer(const Localizer&) = delete;
  Localizer& operator=(const Localizer&) = delete;

  const char16_t* className() const override { return u"s_lang_Localizer"; }
  s::base::IObject* newInstance() const override;
  void release() override;
  // Gives the packs back, forgets the current pack and every listener.
  void reset() override;

  std::uint32_t packCount() const { return packs_.count(); }
  // No bounds check.
  LangPack* packAt(std::uint32_t index) const {
    return static_cast<LangPack*>(packs_.pointerAt(index));
  }
  // Position of pack in the list; false when the pack is not one of ours.
  bool indexOfPack(const LangPack* pack, std::uint32_t* index) const;
  // Takes ownership of the pack.
  void appendPack(LangPack* pack) { packs_.appendPointer(pack); }
  // Gives every pack back; the current pack is forgotten with them.
  void clearPacks();

  // The current pack, null before the first selection.
  LangPack* current() const { return current_; }
  // Makes pack current (it must be one of ours) and, when that changes the current pack,
  // calls every listener's event(this, 0) in registration order.
  void makeCurrent(LangPack* pack);
  // The first selection: nobody has seen a language yet, so nobody is told.
  void setInitialPack(LangPack* pack) { current_ = pack; }

  // Listeners are not owned; each must stay alive while registered.
  void addListener(IEventListener* listener) { listeners_.appendPointer(listener); }
  // For a listener that goes away before the localizer: removes its first registration.
  bool removeListener(IEventListener* listener);
  std::uint32_t listenerCount() const { return listeners_.count(); }

 private:
  s::col::_array::ArrayP packs_;
  LangPack* current_ = nullptr;
  s::col::_array::ArrayP listeners_;
  // While makeCurrent tells the listeners: the position of the one being told.
  bool notifyingNow_ = false;
  std::int64_t notifying_ = 0;
};

}  // namespace s::lang
