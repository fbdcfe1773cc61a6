#pragma once

#include "s/base/Owned.h"
#include "s/gui/drawer/IRadioButton.h"
#include "s/gui/drawer/radiobutton/Thin.h"
#include "s/gui/win/DrawerRef.h"
#include "s/gui/win/MarkControl.h"

namespace s::gui::win {

// One choice among the radio buttons of the same parent: a click chooses it and clears the others;
// a chosen one stays chosen.
class RadioButton final : public MarkControl {
 public:
  RadioButton();

  const char16_t* className() const override { return u"s_gui_win_RadioButton"; }
  s::base::IObject* newInstance() const override;
  void release() override;
  void reset() override;

  // Owned drawers go back to their pool; null returns to the control's own.
  void setDrawer(s::gui::drawer::IRadioButton* drawer, bool owned);
  s::gui::drawer::IRadioButton* drawer() const {
    return drawer_ ? drawer_.get() : ownDrawer_.get();
  }

 protected:
  bool checkedAfterClick(bool checked) const override;
  void checkedByClick() override;
  void paintMark(s::gui::drawer::ISurface& surface, const s::gui::drawer::Rect& rect,
                 const s::gui::win::FontSetting& font, bool hot) override;
  s::gui::drawer::TextMeasure measureMark(s::gui::drawer::ISurface& surface,
                                          const s::gui::win::FontSetting& font) override;

 private:
  DrawerRef<s::gui::drawer::IRadioButton> drawer_;
  s::base::Owned<s::gui::drawer::radiobutton::win::Thin> ownDrawer_;
};

}  // namespace s::gui::win
