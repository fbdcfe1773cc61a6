#include <doctest/doctest.h>
#include <windows.h>

#include <string>

#include "s/archive/dll/ResourceText.h"
#include "s/archive/dll/win/Archive.h"
#include "s/col/_array/NumberArray.h"
#include "s/file/Path.h"
#include "s/thread/Pool.h"

using s::archive::dll::readResourceText;
using s::archive::dll::win::Archive;
using s::archive::dll::win::OpenModuleArchive;

namespace {

const char16_t* u16(const wchar_t* text) { return reinterpret_cast<const char16_t*>(text); }

std::wstring ownPath() {
  wchar_t path[MAX_PATH];
  DWORD n = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
  return std::wstring(path, n);
}

std::wstring besideSelf(const wchar_t* file) {
  std::wstring path = ownPath();
  return path.substr(0, path.find_last_of(L"\\/") + 1) + file;
}

std::u16string modulePath() {
  std::wstring path = besideSelf(L"archive_test_module.dll");
  return std::u16string(u16(path.c_str()));
}

bool vistaOrLater() {
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof info;
  ::GetVersionExW(&info);
  return info.dwMajorVersion >= 6;
}

std::string bytesOf(const Archive& archive, std::uint32_t index) {
  auto bytes = s::thread::obtain<s::col::_array::ArrayU08>();
  if (!archive.read(index, *bytes)) return "<unreadable>";
  return std::string(static_cast<const char*>(bytes->data()), bytes->count());
}

// A stream that takes nothing.
class FullStream final : public s::io::IOutputStream {
 public:
  bool write(const void*, std::uint32_t) override { return false; }
  std::uint32_t position() const override { return 0; }
  void rewind() override {}
  void seek(std::uint32_t) override {}
  void release() override {}
  void reset() override {}
};

}  // namespace

TEST_CASE("archive: the language document is found by type text and id and decoded") {
  auto archive = OpenModuleArchive(modulePath().c_str());
  REQUIRE(archive->isOpen());
  std::uint64_t size = 0;
  REQUIRE(s::file::Path(modulePath().c_str()).size(&size));
  CHECK(archive->fileSize() == size);
  auto text = readResourceText(*archive, u"IDR_XML", 130);
  REQUIRE(text);
  std::u16string document = text->text();
  CHECK(document.find(u"<eng>Gr\u00fc\u00dfe &amp; more</eng>") != std::u16string::npos);
  CHECK(document.rfind(u"<lang>", 0) == 0);
}

TEST_CASE("archive: type texts compare exactly and text names are not ids") {
  auto archive = OpenModuleArchive(modulePath().c_str());
  REQUIRE(archive->isOpen());
  std::uint32_t index = 0;
  CHECK_FALSE(archive->findByTypeNameAndId(u"idr_xml", 130, &index));
  CHECK_FALSE(readResourceText(*archive, u"idr_xml", 130));
  // The resource compiler stores type and name texts in capitals.
  CHECK_FALSE(archive->findByTypeNameAndId(u"lowtype", 130, &index));
  REQUIRE(archive->findByTypeNameAndId(u"LOWTYPE", 130, &index));
  CHECK(bytesOf(*archive, index) == "lower-case type");

  CHECK_FALSE(archive->findByTypeNameAndId(u"IDR_XML", 777, &index));
  REQUIRE(archive->findByName(u"777", &index));
  CHECK(std::u16string(archive->entry(index)->typeName()) == u"IDR_XML");
  CHECK(bytesOf(*archive, index) == "named by text");
  CHECK_FALSE(archive->findByName(u"textname", &index));
  CHECK(archive->findByNameIgnoreCase(u"textname", &index));
  CHECK(std::u16string(archive->entry(index)->nameText()) == u"TEXTNAME");

  REQUIRE(archive->findById(130, &index));
  CHECK(archive->entry(index)->isNameNumeric());
  CHECK(archive->findByTypeIdAndId(10, 150, &index));
  CHECK_FALSE(archive->findByTypeIdAndId(10, 130, &index));
  CHECK(archive->findByTypeIdAndOccurrence(10, 0, &index));
  CHECK_FALSE(archive->findByTypeIdAndOccurrence(10, 1, &index));
  CHECK_FALSE(archive->findByTypeIdAndName(10, u"TEXTNAME", &index));
}

TEST_CASE("archive: an empty resource reads as nothing, a refusing stream fails the read") {
  auto archive = OpenModuleArchive(modulePath().c_str());
  REQUIRE(archive->isOpen());
  std::uint32_t index = 0;
  REQUIRE(archive->findByTypeIdAndId(10, 150, &index));
  CHECK(archive->entry(index)->size() == 0);
  auto bytes = s::thread::obtain<s::col::_array::ArrayU08>();
  CHECK(archive->read(index, *bytes));
  CHECK(bytes->count() == 0);
  FullStream full;
  CHECK(archive->read(index, full));
  REQUIRE(archive->findByTypeNameAndId(u"IDR_XML", 130, &index));
  CHECK_FALSE(archive->read(index, full));
  CHECK_FALSE(archive->read(archive->entryCount(), *bytes));
}

