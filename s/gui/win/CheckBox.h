#pragma once

#include "s/base/Owned.h"
#include "s/gui/drawer/ICheckBox.h"
#include "s/gui/drawer/checkbox/Thin.h"
#include "s/gui/win/DrawerRef.h"
#include "s/gui/win/MarkControl.h"

namespace s::gui::win {

// A box that a click ticks and unticks, with a caption beside it.
class CheckBox final : public MarkControl {
 public:
  CheckBox();

  const char16_t* className() const override { return u"s_gui_win_CheckBox"; }
  s::base::IObject* newInstance() const override;
  void release() override;
  void reset() override;

  // Owned drawers go back to their pool; null returns to the control's own.
  void setDrawer(s::gui::drawer::ICheckBox* drawer, bool owned);
  s::gui::drawer::ICheckBox* drawer() const { return drawer_ ? drawer_.get() : ownDrawer_.get(); }

 protected:
  bool checkedAfterClick(bool checked) const override;
  void paintMark(s::gui::drawer::ISurface& surface, const s::gui::drawer::Rect& rect,
                 const s::gui::win::FontSetting& font, bool hot) override;
  s::gui::drawer::TextMeasure measureMark(s::gui::drawer::ISurface& surface,
                                          const s::gui::win::FontSetting& font) override;

 private:
  DrawerRef<s::gui::drawer::ICheckBox> drawer_;
  s::base::Owned<s::gui::drawer::checkbox::win::Thin> ownDrawer_;
};

}  // namespace s::gui::win
