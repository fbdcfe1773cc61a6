#pragma once

#include <cstdint>
#include <vector>

#include "s/base/IObject.h"
#include "s/base/Owned.h"
#include "s/col/_array/ArrayP.h"
#include "s/gui/drawer/ISkin.h"
#include "s/str/strarray/StrArray.h"
#include "s/str/strbuffer/StrBuffer.h"
#include "s/thread/IPoolable.h"

namespace s::gui::events {
class IEventListener;
}

namespace s::gui::drawer {

// A skin: a named list of colour schemes of one kind, one of them current, and the components
// to tell when the current one changes.
class Skinner final : public s::base::IObject, public s::thread::IPoolable {
 public:
  Skinner();
  Skinner(const Skinner&) = delete;
  Skinner& operator=(const Skinner&) = delete;

  // A skin of kind "ThinWindow" with its sixteen schemes and none current.
  static s::base::Owned<Skinner> createThinWindow();
  // A skin of the kind with that kind's schemes ("Thin", "ThinWindow"; other kinds have none).
  static s::base::Owned<Skinner> create(const char16_t* kind);

  const char16_t* className() const override { return u"s_gui_drawer_Skinner"; }
  s::base::IObject* newInstance() const override;
  void release() override;
  // Every scheme given back, no names, none current, no listeners, kind "Basic".
  void reset() override;

  const s::str::strbuffer::StrBuffer& kind() const { return *kind_; }
  void setKind(const char16_t* kind) { kind_->setText(kind); }
  // Appends the schemes of the skin's kind.
  void loadSchemes();
  // Takes the scheme and a copy of its name; null is ignored.
  void addScheme(s::base::Owned<ISkin> scheme);
  // The first scheme whose name equals name exactly; -1 and false when none does.
  bool findScheme(const char16_t* name, std::int32_t* index) const;
  // Makes the named scheme current, or the first one when no name matches, and tells the
  // listeners when that changed which one is current. Nothing happens without schemes.
  void selectScheme(const char16_t* name);
  // Calls event(this, 0) on every listener in the order they were added.
  void notifyListeners();
  // Null until a scheme is selected.
  ISkin* currentScheme() const { return current_; }

  std::uint32_t schemeCount() const { return static_cast<std::uint32_t>(schemes_.size()); }
  ISkin* schemeAt(std::uint32_t index) const { return schemes_[index].get(); }
  const s::str::strbuffer::StrBuffer& schemeNameAt(std::uint32_t index) const {
    return *names_->at(index);
  }
  // Not owned; stays registered until removed or the skin is reset.
  void addListener(s::gui::events::IEventListener* listener);
  // Forgets the first registration of listener, if any.
  void removeListener(s::gui::events::IEventListener* listener);
  std::uint32_t listenerCount() const { return listeners_.count(); }

 private:
  s::base::Owned<s::str::strbuffer::StrBuffer> kind_;
  std::vector<s::base::Owned<ISkin>> schemes_;
  s::base::Owned<s::str::strarray::StrArray> names_;
  ISkin* current_ = nullptr;
  s::col::_array::ArrayP listeners_;
};

}  // namespace s::gui::drawer
