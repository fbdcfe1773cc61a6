#pragma once

#include <cstdint>

namespace s::lang {
class Localizer;
}
namespace s::map {
class IMappedData;
}

namespace s::app {

// Language entries of the program's identity: the product name used as the settings id, and
// the version, which sits 10 after the title entry.
constexpr std::int32_t kProductNameEntry = 300000;
constexpr std::int32_t kTitleEntry = 500000;
constexpr std::int32_t kVersionOffset = 10;
inline constexpr char16_t kEditionFreeware[] = u"Freeware";

// Writes "SoftwareType" (the edition word), "SoftwareID" (the product name) and "Version" (the
// text of titleEntry + 10), each as the unnamed value of the section of that name below
// sectionPrefix ("" for the store's base, "MainWindow\\" for a window). Without a localizer the
// two texts are not written.
void writeIdentification(s::map::IMappedData& store, const char16_t* sectionPrefix,
                         const char16_t* editionWord, s::lang::Localizer* localizer,
                         std::int32_t titleEntry);

}  // namespace s::app
