#include "s/app/win/AppBase.h"

#include <windows.h>
// After windows.h, whose types they use.
#include <objbase.h>
#include <ole2.h>

#include "s/app/Identification.h"
#include "s/app/SkinAccess.h"
#include "s/app/win/OtherInstance.h"
#include "s/image/ArchivePictureSource.h"
#include "s/lang/Lang.h"
#include "s/process/commandline/win/ProgramCommandLine.h"
#include "s/reg/MappedData.h"
#include "s/thread/Pool.h"
#include "s/xml/MappedData.h"

namespace s::app::win {

using s::base::Owned;
using s::str::strbuffer::newStr;

namespace {

constexpr const char16_t* kLanguage = u"Language";
constexpr const char16_t* kSkin = u"Skin";

bool sameText(const char16_t* a, const char16_t* b) {
  while (*a != 0 && *a == *b) ++a, ++b;
  return *a == *b;
}

// Once per thread that uses OLE; a second call in the process is refused (RPC_E_TOO_LATE) and
// that is fine: the first one holds.
void initializeOleSecurity() {
  CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_PKT,
                       RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE, nullptr);
}

}  // namespace

AppBase::AppBase()
    : scratch_(newStr()),
      second_(newStr()),
      editionWord_(kEditionFreeware),
      titleEntry_(kTitleEntry),
      defaultSkinName_(newStr()),
      storePath_(newStr()) {
  module_.path = newStr();
  module_.folder = newStr();
}

AppBase::~AppBase() { reset(); }

s::base::IObject* AppBase::newInstance() const { return s::thread::takeFromPool<AppBase>(); }

void AppBase::release() { s::thread::giveBackToPool(this); }

void AppBase::reset() {
  if (store_ && !storeFlushed_) store_->save();
  store_.reset();
  storeFlushed_ = false;
  commandLine_.reset();
  module_.path->clear();
  module_.folder->clear();
  moduleHandle_ = nullptr;
  {
    s::thread::LockGuard guard(pictureLock_);
    picture131_ = LazyPicture{};
    picture132_ = LazyPicture{};
  }
  iconSet_.reset();
  localizer_.reset();
  // The application-wide skin is never made by this program, so there is none to give back.
  skin_ = nullptr;
  archive_.reset();
  defaultSkinName_->clear();
  storePath_->clear();
  scratch_->clear();
  second_->clear();
  editionWord_ = kEditionFreeware;
  titleEntry_ = kTitleEntry;
  if (oleInitialized_) OleUninitialize();
  oleInitialized_ = false;
}

bool AppBase::initialize(const AppSetup& setup) {
  oleInitialized_ = SUCCEEDED(OleInitialize(nullptr));
  initializeOleSecurity();

  editionWord_ = kEditionFreeware;
  titleEntry_ = kTitleEntry;

  commandLine_ = s::thread::obtain<s::process::commandline::win::CommandLine>();
  s::process::commandline::win::parseProgramCommandLine(*commandLine_);

  readModuleInformation(setup.modulePath);
  archive_ = s::archive::dll::win::OpenModuleArchive(module_.path->text());
  iconSet_ = s::thread::obtain<s::archive::icon::Archive>();
  iconSet_->load(*archive_, kIconGroupId);
  localizer_ = s::lang::createLocalizer(*archive_, u"IDR_XML", kLanguageDocumentId);

  if (setup.storePath != nullptr) {
    storePath_->setText(setup.storePath);
  } else {
    storePath_->setText(u"Software\\Vexo\\")
        .appendText(s::lang::textOf(*localizer_, kProductNameEntry))
        .appendText(u"\\SaveData");
  }
  store_ = openRegistryStore();
  if (!store_) return false;

  store_->setAutoSave(false);
  writeIdentification(*store_, u"", editionWord_, localizer_.get(), titleEntry_);
  // A fresh profile records the language it starts in, so that the next start keeps it even
  // when the system's language has changed meanwhile.
  const bool languageStored = store_->hasValue(kLanguage, u"");
  auto stored = newStr(getLanguage());
  auto writeBack = s::lang::applyStoredLanguage(*localizer_, stored->text());
  if (!writeBack && !languageStored) writeBack = newStr(getLanguage());
  if (writeBack) setLanguage(writeBack->text());
  if (skin_ != nullptr) {
    auto scheme = newStr(getSkin());
    if (!sameText(scheme->text(), currentSchemeName(skin_))) selectScheme(skin_, scheme->text());
  }
  store_->setAutoSave(true);
  return true;
}

