#include "s/app/AppWindow.h"

#include "s/app/IAppBase.h"
#include "s/app/Identification.h"
#include "s/app/SkinAccess.h"
#include "s/gui/MiddleClickAction.h"
#include "s/gui/VirtualScreen.h"
#include "s/gui/WindowPlacement.h"
#include "s/lang/Lang.h"
#include "s/map/IMappedData.h"
#include "s/thread/Pool.h"

namespace s::app::win {

using s::gui::kActionClose;
using s::gui::kActionIconize;
using s::gui::normalizeMiddleClickAction;
using s::str::strbuffer::newStr;

namespace {
constexpr const char16_t* kView = u"View";
constexpr const char16_t* kSkin = u"Skin";
}  // namespace

AppWindow::AppWindow()
    : pathBuffer_(newStr()),
      windowName_(newStr()),
      editionWord_(newStr(kEditionFreeware)),
      titleEntry_(kTitleEntry),
      styleName_(newStr()),
      defaultAction_(kActionClose),
      action_(kActionClose) {}

AppWindow::~AppWindow() = default;

s::base::IObject* AppWindow::newInstance() const { return s::thread::takeFromPool<AppWindow>(); }

void AppWindow::release() { s::thread::giveBackToPool(this); }

void AppWindow::reset() {
  pathBuffer_->clear();
  application_ = nullptr;
  windowName_->clear();
  editionWord_->setText(kEditionFreeware);
  titleEntry_ = kTitleEntry;
  localizerOverride_ = nullptr;
  skin_ = nullptr;
  ownSkin_ = false;
  styleName_->clear();
  defaultWidth_ = 0;
  defaultHeight_ = 0;
  defaultEasyDrag_ = true;
  defaultMaximized_ = false;
  defaultKeepOnTop_ = true;
  defaultAction_ = kActionClose;
  action_ = kActionClose;
}

const char16_t* AppWindow::sectionPath(const char16_t* sub) {
  pathBuffer_->setStr(*windowName_).appendChar(u'\\').appendText(sub);
  return pathBuffer_->text();
}

s::lang::Localizer* AppWindow::localizer() const {
  if (localizerOverride_ != nullptr) return localizerOverride_;
  return application_ != nullptr ? application_->localizer() : nullptr;
}

s::map::IMappedData* AppWindow::store() const {
  return application_ != nullptr ? application_->settingsStore() : nullptr;
}

void AppWindow::setStyleName(const char16_t* name) {
  styleName_->setText(name != nullptr ? name : u"");
  if (ownSkin_ && store() != nullptr) store()->setString(sectionPath(kSkin), u"", styleName());
}

bool AppWindow::hasView(const char16_t* name) {
  return store() != nullptr && store()->hasValue(sectionPath(kView), name);
}

std::int32_t AppWindow::getView(const char16_t* name, std::int32_t defaultValue) {
  return store() != nullptr ? store()->getInt32(sectionPath(kView), name, defaultValue)
                            : defaultValue;
}

void AppWindow::setView(const char16_t* name, std::int32_t value) {
  if (store() != nullptr) store()->setInt32(sectionPath(kView), name, value);
}

bool AppWindow::getViewFlag(const char16_t* name, bool defaultValue) {
  return store() != nullptr ? store()->getBool(sectionPath(kView), name, defaultValue)
                            : defaultValue;
}

void AppWindow::setViewFlag(const char16_t* name, bool on) {
  if (store() != nullptr) store()->setBool(sectionPath(kView), name, on);
}

bool AppWindow::hasStoredPosition() { return hasX() && hasY(); }

void AppWindow::saveBounds(std::int32_t x, std::int32_t y, std::int32_t width,
                           std::int32_t height) {
  setX(x);
  setY(y);
  saveSize(width, height);
}

void AppWindow::saveSize(std::int32_t width, std::int32_t height) {
  setWidth(width);
  setHeight(height);
}

void AppWindow::deleteBounds() {
  if (store() == nullptr) return;
  for (const char16_t* name : {u"X", u"Y", u"Width", u"Height"}) {
    store()->deleteValue(sectionPath(kView), name);
  }
}

bool AppWindow::isWidthValid() {
  return s::gui::isStoredExtentValid(getWidth(), s::gui::virtualScreen().width);
}

bool AppWindow::isHeightValid() {
  return s::gui::isStoredExtentValid(getHeight(), s::gui::virtualScreen().height);
}

bool AppWindow::onMClickIsClose() const { return action_ == kActionClose; }

bool AppWindow::onMClickIsIconize() const { return action_ == kActionIconize; }

void AppWindow::setOnMClick(const char16_t* action) {
  action_ = normalizeMiddleClickAction(action);
  if (store() != nullptr) store()->setString(sectionPath(kView), u"OnMClick", action_);
}

void AppWindow::bind(const char16_t* editionWord, IAppBase* application, const char16_t* windowName,
                     std::int32_t width, std::int32_t height, const char16_t* defaultAction,
                     Skinner* skin, const char16_t* styleName) {
  windowName_->setText(windowName != nullptr ? windowName : u"");
  application_ = application;
  editionWord_->setText(editionWord != nullptr ? editionWord : kEditionFreeware);
  titleEntry_ = kTitleEntry;

  skin_ = skin;
  ownSkin_ = skin != nullptr && (application == nullptr || skin != application->skin());
  if (!ownSkin_) {
    styleName_->setText(currentSchemeName(skin));
  } else if (styleName != nullptr) {
    styleName_->setText(styleName);
  }

  defaultEasyDrag_ = true;
  defaultMaximized_ = false;
  defaultKeepOnTop_ = true;
  defaultWidth_ = width;
  defaultHeight_ = height;
  defaultAction_ = normalizeMiddleClickAction(defaultAction);

  s::map::IMappedData* settings = store();
  if (settings == nullptr) {
    action_ = defaultAction_;
    return;
  }
  const bool autoSave = settings->autoSave();
  settings->setAutoSave(false);
  auto prefix = newStr(windowName_->text());
  prefix->appendChar(u'\\');
  writeIdentification(*settings, prefix->text(), editionWord_->text(), localizer(), titleEntry_);
  settings->setAutoSave(autoSave);

  if (localizerOverride_ != nullptr) {
    auto language = newStr(application_->getLanguage());
    s::lang::selectLanguage(*localizerOverride_, language->text());
  }
  if (ownSkin_) {
    auto fallback = styleName_->clone();
    styleName_->setText(
        settings->getString(sectionPath(kSkin), u"", fallback->text(), nullptr, false));
    selectScheme(skin_, styleName_->text());
  }
  action_ = normalizeMiddleClickAction(
      settings->getString(sectionPath(kView), u"OnMClick", defaultAction_, nullptr, false));
}

void bindAppWindow(const char16_t* editionWord, IAppBase* application, const char16_t* windowName,
                   AppWindow& record, std::int32_t width, std::int32_t height,
                   const char16_t* defaultAction, s::gui::drawer::Skinner* skin,
                   const char16_t* styleName) {
  record.bind(editionWord, application, windowName, width, height, defaultAction, skin, styleName);
}

s::base::Owned<AppWindow> createAppWindow(IAppBase* application, const char16_t* windowName,
                                          const char16_t* editionWord, std::int32_t width,
                                          std::int32_t height, s::gui::drawer::Skinner* skin,
                                          const char16_t* styleName) {
  auto record = s::thread::obtain<AppWindow>();
  bindAppWindow(editionWord, application, windowName, *record, width, height, kActionClose, skin,
                styleName);
  return record;
}

}  // namespace s::app::win
