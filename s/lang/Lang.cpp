#include "s/lang/Lang.h"

#include <utility>

#include "s/archive/dll/ResourceText.h"
#include "s/lang/SystemLanguage.h"
#include "s/lang/TextForSystem.h"
#include "s/thread/Pool.h"
#include "s/xml/Node.h"

namespace s::lang {

using s::base::Owned;
using s::str::strbuffer::newStr;
using s::str::strbuffer::StrBuffer;

namespace {

bool sameIgnoreCase(const StrBuffer& buffer, const char16_t* text) {
  return buffer.regionMatchesIgnoreCase(0, text, 0, StrBuffer::kAll);
}

bool startsWithIgnoreCase(const char16_t* text, const char16_t* prefix) {
  for (; *prefix != 0; ++text, ++prefix) {
    if (s::str::strbuffer::foldAscii(*text) != s::str::strbuffer::foldAscii(*prefix)) {
      return false;
    }
  }
  return true;
}

LangPack* findPackByEngName(const Localizer& localizer, const char16_t* name) {
  for (std::uint32_t i = 0; i < localizer.packCount(); ++i) {
    LangPack* pack = localizer.packAt(i);
    if (sameIgnoreCase(pack->engName(), name)) return pack;
  }
  return nullptr;
}

void addOwnedText(LangPack& pack, std::int32_t id, Owned<StrBuffer> text) {
  pack.append(id, textForSystem(pack.tagName(), std::move(text)));
}

void loadLanguages(Localizer& localizer, const s::xml::Node& languages) {
  for (std::uint32_t i = 0; i < languages.childCount(); ++i) {
    const s::xml::Node* entry = languages.child(i);
    if (!entry->nameEquals(u"entry")) continue;
    Owned<LangPack> pack = s::thread::obtain<LangPack>();
    entry->getText(pack->tagName(), u"tagName", u"", false);
    entry->getText(pack->engName(), u"engName", u"", false);
    entry->getText(pack->trueName(), u"trueName", u"", false);
    localizer.appendPack(pack.detach());
  }
}

// Finds the pack of each language element of an entry. The elements nearly always follow the
// pack order, so the pack after the last one found is tried first; that shortcut is taken only
// when no two packs share a tag, where any match is also the first match.
class PackByTag {
 public:
  explicit PackByTag(const Localizer& localizer) : localizer_(localizer) {
    for (std::uint32_t i = 0; i < localizer.packCount() && distinct_; ++i) {
      distinct_ =
          findPackByTag(localizer, localizer.packAt(i)->tagName().text()) == localizer.packAt(i);
    }
  }

  void startEntry() { next_ = 0; }

  LangPack* find(const char16_t* tag) {
    if (distinct_ && next_ < localizer_.packCount()) {
      LangPack* guess = localizer_.packAt(next_);
      if (sameIgnoreCase(guess->tagName(), tag)) {
        ++next_;
        return guess;
      }
    }
    LangPack* pack = findPackByTag(localizer_, tag);
    if (pack != nullptr && distinct_) {
      localizer_.indexOfPack(pack, &next_);
      ++next_;
    }
    return pack;
  }

