#pragma once

#include <cstdint>

#include "s/app/IAppBase.h"
#include "s/archive/dll/win/Archive.h"
#include "s/archive/icon/Archive.h"
#include "s/base/Owned.h"
#include "s/image/IImage.h"
#include "s/lang/Localizer.h"
#include "s/map/IMappedData.h"
#include "s/process/commandline/CommandLine.h"
#include "s/str/strbuffer/StrBuffer.h"
#include "s/thread/Lock.h"

namespace s::app::win {

// What the application object is initialised from. The defaults are the program's own: its
// file holds the resources, and the settings live at Software\Vexo\<product>\SaveData.
struct AppSetup {
  // The module whose resources are read; null for this program's file.
  const char16_t* modulePath = nullptr;
  // The settings store's key below HKEY_CURRENT_USER; null for the product's own.
  const char16_t* storePath = nullptr;
};

// The program file's path and the folder that holds it.
struct ModuleInformation {
  s::base::Owned<s::str::strbuffer::StrBuffer> path;
  s::base::Owned<s::str::strbuffer::StrBuffer> folder;
};

// The application object: one per process, taken from its pool and initialised by start-up.
// It owns the command line, the resources, the language packs, the icons, the two pictures
// and the settings store.
class AppBase final : public IAppBase {
 public:
  using Localizer = s::lang::Localizer;

  static constexpr std::uint32_t kIconGroupId = 128;
  static constexpr std::uint32_t kLanguageDocumentId = 130;
  static constexpr std::uint32_t kBannerId = 131;
  static constexpr std::uint32_t kTallBannerId = 132;

  AppBase();
  ~AppBase() override;
  AppBase(const AppBase&) = delete;
  AppBase& operator=(const AppBase&) = delete;

  const char16_t* className() const override { return u"s_app_win_AppBase"; }
  s::base::IObject* newInstance() const override;
  void release() override;
  // Gives back everything it holds (the store written out first unless flushed) and becomes
  // the uninitialised object again.
  void reset() override;

  // The start-up sequence: OLE and its security, edition and title, the command line, the
  // module, its resources, icons, language packs and pictures, then the settings store with
  // the identification values and the stored language. False when the settings store could
  // not be opened; what was obtained until then stays and is given back on release.
  bool initialize(const AppSetup& setup = AppSetup{});

  bool isFreeware() const override;
  const char16_t* editionWord() const override { return editionWord_; }
  const ModuleInformation& moduleInformation() const { return module_; }
  const s::process::commandline::win::CommandLine* commandLine() const {
    return commandLine_.get();
  }
  const s::archive::icon::Archive* iconSet() const override { return iconSet_.get(); }
  // The program icon (HICON) at 16, 32 or 64 pixels; null when missing.
  void* icon16() const { return iconOfSize(16); }
  void* icon32() const { return iconOfSize(32); }
  void* icon64() const { return iconOfSize(64); }
  // The entry of the resource with numeric name id, null when there is none.
  const s::archive::dll::IEntry* resource(std::uint32_t id) const;
  const s::archive::dll::win::Archive* resourceArchive() const { return archive_.get(); }
  std::int32_t titleEntry() const override { return titleEntry_; }
  Localizer* localizer() const override { return localizer_.get(); }
  // The program module's handle (HMODULE).
  void* moduleHandle() const { return moduleHandle_; }
  // Picture 131 (700 x 230) and 132 (230 x 700); null or empty when missing. Each is decoded
  // the first time it is asked for: the tool window shows neither, and decoding both made a
  // tenth of the program's start-up.
  s::image::IImage* image131() const { return picture(picture131_, kBannerId); }
  s::image::IImage* image132() const { return picture(picture132_, kTallBannerId); }

  s::map::IMappedData* settingsStore() const override { return store_.get(); }
  void flushStore() override;
  bool storeFlushed() const { return storeFlushed_; }
  bool hasSkin() const override { return skin_ != nullptr; }
  s::gui::drawer::Skinner* skin() const override { return skin_; }

  const char16_t* getLanguage() override;
  void setLanguage(const char16_t* engName) override;
  const char16_t* getSkin() override;
  void setSkin(const char16_t* schemeName) override;

  // Whether another process runs this program's file (process list). With signal, its window
  // is restored and activated (message 1027), and with notifyStart also told that another copy
  // started (1031); with useLocalizer the window is the one whose title begins the title text
  // of some language, else the first with a title.
  bool findOtherInstance(bool signal, bool notifyStart, bool useLocalizer);
  // The same, looking through the windows of this thread's desktop.
  bool findOtherInstanceOnDesktop(bool signal, bool notifyStart, bool useLocalizer);

  // The XML store "savedata\SaveData.xml" beside the program; the program does not use it.
  s::base::Owned<s::map::IMappedData> openXmlStore();
  // The registry store at HKEY_CURRENT_USER Software\Vexo\<product>\SaveData (or the setup's
  // path); the one the program uses.
  s::base::Owned<s::map::IMappedData> openRegistryStore();

 private:
  void* iconOfSize(std::int32_t size) const;
  void readModuleInformation(const char16_t* modulePath);

  s::base::Owned<s::str::strbuffer::StrBuffer> scratch_;
  s::base::Owned<s::str::strbuffer::StrBuffer> second_;
  const char16_t* editionWord_;
  std::int32_t titleEntry_;
  s::base::Owned<s::process::commandline::win::CommandLine> commandLine_;
  ModuleInformation module_;
  void* moduleHandle_ = nullptr;
  s::base::Owned<s::archive::dll::win::Archive> archive_;
  s::base::Owned<Localizer> localizer_;
  s::gui::drawer::Skinner* skin_ = nullptr;
  s::base::Owned<s::archive::icon::Archive> iconSet_;
  // A picture of the resources, decoded on first use.
  struct LazyPicture {
    s::base::Owned<s::image::IImage> image;
    bool decoded = false;
  };
  s::image::IImage* picture(LazyPicture& slot, std::uint32_t id) const;

  // Either window's thread may ask first.
  mutable s::thread::Lock pictureLock_;
  mutable LazyPicture picture131_;
  mutable LazyPicture picture132_;
  bool storeFlushed_ = false;
  s::base::Owned<s::map::IMappedData> store_;
  s::base::Owned<s::str::strbuffer::StrBuffer> defaultSkinName_;
  s::base::Owned<s::str::strbuffer::StrBuffer> storePath_;
  bool oleInitialized_ = false;
};

}  // namespace s::app::win
