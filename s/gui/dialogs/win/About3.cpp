#include "s/gui/dialogs/win/About3.h"

#include <windows.h>

#include <utility>

#include "s/app/AppWindow.h"
#include "s/app/IAppBase.h"
#include "s/app/win/AppBase.h"
#include "s/archive/icon/Archive.h"
#include "s/gui/AddChild.h"
#include "s/gui/Box.h"
#include "s/gui/Spacer.h"
#include "s/gui/dialogs/win/OpenWithShell.h"
#include "s/gui/drawer/ISkin.h"
#include "s/gui/drawer/IText.h"
#include "s/gui/drawer/Skinner.h"
#include "s/gui/drawer/button/Thin.h"
#include "s/gui/drawer/text/Basic.h"
#include "s/gui/win/Button.h"
#include "s/gui/win/Image.h"
#include "s/gui/win/Label.h"
#include "s/gui/win/MemDC.h"
#include "s/gui/win/Window.h"
#include "s/image/BufferedImage.h"
#include "s/lang/Lang.h"
#include "s/thread/Pool.h"

namespace s::gui::dialogs {

namespace {

using s::base::Owned;
using s::gui::win::Box;
using s::gui::win::Button;
using s::gui::win::Image;
using s::gui::win::Label;
using s::gui::win::Spacer;
using s::gui::win::Window;
using s::image::win::BufferedImage;
using s::thread::obtain;

// Font size codes: 10-point bold for the title, 11-point bold for the name and the donation
// link, 9-point normal for the question.
constexpr std::int32_t kTitleFont = -104;
constexpr std::int32_t kNameFont = -103;
constexpr std::int32_t kQuestionFont = -1;
constexpr std::int32_t kDonationFont = -103;

constexpr std::int32_t kBannerHeight = 100;
constexpr std::int32_t kIconSize = 16;
constexpr std::int32_t kCaptionWidth = 140;
constexpr std::int32_t kRowHeight = 20;

// Spacing and margin apply in both directions.
Owned<Box> newBox(bool row, std::int32_t spacing, std::int32_t margin) {
  auto box = obtain<Box>();
  if (row) {
    box->setModeRow();
  } else {
    box->setModeColumn();
  }
  box->setHorizontalGap(spacing);
  box->setVerticalGap(spacing);
  box->setAllMargins(margin);
  return box;
}

// A spacer that takes room along its box: width in a row, height in a column.
void addSpacer(Box& box, std::int32_t size) {
  auto spacer = obtain<Spacer>();
  if (box.mode() == Box::kRow) {
    spacer->setOrientation(Spacer::kHorizontal);
    spacer->setFixedWidth(size);
  } else {
    spacer->setOrientation(Spacer::kVertical);
    spacer->setFixedHeight(size);
  }
  s::gui::addChild(box, std::move(spacer));
}

// Lays out the boxes from the innermost outwards, so that every box's content results count
// what its children need now that their texts are known.
void relayoutInnermostFirst(s::gui::IComponent& component) {
  for (std::uint32_t i = 0; i < component.childCount(); ++i) {
    relayoutInnermostFirst(*component.childAt(i));
  }
  component.relayout();
}

// The program icon on the body's white, as the image component shows pictures.
Owned<BufferedImage> pictureOfIcon(HICON icon) {
  if (icon == nullptr) return nullptr;
  auto picture = obtain<BufferedImage>();
  if (!picture->create(kIconSize, kIconSize)) return nullptr;
  Owned<s::gui::win::MemDC> memory(s::gui::win::MemDC::create(nullptr, picture.get(), false));
  if (!memory || memory->dc() == nullptr) return nullptr;
  const RECT all{0, 0, kIconSize, kIconSize};
  FillRect(memory->dc(), &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  DrawIconEx(memory->dc(), 0, 0, icon, kIconSize, kIconSize, 0, nullptr, DI_NORMAL);
  memory.reset();
  picture->pixelsChanged();
  return picture;
}

}  // namespace

About3::About3() = default;

About3::~About3() { releaseWindow(); }

s::base::IObject* About3::newInstance() const { return s::thread::takeFromPool<About3>(); }

void About3::release() { s::thread::giveBackToPool(this); }

void About3::reset() {
  releaseWindow();
  if (binding_ != nullptr && binding_->skin() != nullptr) binding_->skin()->removeListener(this);
  bannerPicture_.reset();
  iconPicture_.reset();
  owner_ = nullptr;
  binding_ = nullptr;
  localizer_ = nullptr;
  opener_ = nullptr;
}

void About3::bind(s::app::win::AppWindow* binding) {
  if (binding_ != nullptr && binding_->skin() != nullptr) binding_->skin()->removeListener(this);
  binding_ = binding;
  localizer_ = binding != nullptr ? binding->localizer() : nullptr;
  // Follows the scheme for the windows to come, once per binding rather than once per show.
  if (binding != nullptr && binding->skin() != nullptr) binding->skin()->addListener(this);
}

std::int32_t About3::titleEntry() const {
  return binding_ != nullptr && binding_->titleEntry() > 0 ? binding_->titleEntry()
                                                           : kDefaultTitleEntry;
}

void About3::releaseWindow() {
  // A window given back while open tells no close listener, so its owner is enabled here.
  if (ownerDisabled_.exchange(false) && owner_ != nullptr) owner_->enable(true);
  window_.reset();
  titleLabel_ = nullptr;
  closeBox_ = nullptr;
  closeButton_ = nullptr;
  webLink_ = nullptr;
  donationLink_ = nullptr;
  banner_ = nullptr;
  body_ = nullptr;
  icon_ = nullptr;
  nameLabel_ = nullptr;
  questionLabel_ = nullptr;
  labels_.clear();
}

void About3::show(s::gui::IComponent* owner) {
  releaseWindow();
  owner_ = owner;
  if (binding_ == nullptr) return;
  closeSeen_ = false;
  build();
  layOut();
  window_->show(true, true);
  if (owner_ != nullptr) {
    // The window lives on its own thread and may close at any point here. Its close enables
    // the owner only once the flag says the owner is disabled; a close that came before the
    // flag left closeSeen_ behind, and then the owner is enabled here.
    owner_->enable(false);
    ownerDisabled_ = true;
    if (closeSeen_ && ownerDisabled_.exchange(false)) owner_->enable(true);
  }
}

void About3::layOut() {
  relayoutInnermostFirst(*window_);
  // The window's size comes from its binding, but what it holds must show: the content's fixed
  // sizes, spacers, gaps and margins alone take 287 pixels of the default 285, and its texts
  // come on top (some 320 in all with the platform's fonts).
  const std::int32_t height = window_->minimumHeight();
  if (window_->height() < height) window_->setSize(window_->width(), height);
  window_->relayout();
}

void About3::build() {
  window_ = obtain<Window>();
  window_->setResizableFrame(false);
  window_->setClientEdge(false);
  window_->setMaximizeBox(false);
  window_->setMinimizeBox(false);
  // The binding's own skin makes the window frameless, painted by the scheme's window drawer.
  window_->bind(binding_);
  window_->setTitleEntry(kTitleEntry);

  auto root = newBox(false, 2, 2);
  root->setSize100Percent();
  buildTitleBar(*root);
  addSpacer(*root, 4);
  auto body = newBox(false, 0, 0);
  body->setSize100Percent();
  body->setBackgroundWhite(false);
  buildBody(*body);
  body_ = s::gui::addChild(*root, std::move(body));
  addSpacer(*root, 3);

  auto buttonRow = newBox(true, 0, 0);
  buttonRow->setWidthPercentage(100, false);
  buttonRow->alignCentre();
  auto closeButton = obtain<Button>();
  closeButton->setTextEntryId(kCloseEntry);
  closeButton->setFixedWidth(100);
  closeButton->setFixedHeight(kRowHeight);
  closeButton_ = s::gui::addChild(*buttonRow, std::move(closeButton));
  s::gui::addChild(*root, std::move(buttonRow));

  applyDrawers();

  // Every label but the title and the donation link: the title keeps the scheme's text colour
  // on the window's face. Before the link colours, since a label's colour goes to all its fonts.
  for (std::uint32_t i = 0; i < labels_.count(); ++i) {
    auto* label = static_cast<Label*>(labels_.pointerAt(i));
    if (label != titleLabel_ && label != donationLink_) label->setFontColour(0, 0, 0);
  }
  for (Label* link : {webLink_, donationLink_}) {
    if (link == nullptr) continue;
    link->setLinkMode(true);
    link->addClickListener(this);
    link->stateFont(s::gui::drawer::IText::kLink).setTextColour(0, 170, 0);
    link->stateFont(s::gui::drawer::IText::kLinkHot).setTextColour(170, 170, 0);
  }

  for (Button* button : {closeButton_, closeBox_}) {
    button->addClickListener(window_.get());
    window_->addCloseButton(button);
  }
  window_->addCloseListener(this);

  // One crossing to the window's thread creates the whole tree's native windows.
  s::gui::addChild(*window_, std::move(root));
}

Box* About3::buildTitleBar(Box& root) {
  auto bar = newBox(true, 0, 1);
  bar->setWidthPercentage(100, false);
  bar->alignMiddle();
  addSpacer(*bar, 54);
  // The 54 pixels on the left balance the close box and its spacer, so the title is centred.
  auto titleBox = newBox(false, 0, 0);
  titleBox->setWidthPercentage(100, false);
  titleBox->alignCentre();
  titleLabel_ = addLabel(*titleBox, kTitleEntry, kTitleFont);
  s::gui::addChild(*bar, std::move(titleBox));
  addSpacer(*bar, 4);
  auto closeBox = obtain<Button>();
  closeBox->setText(u"#X");
  closeBox->setFixedWidth(50);
  closeBox->setFixedHeight(14);
  closeBox_ = s::gui::addChild(*bar, std::move(closeBox));
  return s::gui::addChild(root, std::move(bar));
}

void About3::buildBody(Box& body) {
  const s::app::IAppBase* application = binding_->application();
  const auto* base = dynamic_cast<const s::app::win::AppBase*>(application);

  auto banner = obtain<Image>();
  if (!bannerPicture_ && base != nullptr && base->image131() != nullptr &&
      !base->image131()->isEmpty()) {
    bannerPicture_.reset(base->image131()->toBufferedImage());
  }
  if (bannerPicture_) banner->setPicture(bannerPicture_.get(), false);
  // The picture's own size would hold the body at 700 pixels: the banner takes what it is given.
  banner->setDefaultSizes(0, 0, 0, 0);
  banner->setWidthPercentage(100);
  banner->setFixedHeight(kBannerHeight);
  banner_ = s::gui::addChild(body, std::move(banner));

  auto nameRow = newBox(true, 7, 0);
  nameRow->setWidthPercentage(100, false);
  nameRow->setFixedHeight(22, false);
  nameRow->alignMiddle();
  auto icon = obtain<Image>();
  if (!iconPicture_ && application != nullptr && application->iconSet() != nullptr) {
    iconPicture_ = pictureOfIcon(static_cast<HICON>(application->iconSet()->icon(kIconSize)));
  }
  if (iconPicture_) icon->setPicture(iconPicture_.get(), false);
  icon->setFixedWidth(kIconSize);
  icon->setFixedHeight(kIconSize);
  icon_ = s::gui::addChild(*nameRow, std::move(icon));
  addSpacer(*nameRow, 5);
  nameLabel_ = addLabel(*nameRow, titleEntry(), kNameFont);
  s::gui::addChild(body, std::move(nameRow));
  addSpacer(body, 3);

  buildInformation(body);
}

void About3::buildInformation(Box& body) {
  auto information = newBox(false, 0, 0);
  information->setSize100Percent();
  const std::int32_t title = titleEntry();
  const std::int32_t rows[][2] = {
      {kVersionCaptionEntry, title + kVersionOffset},
      {kUpdatedCaptionEntry, title + kUpdatedOffset},
      {kLicenceCaptionEntry, title + kLicenceOffset},
      {kAddressCaptionEntry, kAddressEntry},
  };
  for (const auto& entries : rows) {
    auto row = newBox(true, 7, 0);
    row->setWidthPercentage(100, false);
    auto caption = newBox(false, 0, 0);
    caption->setFixedWidth(kCaptionWidth, false);
    caption->setFixedHeight(kRowHeight, false);
    caption->alignMiddle();
    addLabel(*caption, entries[0], 0);
    s::gui::addChild(*row, std::move(caption));
    auto value = newBox(false, 0, 0);
    value->setWidthPercentage(100, false);
    value->setFixedHeight(kRowHeight, false);
    value->alignMiddle();
    Label* label = addLabel(*value, entries[1], 0);
    if (entries[1] == kAddressEntry) webLink_ = label;
    s::gui::addChild(*row, std::move(value));
    s::gui::addChild(*information, std::move(row));
  }
  buildDonation(*information);
  s::gui::addChild(body, std::move(information));
}

void About3::buildDonation(Box& information) {
  const s::app::IAppBase* application = binding_->application();
  addSpacer(information, 7);
  // Only the freeware edition asks for a donation.
  if (application == nullptr || !application->isFreeware()) return;
  auto donation = newBox(false, 7, 0);
  donation->setWidthPercentage(100, false);
  auto outer = newBox(false, 2, 2);
  outer->setWidthPercentage(100, false);
  outer->setBackgroundRgb(154, 206, 2, false);
  auto inner = newBox(false, 3, 3);
  inner->setWidthPercentage(100, false);
  inner->setBackgroundRgb(238, 250, 199, false);
  inner->alignBottom();
  questionLabel_ = addLabel(*inner, titleEntry() + kQuestionOffset, kQuestionFont);
  donationLink_ = addLabel(*inner, titleEntry() + kDonationOffset, kDonationFont);
  s::gui::addChild(*outer, std::move(inner));
  s::gui::addChild(*donation, std::move(outer));
  s::gui::addChild(information, std::move(donation));
  addSpacer(information, 7);
}

Label* About3::addLabel(Box& box, std::int32_t entry, std::int32_t sizeCode) {
  auto label = obtain<Label>();
  label->setTextEntryId(entry);
  if (sizeCode != 0) label->setFontSizeCode(sizeCode);
  labels_.appendPointer(label.get());
  return s::gui::addChild(box, std::move(label));
}

void About3::applyDrawers() {
  s::gui::drawer::Skinner* skin = binding_ != nullptr ? binding_->skin() : nullptr;
  s::gui::drawer::ISkin* scheme = skin != nullptr ? skin->currentScheme() : nullptr;
  if (scheme == nullptr) return;
  if (closeBox_ != nullptr) closeBox_->setDrawer(scheme->buttonDrawer(), false);
  if (closeButton_ != nullptr) closeButton_->setDrawer(scheme->buttonDrawer(), false);
  for (std::uint32_t i = 0; i < labels_.count(); ++i) {
    static_cast<Label*>(labels_.pointerAt(i))->setDrawer(scheme->textDrawer(), false);
  }
}

void About3::event(s::base::IObject* source, std::int32_t code) {
  if (source == nullptr) return;
  if (window_ &&
      source == static_cast<s::base::IObject*>(static_cast<s::gui::IWindow*>(window_.get()))) {
    if (code != s::gui::IWindow::kClose) return;
    closeSeen_ = true;
    if (ownerDisabled_.exchange(false) && owner_ != nullptr) owner_->enable(true);
    return;
  }
  if (webLink_ != nullptr && source == static_cast<s::base::IObject*>(webLink_)) {
    openPage(webLink_->text().text());
    return;
  }
  if (donationLink_ != nullptr && source == static_cast<s::base::IObject*>(donationLink_)) {
    if (localizer_ != nullptr) {
      openPage(s::lang::textOf(*localizer_, titleEntry() + kDonationAddressOffset));
    }
    return;
  }
  if (binding_ != nullptr && binding_->skin() != nullptr &&
      source == static_cast<s::base::IObject*>(binding_->skin()) && window_) {
    applyDrawers();
    window_->redraw();
  }
}

void About3::openPage(const char16_t* address) const {
  if (address == nullptr || *address == 0) return;
  // A failing shell call is ignored; the window stays open.
  (opener_ != nullptr ? opener_ : &openWithShell)(address);
}

}  // namespace s::gui::dialogs