void AppBase::readModuleInformation(const char16_t* modulePath) {
  moduleHandle_ = GetModuleHandleW(nullptr);
  if (modulePath != nullptr) {
    module_.path->setText(modulePath);
  } else {
    // Long paths do not fit MAX_PATH: grow until the whole name is there.
    for (std::uint32_t room = MAX_PATH;; room *= 2) {
      module_.path->reserve(room);
      const DWORD n = GetModuleFileNameW(static_cast<HMODULE>(moduleHandle_),
                                         reinterpret_cast<wchar_t*>(module_.path->data()), room);
      if (n < room || room >= 32768) {
        module_.path->setLength(n < room ? n : 0);
        break;
      }
    }
  }
  std::uint32_t separator = 0;
  if (module_.path->lastIndexOfAny(u"\\/", 2, &separator)) {
    module_.folder->setText(module_.path->text()).keepRange(0, separator);
  } else {
    module_.folder->clear();
  }
}

bool AppBase::isFreeware() const { return sameText(editionWord_, kEditionFreeware); }

s::image::IImage* AppBase::picture(LazyPicture& slot, std::uint32_t id) const {
  s::thread::LockGuard guard(pictureLock_);
  if (!slot.decoded && archive_) {
    slot.image = s::image::loadPicture(*archive_, u"IDR_JPG", id);
    slot.decoded = true;
  }
  return slot.image.get();
}

void* AppBase::iconOfSize(std::int32_t size) const {
  return iconSet_ ? iconSet_->icon(size) : nullptr;
}

const s::archive::dll::IEntry* AppBase::resource(std::uint32_t id) const {
  std::uint32_t index = 0;
  if (!archive_ || !archive_->findById(id, &index)) return nullptr;
  return archive_->entry(index);
}

void AppBase::flushStore() {
  if (!store_) return;
  store_->save();
  storeFlushed_ = true;
}

const char16_t* AppBase::getLanguage() {
  const s::lang::LangPack* current = localizer_ ? s::lang::currentPack(*localizer_) : nullptr;
  const char16_t* fallback = current != nullptr ? current->engName().text() : u"";
  if (!store_) return fallback;
  return store_->getString(kLanguage, u"", fallback, nullptr, false);
}

void AppBase::setLanguage(const char16_t* engName) {
  if (store_) store_->setString(kLanguage, u"", engName);
}

const char16_t* AppBase::getSkin() {
  if (!store_) return defaultSkinName_->text();
  const char16_t* stored = store_->getString(kSkin, u"", defaultSkinName_->text(), nullptr, false);
  return hasScheme(skin_, stored) ? stored : defaultSkinName_->text();
}

void AppBase::setSkin(const char16_t* schemeName) {
  if (store_) store_->setString(kSkin, u"", schemeName);
}

bool AppBase::findOtherInstance(bool signal, bool notifyStart, bool useLocalizer) {
  const InstanceSearch search{module_.path->text(), localizer_.get(), titleEntry_, signal,
                              notifyStart,          useLocalizer};
  return findOtherInstanceByProcessList(search);
}

bool AppBase::findOtherInstanceOnDesktop(bool signal, bool notifyStart, bool useLocalizer) {
  const InstanceSearch search{module_.path->text(), localizer_.get(), titleEntry_, signal,
                              notifyStart,          useLocalizer};
  return s::app::win::findOtherInstanceOnDesktop(search);
}

Owned<s::map::IMappedData> AppBase::openXmlStore() {
  scratch_->setStr(*module_.folder);
  if (!scratch_->isEmpty()) scratch_->appendChar(u'\\');
  scratch_->appendText(u"savedata\\SaveData.xml");
  return s::xml::OpenXmlStore(scratch_->text());
}

Owned<s::map::IMappedData> AppBase::openRegistryStore() {
  return s::reg::OpenRegistryStore(storePath_->text());
}

}  // namespace s::app::win
