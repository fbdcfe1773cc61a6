#pragma once

#include <cstdint>

#include "s/base/IObject.h"
#include "s/thread/IPoolable.h"

namespace s::lang {
class Localizer;
}

namespace s::app {

class IAppBase;

// The binding of one top-level window to its persisted settings: its name, its texts and the
// values of its sections in the application's settings store.
class IAppWindow : public s::base::IObject, public s::thread::IPoolable {
 public:
  virtual IAppBase* application() const = 0;
  virtual const char16_t* windowName() const = 0;
  // The window name, a backslash and sub ("MainWindow\View"); valid until the next call.
  virtual const char16_t* sectionPath(const char16_t* sub) = 0;
  virtual std::int32_t titleEntry() const = 0;
  // The override when one is set, else the application's.
  virtual s::lang::Localizer* localizer() const = 0;
  virtual bool hasOwnSkin() const = 0;
  virtual const char16_t* styleName() const = 0;
  virtual void setStyleName(const char16_t* name) = 0;

  // Whether both X and Y are stored.
  virtual bool hasStoredPosition() = 0;
  virtual void saveBounds(std::int32_t x, std::int32_t y, std::int32_t width,
                          std::int32_t height) = 0;
  virtual void saveSize(std::int32_t width, std::int32_t height) = 0;
  virtual void deleteBounds() = 0;
  virtual bool hasX() = 0;
  virtual std::int32_t getX() = 0;
  virtual void setX(std::int32_t x) = 0;
  virtual bool hasY() = 0;
  virtual std::int32_t getY() = 0;
  virtual void setY(std::int32_t y) = 0;
  virtual bool hasWidth() = 0;
  virtual std::int32_t getWidth() = 0;
  virtual void setWidth(std::int32_t width) = 0;
  // The stored width is at least 10 and no wider than the virtual screen.
  virtual bool isWidthValid() = 0;
  virtual bool hasHeight() = 0;
  virtual std::int32_t getHeight() = 0;
  virtual void setHeight(std::int32_t height) = 0;
  virtual bool isHeightValid() = 0;

  virtual bool getEasyDrag() = 0;
  virtual void setEasyDrag(bool on) = 0;
  virtual bool getMaximized() = 0;
  virtual void setMaximized(bool on) = 0;
  virtual bool getKeepOnTop() = 0;
  virtual void setKeepOnTop(bool on) = 0;
  virtual bool onMClickIsClose() const = 0;
  virtual bool onMClickIsIconize() const = 0;
  // "DoNothing", "Iconize" or "Close".
  virtual const char16_t* getOnMClick() const = 0;
  // Stores the action word the text normalises to.
  virtual void setOnMClick(const char16_t* action) = 0;
};

}  // namespace s::app
