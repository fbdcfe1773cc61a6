#pragma once

#include <windows.h>

#include <cstdint>

#include "s/base/Owned.h"
#include "s/gui/ContainerBase.h"
#include "s/gui/drawer/IGroupBox.h"
#include "s/gui/drawer/groupbox/Thin.h"
#include "s/gui/win/DrawerRef.h"
#include "s/gui/win/Font.h"
#include "s/str/strbuffer/StrBuffer.h"

namespace s::gui::win {

// A frame with a caption in its top edge around a column of controls. Its margins keep the
// children inside the frame.
class GroupBox final : public s::gui::ContainerBase {
 public:
  GroupBox();

  const char16_t* className() const override { return u"s_gui_win_GroupBox"; }
  s::base::IObject* newInstance() const override;
  void release() override;
  void reset() override;

  void setText(const char16_t* text);
  const s::str::strbuffer::StrBuffer& text() const { return *text_; }
  Font& font() { return *font_; }
  void setDrawer(s::gui::drawer::IGroupBox* drawer, bool owned);

  void setParent(s::gui::IComponent* parent) override;
  bool preHandle(std::intptr_t* result, std::uint32_t message, std::uintptr_t wParam,
                 std::intptr_t lParam) override;
  void postHandle(std::intptr_t* result, std::uint32_t message, std::uintptr_t wParam,
                  std::intptr_t lParam) override;

 private:
  s::gui::drawer::IGroupBox* drawer() const { return drawer_ ? drawer_.get() : ownDrawer_.get(); }
  // Margins around the children: the caption's height on top.
  void fitMargins();
  void paint(HDC dc, const RECT& area);

  s::base::Owned<s::str::strbuffer::StrBuffer> text_;
  s::base::Owned<Font> font_;
  DrawerRef<s::gui::drawer::IGroupBox> drawer_;
  s::base::Owned<s::gui::drawer::groupbox::win::Thin> ownDrawer_;
};

}  // namespace s::gui::win
