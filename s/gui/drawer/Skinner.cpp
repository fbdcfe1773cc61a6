#include "s/gui/drawer/Skinner.h"

#include <utility>

#include "s/gui/drawer/skin/Thin.h"
#include "s/gui/drawer/skin/ThinWindow.h"
#include "s/gui/events/IEventListener.h"
#include "s/thread/Pool.h"

namespace s::gui::drawer {

namespace {

constexpr char16_t kBasic[] = u"Basic";
constexpr char16_t kThin[] = u"Thin";
constexpr char16_t kThinWindow[] = u"ThinWindow";

bool sameText(const char16_t* a, const char16_t* b) {
  while (*a != 0 && *a == *b) {
    ++a;
    ++b;
  }
  return *a == *b;
}

}  // namespace

Skinner::Skinner()
    : kind_(s::str::strbuffer::newStr(kBasic)),
      names_(s::thread::obtain<s::str::strarray::StrArray>()) {}

s::base::Owned<Skinner> Skinner::createThinWindow() { return create(kThinWindow); }

s::base::Owned<Skinner> Skinner::create(const char16_t* kind) {
  s::base::Owned<Skinner> skin = s::thread::obtain<Skinner>();
  skin->setKind(kind);
  skin->loadSchemes();
  return skin;
}

s::base::IObject* Skinner::newInstance() const { return s::thread::takeFromPool<Skinner>(); }

void Skinner::release() { s::thread::giveBackToPool(this); }

void Skinner::reset() {
  current_ = nullptr;
  schemes_.clear();
  names_->clear();
  listeners_.clear();
  kind_->setText(kBasic);
}

void Skinner::loadSchemes() {
  const char16_t* kind = kind_->text();
  if (sameText(kind, kThinWindow)) {
    for (std::int32_t code = 0; code < skin::ThinWindow::schemeCount(); ++code) {
      addScheme(skin::ThinWindow::createScheme(code));
    }
  } else if (sameText(kind, kThin)) {
    for (std::int32_t code = 0; code < skin::Thin::schemeCount(); ++code) {
      addScheme(skin::Thin::createScheme(code));
    }
  }
}

void Skinner::addScheme(s::base::Owned<ISkin> scheme) {
  if (!scheme) return;
  names_->add(scheme->name().clone());
  schemes_.push_back(std::move(scheme));
}

bool Skinner::findScheme(const char16_t* name, std::int32_t* index) const {
  const char16_t* wanted = name != nullptr ? name : u"";
  for (std::uint32_t i = 0; i < names_->count(); ++i) {
    if (sameText(names_->at(i)->text(), wanted)) {
      *index = static_cast<std::int32_t>(i);
      return true;
    }
  }
  *index = -1;
  return false;
}

void Skinner::selectScheme(const char16_t* name) {
  if (schemes_.empty()) return;
  std::int32_t index;
  if (!findScheme(name, &index)) index = 0;
  ISkin* chosen = schemes_[static_cast<std::size_t>(index)].get();
  if (chosen == current_) return;
  current_ = chosen;
  notifyListeners();
}

void Skinner::notifyListeners() {
  // A listener may register another while being told; those added now hear the next change.
  const std::uint32_t count = listeners_.count();
  for (std::uint32_t i = 0; i < count && i < listeners_.count(); ++i) {
    static_cast<s::gui::events::IEventListener*>(listeners_.pointerAt(i))->event(this, 0);
  }
}

void Skinner::addListener(s::gui::events::IEventListener* listener) {
  if (listener != nullptr) listeners_.appendPointer(listener);
}

void Skinner::removeListener(s::gui::events::IEventListener* listener) {
  for (std::uint32_t i = 0; i < listeners_.count(); ++i) {
    if (listeners_.pointerAt(i) == listener) {
      listeners_.removeAt(i);
      return;
    }
  }
}

}  // namespace s::gui::drawer
