#pragma once

#include <cstdint>

#include "s/gui/IComponent.h"

namespace s::gui {

// A component that places children: the box and the top-level window. Its layout (its own
// arrangement or an attached manager) leaves the content results behind, which its size
// rules then read.
class IContainer : public virtual IComponent {
 public:
  // Arrangement codes, also the box's modes.
  static constexpr std::int32_t kRow = 0;
  static constexpr std::int32_t kColumn = 1;
  static constexpr std::int32_t kFlow = 2;
  static constexpr std::int32_t kPile = 3;
  // An attached manager other than the shared ones.
  static constexpr std::int32_t kOther = -1;

  // How the children are placed at present: the attached manager's arrangement, else the own.
  virtual std::int32_t arrangement() const = 0;

  virtual std::int32_t leftMargin() const = 0;
  virtual std::int32_t rightMargin() const = 0;
  virtual std::int32_t topMargin() const = 0;
  virtual std::int32_t bottomMargin() const = 0;

  // What the last layout found: the largest child minimum and preferred width or height
  // across the arrangement, and the totals along it.
  virtual std::int32_t contentMinimumWidth() const = 0;
  virtual std::int32_t contentMinimumHeight() const = 0;
  virtual std::int32_t contentPreferredWidth() const = 0;
  virtual std::int32_t contentPreferredHeight() const = 0;
  virtual void setContentResults(std::int32_t minimumWidth, std::int32_t minimumHeight,
                                 std::int32_t preferredWidth, std::int32_t preferredHeight) = 0;

  // While suspended, relayout does nothing.
  virtual bool isLayoutSuspended() const = 0;
  virtual void suspendLayout(bool suspended) = 0;
};

}  // namespace s::gui
