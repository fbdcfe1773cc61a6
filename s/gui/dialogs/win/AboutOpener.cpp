#include "s/gui/dialogs/win/AboutOpener.h"

#include "s/app/AppWindow.h"
#include "s/app/IAppBase.h"
#include "s/gui/drawer/Skinner.h"
#include "s/thread/Pool.h"

namespace s::gui::dialogs {

AboutOpener::AboutOpener() = default;

AboutOpener::~AboutOpener() { release(); }

void AboutOpener::open(s::app::IAppBase* application, s::gui::IComponent* owner) {
  if (!about_) {
    if (application == nullptr) return;
    skin_ = s::gui::drawer::Skinner::createThinWindow();
    // Binding applies the stored scheme name (or "Classic LG") to the skin.
    binding_ = s::app::win::createAppWindow(application, kWindowName, application->editionWord(),
                                            kWidth, kHeight, skin_.get(), kStyleName);
    about_ = s::thread::obtain<About3>();
    about_->bind(binding_.get());
    about_->setPageOpener(opener_);
  }
  about_->show(owner);
}

void AboutOpener::release() {
  about_.reset();
  binding_.reset();
  skin_.reset();
}

void AboutOpener::setPageOpener(About3::PageOpener opener) {
  opener_ = opener;
  if (about_) about_->setPageOpener(opener);
}

}  // namespace s::gui::dialogs
