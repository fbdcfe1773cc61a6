#pragma once

#include <cstdint>

#include "s/base/Owned.h"
#include "s/lang/LangPack.h"
#include "s/lang/Localizer.h"
#include "s/str/strbuffer/StrBuffer.h"

namespace s::archive::dll {
class IArchive;
}
namespace s::xml {
class Node;
}

// The language document and the choice of language. The document's root "lang" holds
// "languages" (one empty "entry" per language: tagName, engName, trueName) and "entries" (one
// "entry" per text, attribute "id", with one child element per language named by its tagName).
namespace s::lang {

// Reads the UTF-8 document kept as resource (typeName, id) of the archive's module, loads its
// packs and selects the system's language. Without the resource the localizer has no packs.
s::base::Owned<Localizer> createLocalizer(const s::archive::dll::IArchive& archive,
                                          const char16_t* typeName, std::uint32_t id);
// The same from the document's UTF-8 bytes.
s::base::Owned<Localizer> createLocalizerFromUtf8(const char* bytes, std::uint32_t count);
// The same from the document's text.
s::base::Owned<Localizer> createLocalizerFromText(const char16_t* text);

// Replaces the localizer's packs with those of the document under root; the current pack is
// forgotten. Every pack gets a text for every entry: a language without its own element gets
// the text of the entry's first language element.
void loadPacks(Localizer& localizer, const s::xml::Node& root);

// The first pack whose tagName equals tag, ignoring case; null when none does.
LangPack* findPackByTag(const Localizer& localizer, const char16_t* tag);

// The first pack whose engName equals name, ignoring case. Failing that, a name starting with
// "Chinese" finds Chinese_Simplified, else Chinese_Traditional, and a name starting with
// "Portuguese" finds Portuguese_Brazilian, else Portuguese_Portugal. Null otherwise.
LangPack* findPackByName(const Localizer& localizer, const char16_t* name);

// The current language's text of entry id, terminated; the empty text when the entry is
// missing. It belongs to the pack: valid until the packs are reloaded or the localizer goes.
const char16_t* textOf(Localizer& localizer, std::int32_t id);

// Files count units of text (kAll: up to the terminator) under id in the pack, adapted to the
// system as textForSystem (s/lang/TextForSystem.h) says: letters that fonts before Windows Vista
// lack are replaced (Venetian, Romanian), the Latin names, numbers and punctuation of right-to-left
// lines are embedded (Arabic, Persian).
void addText(LangPack& pack, std::int32_t id, const char16_t* text,
             std::uint32_t count = s::str::strbuffer::StrBuffer::kAll);

// The current pack; before the first selection the pack of the system's language (or the
// first pack when it has none) becomes current. Null only when there are no packs.
LangPack* currentPack(Localizer& localizer);

// Makes the pack of an English language name current: unknown names give English, then the
// first pack. Listeners are told only when the current pack changes.
void selectLanguage(Localizer& localizer, const char16_t* name);

// Makes the pack at index current, telling the listeners when that is a change. An index
// beyond the list changes nothing.
void selectLanguageAt(Localizer& localizer, std::uint32_t index);

// The start-up rule for the stored setting "Language": selects the stored name (null when the
// setting is absent, which leaves the language as it is) and answers the name to store back
// when the current language's engName now differs from it, ignoring case; null when nothing
// needs writing.
s::base::Owned<s::str::strbuffer::StrBuffer> applyStoredLanguage(Localizer& localizer,
                                                                 const char16_t* storedName);

}  // namespace s::lang
