#include "pages/frame_drawing.h"

#include <array>
#include <string_view>

#include "pages/skin_catalogue.h"

namespace zalvane::pages {
namespace {

using language::TextSlot;
using ui::TextAlignment;

struct LabelledButton {
    std::string_view image;
    Rect rect;
    TextSlot label;
};

constexpr std::array kBottomButtons{
    LabelledButton{pages::kCancelNormalImage, kResetButton, TextSlot::kReset},
    LabelledButton{pages::kCancelNormalImage, kCancelButton, TextSlot::kCancel},
    LabelledButton{pages::kSaveNormalImage, kSaveButton, TextSlot::kSave},
};

constexpr std::array<TextSlot, kItemCount> kItemCaptions{
    TextSlot::kButtonAssignment, TextSlot::kMacroManager,  TextSlot::kXySensitivitySetting, TextSlot::kDpiSetting,
    TextSlot::kLighting,         TextSlot::kUsbReportRate, TextSlot::kMouseSpeed,           TextSlot::kDoubleClickSpeed,
    TextSlot::kScrollSpeed,      TextSlot::kAngleSnap,     TextSlot::kGestureCorrection,
};

}  // namespace

void DrawFrame(PagePainter& painter)
{
    painter.Image(pages::kMainImage, {0, 0});
    painter.Image(pages::kLogoImage, kLogo.TopLeft());
    painter.Image(pages::kScrollBarImage, kScrollBar.TopLeft());
    painter.Image(pages::kHelpNormalImage, kHelpButton.TopLeft());
    painter.Image(pages::kMinimiseNormalImage, kMinimiseButton.TopLeft());
    painter.Image(pages::kCloseNormalImage, kCloseButton.TopLeft());
    for (const LabelledButton& button : kBottomButtons) {
        painter.Image(button.image, button.rect.TopLeft());
        painter.Text(button.label, button.rect, TextAlignment::kCentre);
    }
    painter.Image(pages::kConfigNormalImage, kConfigButton.TopLeft());
    const Rect configLabel{kConfigButton.left + kConfigLabelInset, kConfigButton.top, kConfigButton.right,
                           kConfigButton.bottom};
    painter.Text(TextSlot::kConfig, configLabel, TextAlignment::kLeft);
}

void DrawMouseSwitches(PagePainter& painter, MouseView view)
{
    const bool front = view == MouseView::kFront;
    painter.Image(front ? pages::kMouseSwitchSelectedImage : pages::kMouseSwitchNormalImage, kFrontSwitch.TopLeft());
    painter.Image(front ? pages::kMouseSwitchNormalImage : pages::kMouseSwitchSelectedImage, kSideSwitch.TopLeft());
    painter.Text(TextSlot::kFront, kFrontSwitch, TextAlignment::kCentre);
    painter.Text(TextSlot::kSide, kSideSwitch, TextAlignment::kCentre);
}

void DrawMousePicture(PagePainter& painter, MouseView view)
{
    if (view == MouseView::kSide) {
        painter.Image(pages::kMouseSideImage, kSidePictureOrigin);
    } else {
        painter.Image(pages::kMouseFrontImage, kFrontPictureOrigin);
    }
}

void DrawItemStrip(PagePainter& painter, Item item, const Rect& strip)
{
    painter.Image(item == Item::kMacroManager ? pages::kMacroManagerStripImage : pages::kItemStripImage,
                  strip.TopLeft());
    const Rect caption{strip.left + kItemCaptionInset, strip.top, strip.right, strip.bottom};
    painter.Text(kItemCaptions[static_cast<std::size_t>(item)], caption, TextAlignment::kLeft);
}

}  // namespace zalvane::pages
