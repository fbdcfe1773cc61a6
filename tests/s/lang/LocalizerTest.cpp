#include <doctest/doctest.h>

#include <string>
#include <vector>

#include "s/gui/events/IEventListener.h"
#include "s/lang/Lang.h"
#include "s/lang/SystemLanguage.h"
#include "s/thread/Pool.h"
#include "support/LangDocument.h"

using s::base::Owned;
using s::lang::LangPack;
using s::lang::Localizer;

namespace {

Owned<Localizer> embeddedDocument() {
  return s::lang::createLocalizerFromUtf8(support::langDocumentBytes(),
                                          support::langDocumentSize());
}

Owned<Localizer> withLanguages(std::initializer_list<const char16_t*> engNames) {
  std::u16string doc = u"<lang><languages>";
  for (const char16_t* name : engNames) {
    doc += u"<entry tagName=\"t\" engName=\"" + std::u16string(name) + u"\"/>";
  }
  doc += u"</languages></lang>";
  return s::lang::createLocalizerFromText(doc.c_str());
}

std::u16string currentName(Localizer& localizer) {
  const LangPack* pack = s::lang::currentPack(localizer);
  return pack == nullptr ? u"<none>" : pack->engName().text();
}

std::u16string engNameOf(const LangPack* pack) {
  return pack == nullptr ? u"<none>" : pack->engName().text();
}

// Writes every event it hears into a shared log, so the order across listeners shows.
class RecordingListener final : public s::gui::events::IEventListener {
 public:
  RecordingListener(char name, std::string* log) : name_(name), log_(log) {}
  void event(s::base::IObject* source, std::int32_t code) override {
    sources.push_back(source);
    codes.push_back(code);
    *log_ += name_;
  }
  std::vector<s::base::IObject*> sources;
  std::vector<std::int32_t> codes;

 private:
  char name_;
  std::string* log_;
};

}  // namespace

TEST_CASE("language ids are named by their whole value or by their primary language") {
  struct Case {
    std::uint16_t id;
    const char16_t* name;
  };
  const Case cases[] = {
      {0x0409, u"ENGLISH"},
      {0x0809, u"ENGLISH"},
      {0x0009, u"ENGLISH"},
      {0x0401, u"ARABIC"},
      {0x0C0A, u"SPANISH"},
      {0x0403, u"CATALAN"},
      {0x0407, u"GERMAN"},
      {0x048C, u"DARI"},
      {0x0488, u"WOLOF"},
      {0x0004, u"CHINESE_SIMPLIFIED"},
      {0x0804, u"CHINESE_SIMPLIFIED"},
      {0x1004, u"CHINESE_SIMPLIFIED"},
      {0x0404, u"CHINESE_TRADITIONAL"},
      {0x0C04, u"CHINESE_TRADITIONAL"},
      {0x1404, u"CHINESE_TRADITIONAL"},
      {0x7C04, u"CHINESE_TRADITIONAL"},
      {0x4404, u"CHINESE"},
      {0x0416, u"PORTUGUESE_BRAZILIAN"},
      {0x0816, u"PORTUGUESE_PORTUGAL"},
      {0x0C16, u"PORTUGUESE"},
      {0x201A, u"BOSNIAN"},
      {0x041A, u"CROATIAN"},
      {0x7C1A, u"SERBIAN"},
      {0x2C1A, u"SERBIAN"},
      {0x081A, u"SERBIAN"},
      {0x082E, u"LOWER_SORBIAN"},
      {0x042E, u"UPPER_SORBIAN"},
      {0x0C2E, u"Unknown"},
      {0x002E, u"Unknown"},
      {0x0000, u"Unknown"},
      {0x0430, u"Unknown"},
      {0x0455, u"Unknown"},
      {0x048D, u"Unknown"},
      {0x04FF, u"Unknown"},
      {0xFFFF, u"Unknown"},
      // Only the low byte names the primary language, though it has ten bits.
      {0x0509, u"ENGLISH"},
  };
  for (const Case& c : cases) {
    CAPTURE(c.id);
    CHECK(std::u16string(s::lang::languageNameOfId(c.id)) == c.name);
  }
}

