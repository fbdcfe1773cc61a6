#pragma once

#include <cstdint>

#include "s/base/Owned.h"
#include "s/gui/FontSetting.h"
#include "s/gui/drawer/Pooled.h"
#include "s/gui/drawer/TextMeasure.h"
#include "s/gui/drawer/text/Basic.h"
#include "s/thread/Pool.h"

namespace s::gui::drawer {

// The caption half of drawers that show a text beside or on their mark (check boxes, radio
// buttons, group boxes): a caption drawer whose first two settings give the normal and the
// disabled caption colour.
template <class Self, class Interface>
class Captioned : public Pooled<Self, Interface> {
 public:
  Colour captionColour() const override {
    return caption_->fontSetting(IText::kNormal).textColour();
  }
  void setCaptionColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) override {
    caption_->fontSetting(IText::kNormal).setTextColour(red, green, blue);
  }
  Colour disabledCaptionColour() const override {
    return caption_->fontSetting(IText::kDisabled).textColour();
  }
  void setDisabledCaptionColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) override {
    caption_->fontSetting(IText::kDisabled).setTextColour(red, green, blue);
  }
  IText& captionDrawer() override { return *caption_; }

 protected:
  // A fresh caption drawer in place of the one used so far.
  void takeCaptionDrawer() { caption_ = s::thread::obtain<text::win::Basic>(); }
  // The control's own font (may be null) completed from the caption setting for the state.
  s::gui::win::FontSetting captionFontFor(const s::gui::win::FontSetting* font, bool enabled,
                                          bool hot) {
    const s::gui::win::FontSetting& state = caption_->stateFont(enabled, false, hot ? 1 : 0);
    return font != nullptr ? font->filledFrom(state) : state;
  }
  // The caption's measure, widened by a mark as high as the caption and a sixth of it as gap.
  TextMeasure measureBesideMark(ISurface& surface, const char16_t* caption,
                                const s::gui::win::FontSetting* font) {
    TextMeasure size = caption_->measure(surface, caption, captionFontFor(font, true, false));
    const std::int32_t room = size.preferredHeight + size.preferredHeight / 6;
    size.minimumWidth += room;
    size.preferredWidth += room;
    return size;
  }
  text::win::Basic& captionTextDrawer() { return *caption_; }

 private:
  s::base::Owned<text::win::Basic> caption_ = s::thread::obtain<text::win::Basic>();
};

}  // namespace s::gui::drawer
