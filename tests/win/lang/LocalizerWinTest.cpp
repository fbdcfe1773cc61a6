#include <doctest/doctest.h>
#include <windows.h>

#include <cstring>
#include <string>

#include "s/archive/dll/win/Archive.h"
#include "s/col/_array/NumberArray.h"
#include "s/lang/Lang.h"
#include "s/lang/SystemLanguage.h"
#include "s/thread/Pool.h"
#include "support/LangDocument.h"
#include "support/win/ResourceModule.h"

using s::archive::dll::win::OpenModuleArchive;

namespace {

std::string bytesOf(const s::archive::dll::win::Archive& archive, std::uint32_t index) {
  auto bytes = s::thread::obtain<s::col::_array::ArrayU08>();
  if (!archive.read(index, *bytes)) return "<unreadable>";
  return std::string(static_cast<const char*>(bytes->data()), bytes->count());
}

std::string utf16Bytes(const char16_t* text) {
  return std::string(reinterpret_cast<const char*>(text),
                     std::char_traits<char16_t>::length(text) * 2);
}

bool olderThanVista() {
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof info;
  ::GetVersionExW(&info);
  return info.dwMajorVersion < 6;
}

}  // namespace

TEST_CASE("lang: the localizer is built from resource 130 of the program's resource module") {
  auto archive = OpenModuleArchive(vexo_test::resourceModulePath().c_str());
  REQUIRE(archive->isOpen());
  auto localizer = s::lang::createLocalizer(*archive, u"IDR_XML", 130);
  REQUIRE(localizer->packCount() == 27);
  CHECK(std::u16string(localizer->packAt(0)->engName().text()) == u"English");
  CHECK(std::u16string(localizer->packAt(26)->engName().text()) == u"Vietnamese");

  // The start language is the system's when there is a pack for it, else the first pack.
  const s::lang::LangPack* expected =
      s::lang::findPackByName(*localizer, s::lang::systemLanguageName());
  if (expected == nullptr) expected = localizer->packAt(0);
  CHECK(localizer->current() == expected);

  s::lang::selectLanguage(*localizer, u"English");
  CHECK(std::u16string(s::lang::textOf(*localizer, 1012000)) ==
        u"Operation Successful!\r\nPlease restart your computer now.");
  s::lang::selectLanguage(*localizer, u"Japanese");
  CHECK(std::u16string(s::lang::textOf(*localizer, 2010001000)) == u"\u9589\u3058\u308b");

  // The letters old fonts lack follow the real system's age (the prefix says Windows XP).
  s::lang::selectLanguage(*localizer, u"Venetian");
  CHECK(std::u16string(s::lang::textOf(*localizer, 1003000)) ==
        (olderThanVista() ? u"Anula \u0142a mod\u00ecfega" : u"Anula \u019Aa mod\u00ecfega"));
  s::lang::selectLanguage(*localizer, u"Romanian");
  CHECK(std::u16string(s::lang::textOf(*localizer, 1013000)) ==
        (olderThanVista()
             ? u"Modificarea a fost anulat\u0103!\r\nReporni\u0163i computerul acum."
             : u"Modificarea a fost anulat\u0103!\r\nReporni\u021Bi computerul acum."));
}

TEST_CASE("lang: the system language name is the table's name for the user's interface language") {
  std::u16string name = s::lang::languageNameOfId(::GetUserDefaultUILanguage());
  for (std::size_t i = 1; i < name.size(); ++i) {
    if (name[i] >= u'A' && name[i] <= u'Z') name[i] = static_cast<char16_t>(name[i] + 32);
  }
  CHECK(std::u16string(s::lang::systemLanguageName()) == name);
}

TEST_CASE(
    "lang: the resource script embeds the document verbatim and the program's other "
    "resources") {
  auto archive = OpenModuleArchive(vexo_test::resourceModulePath().c_str());
  REQUIRE(archive->isOpen());
  std::uint32_t index = 0;

  REQUIRE(archive->findByTypeNameAndId(u"IDR_XML", 130, &index));
  CHECK(bytesOf(*archive, index) ==
        std::string(support::langDocumentBytes(), support::langDocumentSize()));

  for (std::uint32_t id : {131u, 132u}) {
    CAPTURE(id);
    REQUIRE(archive->findByTypeNameAndId(u"IDR_JPG", id, &index));
    std::string jpeg = bytesOf(*archive, index);
    REQUIRE(jpeg.size() > 4);
    CHECK(jpeg.compare(0, 3, "\xFF\xD8\xFF") == 0);
  }

  // RT_GROUP_ICON 128, with its images.
  CHECK(archive->findByTypeIdAndId(14, 128, &index));
  CHECK(archive->findByTypeIdAndOccurrence(3, 0, &index));

  REQUIRE(archive->findByTypeIdAndId(24, 1, &index));
  CHECK(bytesOf(*archive, index).find("Microsoft.Windows.Common-Controls") != std::string::npos);

  REQUIRE(archive->findByTypeIdAndId(16, 1, &index));
  std::string version = bytesOf(*archive, index);
  CHECK(version.find(utf16Bytes(u"Vexo Ombrel")) != std::string::npos);
  CHECK(version.find(utf16Bytes(u"Vexo")) != std::string::npos);
  CHECK(version.find(utf16Bytes(u"1.05")) != std::string::npos);
  // The fixed part: its signature, then the structure version, then file version 1.5.
  const char signature[4] = {'\xBD', '\x04', '\xEF', '\xFE'};
  std::size_t at = version.find(std::string(signature, 4));
  REQUIRE(at != std::string::npos);
  REQUIRE(version.size() >= at + 16);
  std::uint32_t fileVersionHigh = 0;
  std::memcpy(&fileVersionHigh, version.data() + at + 8, 4);
  CHECK(fileVersionHigh == 0x00010005u);
}