TEST_CASE(
    "findPackByName matches whole names ignoring case, with the Chinese and Portuguese "
    "rules") {
  struct Case {
    std::initializer_list<const char16_t*> packs;
    const char16_t* name;
    const char16_t* found;
  };
  const Case cases[] = {
      {{u"English", u"German"}, u"german", u"German"},
      {{u"English", u"German"}, u"Germ", u"<none>"},
      {{u"English", u"German"}, u"Germany", u"<none>"},
      {{u"English", u"German"}, u"", u"<none>"},
      {{u"English", u"Chinese_Simplified", u"Chinese_Traditional"},
       u"Chinese",
       u"Chinese_Simplified"},
      {{u"English", u"Chinese_Simplified", u"Chinese_Traditional"},
       u"Chinese_traditional",
       u"Chinese_Traditional"},
      {{u"English", u"Chinese_Traditional"}, u"Chinese_simplified", u"Chinese_Traditional"},
      {{u"English", u"Chinese_Traditional"}, u"CHINESE", u"Chinese_Traditional"},
      {{u"English"}, u"Chinese", u"<none>"},
      {{u"English", u"Portuguese_Brazilian"}, u"Portuguese_portugal", u"Portuguese_Brazilian"},
      {{u"English", u"Portuguese_Portugal"}, u"portuguese", u"Portuguese_Portugal"},
      {{u"English", u"Portuguese_Portugal", u"Portuguese_Brazilian"},
       u"Portuguese",
       u"Portuguese_Brazilian"},
      {{u"English"}, u"Portuguese", u"<none>"},
      {{u"English", u"Chinese_Simplified"}, u"Chin", u"<none>"},
  };
  for (const Case& c : cases) {
    CAPTURE(std::string(c.name, c.name + std::u16string(c.name).size()));
    auto localizer = withLanguages(c.packs);
    CHECK(engNameOf(s::lang::findPackByName(*localizer, c.name)) == c.found);
  }
}

TEST_CASE("the embedded packs answer the names the system gives") {
  auto localizer = embeddedDocument();
  struct Case {
    const char16_t* name;
    const char16_t* found;
  };
  const Case cases[] = {
      {u"Chinese", u"Chinese_Simplified"},
      {u"Chinese_simplified", u"Chinese_Simplified"},
      {u"Chinese_traditional", u"Chinese_Traditional"},
      {u"Portuguese", u"Portuguese_Brazilian"},
      {u"Portuguese_portugal", u"Portuguese_Brazilian"},
      {u"Catalan", u"<none>"},
      {u"Unknown", u"<none>"},
      {u"Venetian", u"Venetian"},
  };
  for (const Case& c : cases) {
    CHECK(engNameOf(s::lang::findPackByName(*localizer, c.name)) == c.found);
  }
}

TEST_CASE("the stored language is selected and written back only when it differs") {
  struct Case {
    const char16_t* stored;
    const char16_t* current;
    const char16_t* writeBack;
  };
  const Case cases[] = {
      {u"german", u"German", nullptr},
      {u"German", u"German", nullptr},
      {u"Klingon", u"English", u"English"},
      {u"", u"English", u"English"},
      {u"Chinese", u"Chinese_Simplified", u"Chinese_Simplified"},
      {nullptr, u"Spanish", nullptr},
  };
  for (const Case& c : cases) {
    auto localizer = embeddedDocument();
    s::lang::selectLanguage(*localizer, u"Spanish");
    auto writeBack = s::lang::applyStoredLanguage(*localizer, c.stored);
    CHECK(currentName(*localizer) == c.current);
    if (c.writeBack == nullptr) {
      CHECK_FALSE(writeBack);
    } else {
      REQUIRE(writeBack);
      CHECK(std::u16string(writeBack->text()) == c.writeBack);
    }
  }
}