 private:
  const Localizer& localizer_;
  bool distinct_ = true;
  std::uint32_t next_ = 0;
};

void loadEntry(Localizer& localizer, PackByTag& packs, const s::xml::Node& entry,
               StrBuffer& fallback) {
  const std::int32_t id = entry.getInt32(u"id", 0);
  // Each entry starts without a fallback, so an entry that has no language element of its own
  // never shows another entry's text.
  fallback.clear();
  bool haveFallback = false;
  packs.startEntry();
  for (std::uint32_t i = 0; i < entry.childCount(); ++i) {
    const s::xml::Node* element = entry.child(i);
    LangPack* pack = packs.find(element->name());
    if (pack == nullptr) continue;
    Owned<StrBuffer> text = newStr();
    element->getText(*text, u"", u"", false);
    if (!haveFallback) {
      fallback.setStr(*text);
      haveFallback = true;
    }
    addOwnedText(*pack, id, std::move(text));
  }
  for (std::uint32_t p = 0; p < localizer.packCount(); ++p) {
    LangPack& pack = *localizer.packAt(p);
    std::uint32_t index = 0;
    if (pack.lastIdIs(id) || pack.findId(id, &index)) continue;
    Owned<StrBuffer> copy = newStr();
    copy->reserveExact(fallback.length() + 1);
    copy->setStr(fallback);
    addOwnedText(pack, id, std::move(copy));
  }
}

}  // namespace

Owned<Localizer> createLocalizer(const s::archive::dll::IArchive& archive, const char16_t* typeName,
                                 std::uint32_t id) {
  Owned<StrBuffer> text = s::archive::dll::readResourceText(archive, typeName, id);
  if (!text) return s::thread::obtain<Localizer>();
  return createLocalizerFromText(text->text());
}

Owned<Localizer> createLocalizerFromUtf8(const char* bytes, std::uint32_t count) {
  Owned<StrBuffer> text = newStr();
  if (count > 0) text->fromUtf8(bytes, false, count);
  return createLocalizerFromText(text->text());
}

Owned<Localizer> createLocalizerFromText(const char16_t* text) {
  Owned<Localizer> localizer = s::thread::obtain<Localizer>();
  {
    Owned<s::xml::Node> root = s::xml::newNode();
    root->parse(text);
    loadPacks(*localizer, *root);
  }
  selectLanguage(*localizer, systemLanguageName());
  return localizer;
}

void loadPacks(Localizer& localizer, const s::xml::Node& root) {
  localizer.clearPacks();
  if (const s::xml::Node* languages = root.findChild(u"languages")) {
    loadLanguages(localizer, *languages);
  }
  const s::xml::Node* entries = root.findChild(u"entries");
  if (entries == nullptr) return;
  Owned<StrBuffer> fallback = newStr();
  PackByTag packs(localizer);
  for (std::uint32_t i = 0; i < entries->childCount(); ++i) {
    const s::xml::Node* entry = entries->child(i);
    if (entry->nameEquals(u"entry")) loadEntry(localizer, packs, *entry, *fallback);
  }
}

LangPack* findPackByTag(const Localizer& localizer, const char16_t* tag) {
  for (std::uint32_t i = 0; i < localizer.packCount(); ++i) {
    LangPack* pack = localizer.packAt(i);
    if (sameIgnoreCase(pack->tagName(), tag)) return pack;
  }
  return nullptr;
}

LangPack* findPackByName(const Localizer& localizer, const char16_t* name) {
  if (name == nullptr) name = u"";
  if (LangPack* pack = findPackByEngName(localizer, name)) return pack;
  if (startsWithIgnoreCase(name, u"Chinese")) {
    if (LangPack* pack = findPackByEngName(localizer, u"CHINESE_SIMPLIFIED")) return pack;
    return findPackByEngName(localizer, u"CHINESE_TRADITIONAL");
  }
  if (startsWithIgnoreCase(name, u"Portuguese")) {
    if (LangPack* pack = findPackByEngName(localizer, u"PORTUGUESE_BRAZILIAN")) return pack;
    return findPackByEngName(localizer, u"PORTUGUESE_PORTUGAL");
  }
  return nullptr;
}

const char16_t* textOf(Localizer& localizer, std::int32_t id) {
  const LangPack* pack = currentPack(localizer);
  std::uint32_t index = 0;
  if (pack == nullptr || !pack->findId(id, &index)) return u"";
  return pack->textAt(index).text();
}

void addText(LangPack& pack, std::int32_t id, const char16_t* text, std::uint32_t count) {
  Owned<StrBuffer> buffer = newStr();
  if (count == StrBuffer::kAll) {
    buffer->setText(text);
  } else {
    buffer->appendUnits(text, count);
  }
  addOwnedText(pack, id, std::move(buffer));
}

LangPack* currentPack(Localizer& localizer) {
  if (localizer.current() == nullptr && localizer.packCount() > 0) {
    LangPack* pack = findPackByName(localizer, systemLanguageName());
    localizer.setInitialPack(pack != nullptr ? pack : localizer.packAt(0));
  }
  return localizer.current();
}

void selectLanguage(Localizer& localizer, const char16_t* name) {
  if (name == nullptr) name = u"";
  LangPack* current = currentPack(localizer);
  if (current == nullptr || sameIgnoreCase(current->engName(), name)) return;
  LangPack* pack = findPackByName(localizer, name);
  if (pack == nullptr) pack = findPackByName(localizer, u"English");
  if (pack == nullptr) pack = localizer.packAt(0);
  localizer.makeCurrent(pack);
}

void selectLanguageAt(Localizer& localizer, std::uint32_t index) {
  if (index >= localizer.packCount()) return;
  localizer.makeCurrent(localizer.packAt(index));
}

Owned<StrBuffer> applyStoredLanguage(Localizer& localizer, const char16_t* storedName) {
  if (storedName == nullptr) return nullptr;
  selectLanguage(localizer, storedName);
  const LangPack* current = localizer.current();
  if (current == nullptr || sameIgnoreCase(current->engName(), storedName)) return nullptr;
  return newStr(current->engName().text());
}

}  // namespace s::lang
