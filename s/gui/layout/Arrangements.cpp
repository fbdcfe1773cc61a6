#include "s/gui/layout/Arrangements.h"

#include <algorithm>
#include <vector>

#include "s/gui/IContainer.h"

namespace s::gui::layout {

namespace {

// One axis of a linear arrangement: "main" runs along the children, "cross" across them.
struct Axes {
  bool vertical;

  std::int32_t main(const IComponent* c) const { return vertical ? c->height() : c->width(); }
  std::int32_t cross(const IComponent* c) const { return vertical ? c->width() : c->height(); }
  std::int32_t minimumMain(const IComponent* c) const {
    return vertical ? c->minimumHeight() : c->minimumWidth();
  }
  std::int32_t minimumCross(const IComponent* c) const {
    return vertical ? c->minimumWidth() : c->minimumHeight();
  }
  std::int32_t preferredMain(const IComponent* c) const {
    return vertical ? c->preferredHeight() : c->preferredWidth();
  }
  std::int32_t preferredCross(const IComponent* c) const {
    return vertical ? c->preferredWidth() : c->preferredHeight();
  }
  std::int32_t innerMain(const IContainer& c) const {
    return vertical ? c.innerHeight() : c.innerWidth();
  }
  std::int32_t innerCross(const IContainer& c) const {
    return vertical ? c.innerWidth() : c.innerHeight();
  }
  void sizeWithinLimits(IComponent* c, std::int32_t main, std::int32_t cross) const {
    if (vertical) {
      c->setSizeWithinLimits(cross, main);
    } else {
      c->setSizeWithinLimits(main, cross);
    }
  }
  void bounds(IComponent* c, std::int32_t mainAt, std::int32_t crossAt, std::int32_t main,
              std::int32_t cross) const {
    if (vertical) {
      c->setBounds(crossAt, mainAt, cross, main);
    } else {
      c->setBounds(mainAt, crossAt, main, cross);
    }
  }
};

// Where a piece of size `size` starts in `room` by an alignment code; only spare room moves it.
std::int32_t aligned(std::int32_t alignment, std::int32_t room, std::int32_t size) {
  const std::int32_t spare = room - size;
  if (spare < 1) return 0;
  if (alignment == Arrangements::kCentre) return spare / 2;
  if (alignment == Arrangements::kEnd) return spare;
  return 0;
}

// Hands `extra` pixels to pieces below their preferred size: in proportion to what each
// lacks (truncated) when there is not enough for all, then the rest one piece after another;
// with room for all, every piece gets its preferred size. Returns what is left over.
std::int32_t distribute(std::vector<std::int32_t>& sizes, const std::vector<std::int32_t>& wanted,
                        std::int32_t available, std::int32_t total, std::int32_t totalWanted) {
  std::int32_t extra = available - total;
  if (extra < 1 || total >= totalWanted) return std::max(extra, 0);
  if (available >= totalWanted) {
    for (std::size_t i = 0; i < sizes.size(); ++i) sizes[i] = std::max(sizes[i], wanted[i]);
    return available - totalWanted;
  }
  const float factor = static_cast<float>(extra) / static_cast<float>(totalWanted - total);
  for (std::size_t i = 0; i < sizes.size(); ++i) {
    if (sizes[i] >= wanted[i]) continue;
    const auto growth =
        static_cast<std::int32_t>(static_cast<float>(wanted[i] - sizes[i]) * factor);
    sizes[i] += growth;
    extra -= growth;
  }
  for (std::size_t i = 0; i < sizes.size() && extra > 0; ++i) {
    const std::int32_t take = std::min(extra, wanted[i] - sizes[i]);
    if (take <= 0) continue;
    sizes[i] += take;
    extra -= take;
  }
  return extra;
}

// Unless the container defers already (an outer pass applies everything at its end), the
// children defer for this pass.
class DeferredPass {
 public:
  explicit DeferredPass(IContainer& container)
      : container_(container), owner_(!container.isDeferring()) {
    if (!owner_) return;
    for (std::uint32_t i = 0; i < container_.childCount(); ++i) {
      container_.childAt(i)->beginDeferring(true);
    }
  }
  ~DeferredPass() {
    if (!owner_) return;
    for (std::uint32_t i = 0; i < container_.childCount(); ++i) {
      IComponent* child = container_.childAt(i);
      child->endDeferring(true);
      child->redraw();
    }
  }
  DeferredPass(const DeferredPass&) = delete;
  DeferredPass& operator=(const DeferredPass&) = delete;

