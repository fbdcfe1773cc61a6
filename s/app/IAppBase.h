#pragma once

#include <cstdint>

#include "s/base/IObject.h"
#include "s/thread/IPoolable.h"

namespace s::archive::icon {
class Archive;
}
namespace s::gui::drawer {
class Skinner;
}
namespace s::lang {
class Localizer;
}
namespace s::map {
class IMappedData;
}

namespace s::app {

// The application object as the windows of a program see it: identity, texts, settings and the
// application-wide skin.
class IAppBase : public s::base::IObject, public s::thread::IPoolable {
 public:
  // Whether the edition word is "Freeware".
  virtual bool isFreeware() const = 0;
  virtual const char16_t* editionWord() const = 0;
  // The language entry of the product's display name.
  virtual std::int32_t titleEntry() const = 0;
  // The program icon at 16, 32 and 64 pixels; null when it could not be loaded.
  virtual const s::archive::icon::Archive* iconSet() const = 0;
  // Null before initialisation.
  virtual s::lang::Localizer* localizer() const = 0;
  // Null before initialisation.
  virtual s::map::IMappedData* settingsStore() const = 0;
  // Writes the store out and remembers that it has been.
  virtual void flushStore() = 0;
  virtual bool hasSkin() const = 0;
  // The application-wide skin; null when there is none.
  virtual s::gui::drawer::Skinner* skin() const = 0;

  // The stored "Language" (the current pack's English name when none is stored).
  virtual const char16_t* getLanguage() = 0;
  virtual void setLanguage(const char16_t* engName) = 0;
  // The stored "Skin" when the skin has a colour scheme of that name, else the default skin
  // name.
  virtual const char16_t* getSkin() = 0;
  virtual void setSkin(const char16_t* schemeName) = 0;
};

}  // namespace s::app
