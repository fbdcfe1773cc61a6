#pragma once

#include <string>

#include "s/app/IAppBase.h"
#include "s/app/Identification.h"
#include "s/lang/Lang.h"
#include "s/reg/MappedData.h"
#include "support/LangDocument.h"

namespace support {

// An application object for binding tests: the embedded language document and a registry
// store at a test's own path; no resources, icons or skin.
class FakeApp final : public s::app::IAppBase {
 public:
  explicit FakeApp(const char16_t* storePath)
      : localizer_(s::lang::createLocalizerFromUtf8(langDocumentBytes(), langDocumentSize())),
        store_(s::reg::OpenRegistryStore(storePath)) {
    store_->setAutoSave(true);
  }

  const char16_t* className() const override { return u"test_FakeApp"; }
  s::base::IObject* newInstance() const override { return nullptr; }
  void release() override {}
  void reset() override {}

  bool isFreeware() const override { return true; }
  const char16_t* editionWord() const override { return s::app::kEditionFreeware; }
  std::int32_t titleEntry() const override { return s::app::kTitleEntry; }
  const s::archive::icon::Archive* iconSet() const override { return nullptr; }
  s::lang::Localizer* localizer() const override { return localizer_.get(); }
  s::map::IMappedData* settingsStore() const override { return store_.get(); }
  void flushStore() override { store_->save(); }
  bool hasSkin() const override { return false; }
  s::gui::drawer::Skinner* skin() const override { return nullptr; }
  const char16_t* getLanguage() override {
    return store_->getString(u"Language", u"", s::lang::currentPack(*localizer_)->engName().text(),
                             nullptr, false);
  }
  void setLanguage(const char16_t* engName) override {
    store_->setString(u"Language", u"", engName);
  }
  const char16_t* getSkin() override { return u""; }
  void setSkin(const char16_t*) override {}

  s::reg::MappedData& store() { return *store_; }

 private:
  s::base::Owned<s::lang::Localizer> localizer_;
  s::base::Owned<s::reg::MappedData> store_;
};

}  // namespace support
