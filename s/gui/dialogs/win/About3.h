#pragma once

#include <atomic>
#include <cstdint>

#include "s/base/IObject.h"
#include "s/base/Owned.h"
#include "s/col/_array/ArrayP.h"
#include "s/gui/events/IEventListener.h"
#include "s/thread/IPoolable.h"

namespace s::app::win {
class AppWindow;
}
namespace s::gui {
class IComponent;
}
namespace s::gui::win {
class Box;
class Button;
class Image;
class Label;
class Window;
}  // namespace s::gui::win
namespace s::image::win {
class BufferedImage;
}
namespace s::lang {
class Localizer;
}

namespace s::gui::dialogs {

// The version-information window: the banner, the program's icon and name, version, date,
// licence, the maker's address and the donation box, in a frameless window drawn by the
// binding's own skin. Every show builds a new window over its owner, which stays disabled until
// the window closes.
class About3 final : public s::gui::events::IEventListener,
                     public s::base::IObject,
                     public s::thread::IPoolable {
 public:
  // Opens an address (a web page); the default hands it to the shell with the verb "open".
  using PageOpener = void (*)(const char16_t* address);

  // Language entries.
  static constexpr std::int32_t kTitleEntry = 400100;
  static constexpr std::int32_t kVersionCaptionEntry = 400010;
  static constexpr std::int32_t kUpdatedCaptionEntry = 400020;
  static constexpr std::int32_t kLicenceCaptionEntry = 400050;
  static constexpr std::int32_t kAddressCaptionEntry = 400080;
  static constexpr std::int32_t kCloseEntry = 400120;
  static constexpr std::int32_t kAddressEntry = 101000;
  // Product entries follow the application's title entry.
  static constexpr std::int32_t kVersionOffset = 10;
  static constexpr std::int32_t kUpdatedOffset = 20;
  static constexpr std::int32_t kLicenceOffset = 50;
  static constexpr std::int32_t kQuestionOffset = 89;
  static constexpr std::int32_t kDonationOffset = 90;
  static constexpr std::int32_t kDonationAddressOffset = 100;
  static constexpr std::int32_t kDefaultTitleEntry = 500000;

  About3();
  ~About3() override;
  About3(const About3&) = delete;
  About3& operator=(const About3&) = delete;

  const char16_t* className() const override { return u"s_gui_dialogs_About3"; }
  s::base::IObject* newInstance() const override;
  void release() override;
  // Gives the window back (enabling an owner it left disabled) and forgets the binding.
  void reset() override;

  // The About window's binding: its application gives the texts, the banner and the icon, its
  // skin the drawers. Not owned; it must outlive this object's windows.
  void bind(s::app::win::AppWindow* binding);
  s::app::win::AppWindow* binding() const { return binding_; }
  // For tests: where addresses go instead of the shell. Null: the shell again.
  void setPageOpener(PageOpener opener) { opener_ = opener; }

  // Gives back the window of the last show, builds and shows a new one and disables owner
  // until it closes. Returns once the window shows.
  void show(s::gui::IComponent* owner);

  // The window closing, the two links, and the skin changing its scheme.
  void event(s::base::IObject* source, std::int32_t code) override;

  // The window of the last show and some of its components, for tests that look inside; null
  // before the first show.
  s::gui::win::Window* window() const { return window_.get(); }
  s::gui::win::Button* closeBox() const { return closeBox_; }
  s::gui::win::Button* closeButton() const { return closeButton_; }
  s::gui::win::Label* webLink() const { return webLink_; }
  s::gui::win::Label* donationLink() const { return donationLink_; }
  s::gui::win::Image* banner() const { return banner_; }
  s::gui::win::Box* body() const { return body_; }
  s::gui::win::Label* titleLabel() const { return titleLabel_; }
  s::gui::win::Image* icon() const { return icon_; }
  s::gui::win::Label* nameLabel() const { return nameLabel_; }
  // Null when the edition asks for no donation.
  s::gui::win::Label* questionLabel() const { return questionLabel_; }

 private:
  // Gives the window back; an owner that it left disabled is enabled again.
  void releaseWindow();
  void build();
  // Lays the tree out and grows the window to what it holds.
  void layOut();
  s::gui::win::Box* buildTitleBar(s::gui::win::Box& root);
  void buildBody(s::gui::win::Box& body);
  void buildInformation(s::gui::win::Box& body);
  void buildDonation(s::gui::win::Box& body);
  // The skin's drawers for every control that has one.
  void applyDrawers();
  // A label of a language entry with the skin's text drawer.
  s::gui::win::Label* addLabel(s::gui::win::Box& box, std::int32_t entry, std::int32_t sizeCode);
  void openPage(const char16_t* address) const;
  std::int32_t titleEntry() const;

  s::gui::IComponent* owner_ = nullptr;
  s::app::win::AppWindow* binding_ = nullptr;
  s::lang::Localizer* localizer_ = nullptr;
  PageOpener opener_ = nullptr;
  // The banner as a picture, made on the first show and lent to every window's image.
  s::base::Owned<s::image::win::BufferedImage> bannerPicture_;
  s::base::Owned<s::image::win::BufferedImage> iconPicture_;
  s::base::Owned<s::gui::win::Window> window_;
  // Owned by the window's component tree.
  s::gui::win::Label* titleLabel_ = nullptr;
  s::gui::win::Button* closeBox_ = nullptr;
  s::gui::win::Button* closeButton_ = nullptr;
  s::gui::win::Label* webLink_ = nullptr;
  s::gui::win::Label* donationLink_ = nullptr;
  s::gui::win::Image* banner_ = nullptr;
  s::gui::win::Box* body_ = nullptr;
  s::gui::win::Image* icon_ = nullptr;
  s::gui::win::Label* nameLabel_ = nullptr;
  s::gui::win::Label* questionLabel_ = nullptr;
  // Every label of the window, drawn by the skin's text drawer.
  s::col::_array::ArrayP labels_;
  // Set by a show once the owner is disabled, cleared once it is enabled again.
  std::atomic<bool> ownerDisabled_{false};
  // Set by the close of the last show's window (on its thread).
  std::atomic<bool> closeSeen_{false};
};

}  // namespace s::gui::dialogs