TEST_CASE("archive: a resource in two languages is listed per language before Vista only") {
  auto archive = OpenModuleArchive(modulePath().c_str());
  REQUIRE(archive->isOpen());
  std::uint32_t first = 0;
  REQUIRE(archive->findByTypeNameAndId(u"IDR_XML", 140, &first));
  std::uint32_t copies = 0;
  for (std::uint32_t i = 0; i < archive->entryCount(); ++i) {
    const auto* entry = archive->entry(i);
    if (entry->isNameNumeric() && entry->nameId() == 140) ++copies;
  }
  const auto* found = archive->entry(first);
  std::string text = bytesOf(*archive, first);
  if (vistaOrLater()) {
    CHECK(archive->entryCount() == 6);
    CHECK(copies == 1);
    CHECK(found->language() == 0);
    CHECK(found->sublanguage() == 0);
    CHECK((text == "english" || text == "deutsch!"));
  } else {
    CHECK(archive->entryCount() == 7);
    CHECK(copies == 2);
    // SUBLANG_DEFAULT sits in bits 10-15 of the language id.
    CHECK(found->sublanguage() == 1);
    REQUIRE((found->language() == LANG_GERMAN || found->language() == LANG_ENGLISH));
    CHECK(text == (found->language() == LANG_GERMAN ? "deutsch!" : "english"));
    std::uint32_t second = 0;
    for (second = first + 1; second < archive->entryCount(); ++second) {
      if (archive->entry(second)->nameId() == 140) break;
    }
    REQUIRE(second < archive->entryCount());
    CHECK(archive->entry(second)->language() != found->language());
  }
}

TEST_CASE("archive: a missing file gives a closed archive where every lookup fails") {
  auto archive = OpenModuleArchive(u"C:\\no such folder\\missing.dll");
  CHECK_FALSE(archive->isOpen());
  CHECK(archive->entryCount() == 0);
  CHECK(archive->fileSize() == 0);
  std::uint32_t index = 0;
  CHECK_FALSE(archive->findByTypeNameAndId(u"IDR_XML", 130, &index));
  CHECK_FALSE(archive->findById(130, &index));
  CHECK_FALSE(readResourceText(*archive, u"IDR_XML", 130));
  // A file that is not a module does not open either.
  std::wstring notModulePath = besideSelf(L"libarchive_test_module.dll.a");
  REQUIRE(::GetFileAttributesW(notModulePath.c_str()) != INVALID_FILE_ATTRIBUTES);
  auto notModule = OpenModuleArchive(u16(notModulePath.c_str()));
  CHECK_FALSE(notModule->isOpen());
  CHECK(notModule->entryCount() == 0);
  CHECK(std::u16string(notModule->path()).empty());
}

TEST_CASE("archive: closing forgets the entries and the file") {
  auto archive = OpenModuleArchive(modulePath().c_str());
  REQUIRE(archive->entryCount() > 0);
  archive->close();
  CHECK_FALSE(archive->isOpen());
  CHECK(archive->entryCount() == 0);
  CHECK(archive->fileSize() == 0);
  CHECK(archive->open(modulePath().c_str()));
  CHECK(archive->entryCount() > 0);
}

namespace {

// Runs a copy of this test program that Wine reports as Windows Vista, limited to the archive
// tests; the per-program version setting and the copy are removed on every path.
class VistaCopy {
 public:
  VistaCopy() : copy_(besideSelf(L"s_win_tests_vista.exe")) {
    keyPath_ = L"Software\\Wine\\AppDefaults\\s_win_tests_vista.exe";
  }
  ~VistaCopy() {
    ::RegDeleteKeyW(HKEY_CURRENT_USER, keyPath_.c_str());
    ::DeleteFileW(copy_.c_str());
  }
  VistaCopy(const VistaCopy&) = delete;
  VistaCopy& operator=(const VistaCopy&) = delete;

  bool prepare() {
    if (!::CopyFileW(ownPath().c_str(), copy_.c_str(), FALSE)) return false;
    HKEY key = nullptr;
    if (::RegCreateKeyExW(HKEY_CURRENT_USER, keyPath_.c_str(), 0, nullptr, 0, KEY_SET_VALUE,
                          nullptr, &key, nullptr) != ERROR_SUCCESS) {
      return false;
    }
    const wchar_t version[] = L"vista";
    LONG status = ::RegSetValueExW(key, L"Version", 0, REG_SZ,
                                   reinterpret_cast<const BYTE*>(version), sizeof version);
    ::RegCloseKey(key);
    return status == ERROR_SUCCESS;
  }

  // The copy's exit code, or -1 when it could not run.
  long run() {
    std::wstring command = L"\"" + copy_ + L"\" -tc=archive:*";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!::CreateProcessW(copy_.c_str(), &command[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr,
                          &startup, &process)) {
      return -1;
    }
    ::WaitForSingleObject(process.hProcess, INFINITE);
    DWORD code = 1;
    ::GetExitCodeProcess(process.hProcess, &code);
    ::CloseHandle(process.hThread);
    ::CloseHandle(process.hProcess);
    return static_cast<long>(code);
  }

 private:
  std::wstring copy_;
  std::wstring keyPath_;
};

}  // namespace

TEST_CASE("the archive tests pass again on a system reporting Windows Vista") {
  if (vistaOrLater()) return;
  VistaCopy copy;
  REQUIRE(copy.prepare());
  CHECK(copy.run() == 0);
}
