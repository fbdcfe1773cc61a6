// Verbs about menus: a title of a drawn menu bar is clicked at a point the caller knows, the
// native pop-up it opens is read through the probe and an item chosen by its text.

#include "../Text.h"
#include "Menus.h"
#include "Steps.h"
#include "Windows.h"

namespace e2e {

namespace {

// A click on a title that has just closed its menu may be ignored by the bar; a user then
// clicks again.
constexpr DWORD kFirstOpenMs = 1500;

int waitPopup(DWORD pid, DWORD timeoutMs, HWND* popup, std::string* error) {
  if (!waitUntil(timeoutMs, [&] { return (*popup = openPopupNow(pid)) != nullptr; })) {
    *error = "no menu opened within " + std::to_string(timeoutMs) + " ms";
    return kFailed;
  }
  return kOk;
}

// Clicks the title at at= and waits for its pop-up.
int openMenu(const Step& step, Context& context, DWORD timeout, InputMode mode, HWND* popup,
             std::string* error) {
  HWND top = nullptr;
  HWND control = nullptr;
  int found = findTopAndControl(step, context, timeout, &top, &control, error);
  if (found != kOk) return found;
  int x = 0;
  int y = 0;
  if (!step.point("at", &x, &y, error)) return kUsage;
  HWND base = control != nullptr ? control : top;
  POINT screen{x, y};
  ClientToScreen(base, &screen);
  DWORD pid = e2e::processOf(top);
  std::string report;
  for (int attempt = 0; attempt < 2; ++attempt) {
    if (!clickAt(top, screen, mode, &report, error)) return kFailed;
    DWORD wait = attempt == 0 && timeout > kFirstOpenMs ? kFirstOpenMs : timeout;
    if (waitPopup(pid, wait, popup, error) == kOk) return kOk;
  }
  return kFailed;
}

void printMenu(const MenuView& view) {
  say("menu " + handleText(view.popup) + " items=" + std::to_string(view.entries.size()));
  for (std::size_t i = 0; i < view.entries.size(); ++i) {
    say(describeEntry(static_cast<int>(i), view.entries[i]));
  }
}

// The entry a step names, by item= (its text) or index= (its place); -1 with error set.
int entryOf(const Step& step, const MenuView& view, int* outcome, std::string* error) {
  *outcome = kUsage;
  if (step.has("item")) {
    std::u16string label;
    if (!step.text("item", &label, error)) return -1;
    int index = view.find(label);
    if (index < 0) {
      printMenu(view);
      *error = "the menu has no item " + escapeText(label);
      *outcome = kFailed;
    }
    return index;
  }
  std::int64_t position = -1;
  if (!step.integer("index", -1, &position, error)) return -1;
  if (position < 0 || position >= static_cast<std::int64_t>(view.entries.size())) {
    *error = "give item= (its text) or index= (its position)";
    return -1;
  }
  return static_cast<int>(position);
}

// After a failure the menu must not stay open: it would hold the program in its loop.
int closingOnFailure(int outcome, DWORD pid, InputMode mode, DWORD timeout) {
  if (outcome != kOk && openPopupNow(pid) != nullptr) {
    std::string ignored;
    closeMenus(pid, mode, timeout, &ignored);
  }
  return outcome;
}

}  // namespace

int menuStep(const Step& step, Context& context, std::string* error, bool* known) {
  *known = true;
  const std::string& verb = step.verb;
  bool menuVerb = verb == "menu" || verb == "menu-items";
  bool popupVerb = verb == "popup-items" || verb == "popup-choose" || verb == "popup-close";
  if (!menuVerb && !popupVerb) {
    *known = false;
    return kUsage;
  }
  bool allowed =
      menuVerb ? step.onlyKeys({E2E_WINDOW_KEYS, E2E_CONTROL_KEYS, "timeout", "at", "item", "index",
                                "by", "input"},
                               error)
               : step.onlyKeys({"pid", "exe", "timeout", "item", "index", "by", "input"}, error);
  bool bad = false;
  DWORD timeout = timeoutOf(step, context, error, &bad);
  InputMode mode = context.input;
  if (!allowed || bad || !inputModeOf(step, context.input, &mode, error)) return kUsage;

  const std::string* by = step.raw("by");
  if (by != nullptr && *by != "keys" && *by != "mouse") {
    *error = "by= is keys or mouse";
    return kUsage;
  }
  bool byMouse = by != nullptr && *by == "mouse";
  DWORD pid = 0;
  if (!menuVerb) {
    int named = stepProcess(step, context, &pid, error);
    if (named != kOk) return named;
    if (verb == "popup-close") {
      if (!closeMenus(pid, mode, timeout, error)) return kFailed;
      say("menus closed");
      return kOk;
    }
  }
  bool listing = verb == "menu-items" || verb == "popup-items";
  // A menu of the bar that closes by itself before it is read or chosen from is opened again,
  // twice at most, as a user would.
  for (int attempt = 0;; ++attempt) {
    HWND popup = nullptr;
    int opened = menuVerb ? openMenu(step, context, timeout, mode, &popup, error)
                          : waitPopup(pid, timeout, &popup, error);
    if (menuVerb) pid = context.pid;
    if (opened != kOk) return closingOnFailure(opened, pid, mode, timeout);
    bool again = menuVerb && attempt < 2;
    MenuView view;
    if (!readMenu(popup, &view, error)) {
      if (again && menuGone(popup)) {
        complain("e2e_driver: the menu closed by itself; opening it again");
        continue;
      }
      return closingOnFailure(kFailed, pid, mode, timeout);
    }
    if (listing) {
      printMenu(view);
      if (verb == "menu-items" && !closeMenus(pid, mode, timeout, error)) return kFailed;
      return kOk;
    }
    int outcome = kOk;
    int index = entryOf(step, view, &outcome, error);
    if (index < 0) return closingOnFailure(outcome, pid, mode, timeout);
    std::string chosen = describeEntry(index, view.entries[static_cast<std::size_t>(index)]);
    Choice choice = chooseEntry(view, index, byMouse, mode, timeout, error);
    if (choice == Choice::kChosen) {
      say("chose " + chosen);
      return kOk;
    }
    if (choice == Choice::kMenuGone && again) {
      complain("e2e_driver: the menu closed by itself; opening it again");
      continue;
    }
    return closingOnFailure(kFailed, pid, mode, timeout);
  }
}

}  // namespace e2e