 private:
  IContainer& container_;
  bool owner_;
};

void linear(IContainer& container, const Axes& axes, std::int32_t mainAlignment,
            std::int32_t crossAlignment, std::int32_t gap) {
  const std::uint32_t count = container.childCount();
  DeferredPass pass(container);

  std::int32_t widestMinimum = 0;
  for (std::uint32_t i = 0; i < count; ++i) {
    widestMinimum = std::max(widestMinimum, axes.minimumCross(container.childAt(i)));
  }
  const std::int32_t across = std::max(axes.innerCross(container), widestMinimum);

  std::vector<std::int32_t> sizes(count);
  std::vector<std::int32_t> wanted(count);
  std::int32_t total = 0;
  std::int32_t totalWanted = 0;
  std::int32_t widestPreferred = 0;
  // The gap before the trailing run of empty children, which nothing follows.
  std::int32_t trailingGap = 0;
  for (std::uint32_t i = 0; i < count; ++i) {
    IComponent* child = container.childAt(i);
    axes.sizeWithinLimits(child, 0, across);
    sizes[i] = axes.main(child);
    wanted[i] = std::max(sizes[i], axes.preferredMain(child));
    const std::int32_t gapBefore = i > 0 && sizes[i - 1] >= 1 ? gap : 0;
    total += gapBefore + sizes[i];
    totalWanted += gapBefore + wanted[i];
    if (sizes[i] >= 1) {
      trailingGap = 0;
    } else if (gapBefore != 0) {
      trailingGap = gapBefore;
    }
    widestPreferred = std::max(widestPreferred, axes.preferredCross(child));
  }
  total -= trailingGap;
  totalWanted -= trailingGap;

  const std::int32_t available = std::max(axes.innerMain(container), total);
  const std::int32_t extra = distribute(sizes, wanted, available, total, totalWanted);

  std::int32_t at = aligned(mainAlignment, extra, 0);
  for (std::uint32_t i = 0; i < count; ++i) {
    IComponent* child = container.childAt(i);
    if (i > 0 && sizes[i - 1] >= 1) at += gap;
    const std::int32_t cross = axes.cross(child);
    axes.bounds(child, at, aligned(crossAlignment, across, cross), sizes[i], cross);
    at += sizes[i];
  }

  if (axes.vertical) {
    container.setContentResults(widestMinimum, total, widestPreferred, totalWanted);
  } else {
    container.setContentResults(total, widestMinimum, totalWanted, widestPreferred);
  }
}

}  // namespace

void Arrangements::column(IContainer& container, std::int32_t horizontal, std::int32_t vertical,
                          std::int32_t gap) {
  linear(container, Axes{true}, vertical, horizontal, gap);
}

void Arrangements::row(IContainer& container, std::int32_t horizontal, std::int32_t vertical,
                       std::int32_t gap) {
  linear(container, Axes{false}, horizontal, vertical, gap);
}

void Arrangements::flow(IContainer& container, std::int32_t horizontal, std::int32_t vertical,
                        std::int32_t horizontalGap, std::int32_t verticalGap) {
  const std::uint32_t count = container.childCount();
  DeferredPass pass(container);

  std::int32_t widestMinimum = 0;
  for (std::uint32_t i = 0; i < count; ++i) {
    widestMinimum = std::max(widestMinimum, container.childAt(i)->minimumWidth());
  }
  const std::int32_t lineRoom = std::max(container.innerWidth(), widestMinimum);

  // Lines of children [first, end): their used width and their minimum and preferred heights.
  struct Line {
    std::uint32_t first;
    std::uint32_t end;
    std::int32_t width;
  };
  std::vector<Line> lines;
  std::vector<std::int32_t> lineHeights;
  std::vector<std::int32_t> lineWanted;
  std::int32_t oneLineWidth = 0;
  bool oneLineHasVisible = false;
  bool lineHasVisible = false;
  for (std::uint32_t i = 0; i < count; ++i) {
    IComponent* child = container.childAt(i);
    child->setSizeWithinLimits(lineRoom, 0);
    if (lines.empty()) {
      lines.push_back(Line{i, i, 0});
      lineHeights.push_back(0);
      lineWanted.push_back(0);
      lineHasVisible = false;
    }
    // Hidden children take no room and no gaps; they ride along at the line's end.
    if (child->isVisible()) {
      const std::int32_t gapBefore = lineHasVisible ? horizontalGap : 0;
      if (lineHasVisible && lines.back().width + gapBefore + child->width() > lineRoom) {
        lines.back().end = i;
        lines.push_back(Line{i, i, 0});
        lineHeights.push_back(0);
        lineWanted.push_back(0);
        lineHasVisible = false;
      }
      Line& line = lines.back();
      line.width += (lineHasVisible ? horizontalGap : 0) + child->width();
      lineHeights.back() = std::max(lineHeights.back(), child->height());
      lineWanted.back() = std::max(lineWanted.back(), child->preferredHeight());
      oneLineWidth += (oneLineHasVisible ? horizontalGap : 0) + child->preferredWidth();
      oneLineHasVisible = true;
      lineHasVisible = true;
    }
  }
  if (!lines.empty()) lines.back().end = count;

  std::int32_t total = 0;
  std::int32_t totalWanted = 0;
  for (std::size_t l = 0; l < lines.size(); ++l) {
    lineWanted[l] = std::max(lineWanted[l], lineHeights[l]);
    const std::int32_t gapBefore = l > 0 ? verticalGap : 0;
    total += gapBefore + lineHeights[l];
    totalWanted += gapBefore + lineWanted[l];
  }
  const std::int32_t available = std::max(container.innerHeight(), total);
  const std::int32_t extra = distribute(lineHeights, lineWanted, available, total, totalWanted);

  std::int32_t top = aligned(vertical, extra, 0);
  for (std::size_t l = 0; l < lines.size(); ++l) {
    if (l > 0) top += verticalGap;
    const Line& line = lines[l];
    std::int32_t left = aligned(horizontal, lineRoom, line.width);
    bool placedVisible = false;
    for (std::uint32_t i = line.first; i < line.end; ++i) {
      IComponent* child = container.childAt(i);
      child->setSizeWithinLimits(child->width(), lineHeights[l]);
      if (child->isVisible() && placedVisible) left += horizontalGap;
      child->setBounds(left, top, child->width(), child->height());
      if (child->isVisible()) {
        left += child->width();
        placedVisible = true;
      }
    }
    top += lineHeights[l];
  }

  container.setContentResults(widestMinimum, total, std::max(oneLineWidth, widestMinimum),
                              totalWanted);
}

void Arrangements::pile(IContainer& container, std::int32_t horizontal, std::int32_t vertical) {
  const std::uint32_t count = container.childCount();
  DeferredPass pass(container);
  const std::int32_t width = container.innerWidth();
  const std::int32_t height = container.innerHeight();
  std::int32_t minimumWidth = 0;
  std::int32_t minimumHeight = 0;
  std::int32_t preferredWidth = 0;
  std::int32_t preferredHeight = 0;
  for (std::uint32_t i = 0; i < count; ++i) {
    IComponent* child = container.childAt(i);
    // Width first: a child's height limits may follow from its width.
    child->setSizeWithinLimits(width, 0);
    child->setSizeWithinLimits(child->width(), height);
    child->setBounds(aligned(horizontal, width, child->width()),
                     aligned(vertical, height, child->height()), child->width(), child->height());
    minimumWidth = std::max(minimumWidth, child->minimumWidth());
    minimumHeight = std::max(minimumHeight, child->minimumHeight());
    preferredWidth = std::max(preferredWidth, child->preferredWidth());
    preferredHeight = std::max(preferredHeight, child->preferredHeight());
  }
  container.setContentResults(minimumWidth, minimumHeight, preferredWidth, preferredHeight);
}

}  // namespace s::gui::layout
