#pragma once

#include "s/base/Owned.h"
#include "s/gui/dialogs/win/About3.h"

namespace s::app {
class IAppBase;
}
namespace s::app::win {
class AppWindow;
}
namespace s::gui::drawer {
class Skinner;
}

namespace s::gui::dialogs {

// What a window keeps to open the About window: the "ThinWindow" skin, the "AboutWindow"
// binding and the About3 bound to it, made on the first opening and kept until released.
class AboutOpener {
 public:
  static constexpr const char16_t* kWindowName = u"AboutWindow";
  static constexpr const char16_t* kStyleName = u"Classic LG";
  static constexpr int kWidth = 340;
  static constexpr int kHeight = 285;

  AboutOpener();
  ~AboutOpener();
  AboutOpener(const AboutOpener&) = delete;
  AboutOpener& operator=(const AboutOpener&) = delete;

  // Shows a new About window over owner; the first call makes the skin, the binding and the
  // About3 for application. Returns once the window shows.
  void open(s::app::IAppBase* application, s::gui::IComponent* owner);
  // Gives back the About3 (and its window), then the binding, then the skin.
  void release();

  // For tests: where the About window's addresses go instead of the shell.
  void setPageOpener(About3::PageOpener opener);

  About3* about() const { return about_.get(); }
  s::app::win::AppWindow* binding() const { return binding_.get(); }
  s::gui::drawer::Skinner* skin() const { return skin_.get(); }

 private:
  // Declared in the order of making: each is given back before what it uses.
  s::base::Owned<s::gui::drawer::Skinner> skin_;
  s::base::Owned<s::app::win::AppWindow> binding_;
  s::base::Owned<About3> about_;
  About3::PageOpener opener_ = nullptr;
};

}  // namespace s::gui::dialogs
