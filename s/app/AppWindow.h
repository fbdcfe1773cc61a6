#pragma once

#include <cstdint>

#include "s/app/IAppWindow.h"
#include "s/base/Owned.h"
#include "s/str/strbuffer/StrBuffer.h"

namespace s::gui::drawer {
class Skinner;
}
namespace s::map {
class IMappedData;
}

namespace s::app::win {

// The binding record of one top-level window: every value goes through the application's
// settings store, in the sections named after the window (name\View, name\Skin, ...).
class AppWindow final : public IAppWindow {
 public:
  using Skinner = s::gui::drawer::Skinner;

  AppWindow();
  ~AppWindow() override;
  AppWindow(const AppWindow&) = delete;
  AppWindow& operator=(const AppWindow&) = delete;

  const char16_t* className() const override { return u"s_app_win_AppWindow"; }
  s::base::IObject* newInstance() const override;
  void release() override;
  // Unbound again: no application, no name, no skin, the defaults of a fresh record.
  void reset() override;

  IAppBase* application() const override { return application_; }
  const char16_t* windowName() const override { return windowName_->text(); }
  const char16_t* sectionPath(const char16_t* sub) override;
  std::int32_t titleEntry() const override { return titleEntry_; }
  s::lang::Localizer* localizer() const override;
  // A localizer of the window's own instead of the application's (not owned); null for none.
  void setLocalizerOverride(s::lang::Localizer* localizer) { localizerOverride_ = localizer; }
  const char16_t* editionWord() const { return editionWord_->text(); }
  Skinner* skin() const { return skin_; }
  bool hasOwnSkin() const override { return ownSkin_; }
  const char16_t* styleName() const override { return styleName_->text(); }
  // Keeps the name and, for a window with a skin of its own, stores it in name\Skin.
  void setStyleName(const char16_t* name) override;

  bool hasStoredPosition() override;
  void saveBounds(std::int32_t x, std::int32_t y, std::int32_t width, std::int32_t height) override;
  void saveSize(std::int32_t width, std::int32_t height) override;
  void deleteBounds() override;
  bool hasX() override { return hasView(u"X"); }
  std::int32_t getX() override { return getView(u"X", 0); }
  void setX(std::int32_t x) override { setView(u"X", x); }
  bool hasY() override { return hasView(u"Y"); }
  std::int32_t getY() override { return getView(u"Y", 0); }
  void setY(std::int32_t y) override { setView(u"Y", y); }
  bool hasWidth() override { return hasView(u"Width"); }
  std::int32_t getWidth() override { return getView(u"Width", defaultWidth_); }
  void setWidth(std::int32_t width) override { setView(u"Width", width); }
  bool isWidthValid() override;
  bool hasHeight() override { return hasView(u"Height"); }
  std::int32_t getHeight() override { return getView(u"Height", defaultHeight_); }
  void setHeight(std::int32_t height) override { setView(u"Height", height); }
  bool isHeightValid() override;

  bool getEasyDrag() override { return getViewFlag(u"EasyDrag", defaultEasyDrag_); }
  void setEasyDrag(bool on) override { setViewFlag(u"EasyDrag", on); }
  bool getMaximized() override { return getViewFlag(u"Maximized", defaultMaximized_); }
  void setMaximized(bool on) override { setViewFlag(u"Maximized", on); }
  bool getKeepOnTop() override { return getViewFlag(u"KeepOnTop", defaultKeepOnTop_); }
  void setKeepOnTop(bool on) override { setViewFlag(u"KeepOnTop", on); }
  bool onMClickIsClose() const override;
  bool onMClickIsIconize() const override;
  const char16_t* getOnMClick() const override { return action_; }
  void setOnMClick(const char16_t* action) override;

  // Used by bindAppWindow.
  void bind(const char16_t* editionWord, IAppBase* application, const char16_t* windowName,
            std::int32_t width, std::int32_t height, const char16_t* defaultAction, Skinner* skin,
            const char16_t* styleName);

 private:
  s::map::IMappedData* store() const;
  bool hasView(const char16_t* name);
  std::int32_t getView(const char16_t* name, std::int32_t defaultValue);
  void setView(const char16_t* name, std::int32_t value);
  bool getViewFlag(const char16_t* name, bool defaultValue);
  void setViewFlag(const char16_t* name, bool on);

  s::base::Owned<s::str::strbuffer::StrBuffer> pathBuffer_;
  IAppBase* application_ = nullptr;
  s::base::Owned<s::str::strbuffer::StrBuffer> windowName_;
  s::base::Owned<s::str::strbuffer::StrBuffer> editionWord_;
  std::int32_t titleEntry_;
  s::lang::Localizer* localizerOverride_ = nullptr;
  Skinner* skin_ = nullptr;
  bool ownSkin_ = false;
  s::base::Owned<s::str::strbuffer::StrBuffer> styleName_;
  std::int32_t defaultWidth_ = 0;
  std::int32_t defaultHeight_ = 0;
  bool defaultEasyDrag_ = true;
  bool defaultMaximized_ = false;
  bool defaultKeepOnTop_ = true;
  const char16_t* defaultAction_;
  // One of the three action words (constants, never freed).
  const char16_t* action_;
};

// Fills record as the binding of the window named windowName: the application, the edition
// word, the defaults (EasyDrag on, Maximized off, KeepOnTop on, the size and middle-click
// action given), the skin, the identification values in the window's own sections, and the
// stored middle-click action, normalised.
void bindAppWindow(const char16_t* editionWord, IAppBase* application, const char16_t* windowName,
                   AppWindow& record, std::int32_t width, std::int32_t height,
                   const char16_t* defaultAction, s::gui::drawer::Skinner* skin,
                   const char16_t* styleName);

// A record from the pool bound with "Close" as the default middle-click action.
s::base::Owned<AppWindow> createAppWindow(IAppBase* application, const char16_t* windowName,
                                          const char16_t* editionWord, std::int32_t width,
                                          std::int32_t height, s::gui::drawer::Skinner* skin,
                                          const char16_t* styleName);

}  // namespace s::app::win
