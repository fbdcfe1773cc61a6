#include <doctest/doctest.h>

#include <cstdint>

#include "s/gui/HoverTracker.h"

using s::gui::HoverTracker;

namespace {

constexpr std::uint32_t kRepaint = HoverTracker::kRepaint;
constexpr std::uint32_t kCapture = HoverTracker::kCapture;
constexpr std::uint32_t kRelease = HoverTracker::kReleaseCapture;
constexpr std::uint32_t kClick = HoverTracker::kClick;

}  // namespace

TEST_CASE("hovering takes the mouse once and gives it back on leaving") {
  HoverTracker tracker;
  CHECK(tracker.moved(true, false) == (kRepaint | kCapture));
  CHECK(tracker.state() == HoverTracker::kHover);
  // Further moves inside change nothing and do not capture again.
  CHECK(tracker.moved(true, false) == 0);
  CHECK(tracker.moved(false, false) == (kRepaint | kRelease));
  CHECK(tracker.state() == HoverTracker::kNone);
  CHECK(tracker.moved(false, false) == 0);
}

TEST_CASE("a release inside after a press inside is a click, and only that") {
  struct Case {
    const char* name;
    bool releaseInside;
    bool draggedOut;
    bool clicks;
  };
  const Case cases[] = {
      {"press and release in place", true, false, true},
      {"drag out and back before releasing", true, true, true},
      {"release outside", false, false, false},
      {"drag out and release outside", false, true, false},
  };
  for (const Case& c : cases) {
    CAPTURE(c.name);
    HoverTracker tracker;
    tracker.moved(true, false);
    CHECK(tracker.pressed(true) == kRepaint);
    CHECK(tracker.state() == HoverTracker::kPressed);
    if (c.draggedOut) {
      CHECK(tracker.moved(false, true) == kRepaint);
      CHECK(tracker.state() == HoverTracker::kNone);
      if (c.releaseInside) CHECK(tracker.moved(true, true) == kRepaint);
    }
    const std::uint32_t actions = tracker.released(c.releaseInside);
    CHECK(((actions & kClick) != 0) == c.clicks);
    CHECK(tracker.state() == (c.releaseInside ? HoverTracker::kHover : HoverTracker::kNone));
    // The mouse stays taken while it is over the control, and is given back off it.
    CHECK(((actions & kRelease) != 0) == !c.releaseInside);
    CHECK_FALSE(tracker.isPressed());
  }
}

TEST_CASE("a press that began elsewhere never clicks, and a lost capture ends the press") {
  HoverTracker tracker;
  // Pressed outside, the button held while moving in, released inside.
  tracker.pressed(false);
  CHECK(tracker.moved(true, true) == 0);
  CHECK((tracker.released(true) & kClick) == 0);

  HoverTracker lost;
  lost.moved(true, false);
  lost.pressed(true);
  CHECK(lost.captureLost() == kRepaint);
  CHECK(lost.state() == HoverTracker::kNone);
  // The capture is gone, so the next hover takes it again.
  CHECK((lost.moved(true, false) & kCapture) != 0);
  CHECK((lost.released(true) & kClick) == 0);
}

TEST_CASE("a press without a hover first still takes the mouse") {
  HoverTracker tracker;
  CHECK(tracker.pressed(true) == (kRepaint | kCapture));
  CHECK((tracker.released(true) & kClick) != 0);
}