TEST_CASE("listeners hear a language change once each, in registration order") {
  auto localizer = embeddedDocument();
  s::lang::selectLanguage(*localizer, u"English");
  std::string log;
  RecordingListener first('a', &log);
  RecordingListener second('b', &log);
  localizer->addListener(&first);
  localizer->addListener(&second);

  s::lang::selectLanguage(*localizer, u"French");
  CHECK(log == "ab");
  REQUIRE(first.sources.size() == 1);
  CHECK(first.sources[0] == localizer.get());
  CHECK(first.codes[0] == 0);
  CHECK(std::u16string(s::lang::textOf(*localizer, 2010001000)) == u"Fermer");

  SUBCASE("no change, no event") {
    s::lang::selectLanguage(*localizer, u"FRENCH");
    std::uint32_t french = 0;
    REQUIRE(localizer->indexOfPack(localizer->current(), &french));
    s::lang::selectLanguageAt(*localizer, french);
    s::lang::selectLanguageAt(*localizer, localizer->packCount());
    s::lang::selectLanguageAt(*localizer, 0xFFFFFFFFu);
    CHECK(log == "ab");
    CHECK(currentName(*localizer) == u"French");
  }
  SUBCASE("an unknown name falls back to English, which is news when French was current") {
    s::lang::selectLanguage(*localizer, u"Klingon");
    CHECK(currentName(*localizer) == u"English");
    CHECK(log == "abab");
    s::lang::selectLanguage(*localizer, u"Klingon");
    CHECK(log == "abab");
  }
  SUBCASE("selection by position") {
    s::lang::selectLanguageAt(*localizer, 11);
    CHECK(currentName(*localizer) == u"German");
    CHECK(std::u16string(s::lang::textOf(*localizer, 2010001000)) == u"Schlie\u00dfen");
    CHECK(log == "abab");
  }
  SUBCASE("a removed listener hears nothing more") {
    CHECK(localizer->removeListener(&first));
    CHECK_FALSE(localizer->removeListener(&first));
    s::lang::selectLanguage(*localizer, u"Italian");
    CHECK(log == "abb");
    CHECK(localizer->listenerCount() == 1);
  }
  localizer->removeListener(&first);
  localizer->removeListener(&second);
}

TEST_CASE("a localizer back from its pool has no packs, no current pack and no listeners") {
  std::string log;
  RecordingListener listener('a', &log);
  Localizer* raw = nullptr;
  {
    auto localizer = embeddedDocument();
    localizer->addListener(&listener);
    raw = localizer.get();
  }
  auto again = s::thread::obtain<Localizer>();
  // The pool hands back the most recently returned object.
  REQUIRE(again.get() == raw);
  CHECK(again->packCount() == 0);
  CHECK(again->current() == nullptr);
  CHECK(again->listenerCount() == 0);
  s::lang::selectLanguageAt(*again, 0);
  CHECK(log.empty());
}

TEST_CASE("the system language name is a capitalised table name") {
  std::u16string name = s::lang::systemLanguageName();
  REQUIRE_FALSE(name.empty());
  CHECK(name[0] >= u'A');
  CHECK(name[0] <= u'Z');
  for (std::size_t i = 1; i < name.size(); ++i) CHECK_FALSE((name[i] >= u'A' && name[i] <= u'Z'));
  // Asked twice, the same text.
  CHECK(std::u16string(s::lang::systemLanguageName()) == name);
}

namespace {

// Removes itself, and optionally another listener, when told of a change.
class LeavingListener final : public s::gui::events::IEventListener {
 public:
  LeavingListener(Localizer* localizer, std::string* log) : localizer_(localizer), log_(log) {}
  void event(s::base::IObject*, std::int32_t) override {
    *log_ += 'x';
    localizer_->removeListener(this);
    if (alsoRemove != nullptr) localizer_->removeListener(alsoRemove);
  }
  s::gui::events::IEventListener* alsoRemove = nullptr;

 private:
  Localizer* localizer_;
  std::string* log_;
};

}  // namespace

TEST_CASE("listeners that leave while being told do not make others miss the change") {
  auto localizer = embeddedDocument();
  s::lang::selectLanguage(*localizer, u"English");
  std::string log;
  RecordingListener before('a', &log);
  LeavingListener leaving(localizer.get(), &log);
  RecordingListener after('b', &log);
  RecordingListener removed('c', &log);
  leaving.alsoRemove = &before;
  localizer->addListener(&before);
  localizer->addListener(&leaving);
  localizer->addListener(&after);
  localizer->addListener(&removed);
  s::lang::selectLanguage(*localizer, u"French");
  CHECK(log == "axbc");
  CHECK(localizer->listenerCount() == 2);
  s::lang::selectLanguage(*localizer, u"German");
  CHECK(log == "axbcbc");
  localizer->removeListener(&after);
  localizer->removeListener(&removed);
}
