#include "pages/frame_drawing.h"

#include <array>
#include <string_view>

#include "ui/skin_catalogue.h"

namespace zalvane::pages {
namespace {

using dialogs::TextSlot;
using ui::TextAlignment;

struct LabelledButton {
    std::string_view image;
    Rect rect;
    TextSlot label;
};

constexpr std::array kBottomButtons{
    LabelledButton{ui::kCancelNormalImage, kResetButton, TextSlot::Reset},
    LabelledButton{ui::kCancelNormalImage, kCancelButton, TextSlot::Cancel},
    LabelledButton{ui::kSaveNormalImage, kSaveButton, TextSlot::Save},
};

constexpr std::array<TextSlot, kItemCount> kItemCaptions{
    TextSlot::ButtonAssignment, TextSlot::MacroManager,  TextSlot::XySensitivitySetting, TextSlot::DpiSetting,
    TextSlot::Lighting,         TextSlot::UsbReportRate, TextSlot::MouseSpeed,           TextSlot::DoubleClickSpeed,
    TextSlot::ScrollSpeed,      TextSlot::AngleSnap,     TextSlot::GestureCorrection,
};

}  // namespace

void DrawFrame(PagePainter& painter)
{
    painter.Image(ui::kMainImage, {0, 0});
    painter.Image(ui::kLogoImage, kLogo.TopLeft());
    painter.Image(ui::kScrollBarImage, kScrollBar.TopLeft());
    painter.Image(ui::kHelpNormalImage, kHelpButton.TopLeft());
    painter.Image(ui::kMinimiseNormalImage, kMinimiseButton.TopLeft());
    painter.Image(ui::kCloseNormalImage, kCloseButton.TopLeft());
    for (const LabelledButton& button : kBottomButtons) {
        painter.Image(button.image, button.rect.TopLeft());
        painter.Text(button.label, button.rect, TextAlignment::kCentre);
    }
    painter.Image(ui::kConfigNormalImage, kConfigButton.TopLeft());
    const Rect configLabel{kConfigButton.left + kConfigLabelInset, kConfigButton.top, kConfigButton.right,
                           kConfigButton.bottom};
    painter.Text(TextSlot::Config, configLabel, TextAlignment::kLeft);
}

void DrawMouseSwitches(PagePainter& painter, MouseView view)
{
    const bool front = view == MouseView::kFront;
    painter.Image(front ? ui::kMouseSwitchSelectedImage : ui::kMouseSwitchNormalImage, kFrontSwitch.TopLeft());
    painter.Image(front ? ui::kMouseSwitchNormalImage : ui::kMouseSwitchSelectedImage, kSideSwitch.TopLeft());
    painter.Text(TextSlot::Front, kFrontSwitch, TextAlignment::kCentre);
    painter.Text(TextSlot::Side, kSideSwitch, TextAlignment::kCentre);
}

void DrawMousePicture(PagePainter& painter, MouseView view)
{
    if (view == MouseView::kSide)
        painter.Image(ui::kMouseSideImage, kSidePictureOrigin);
    else
        painter.Image(ui::kMouseFrontImage, kFrontPictureOrigin);
}

void DrawItemStrip(PagePainter& painter, Item item, const Rect& strip)
{
    painter.Image(item == Item::MacroManager ? ui::kMacroManagerStripImage : ui::kItemStripImage, strip.TopLeft());
    const Rect caption{strip.left + kItemCaptionInset, strip.top, strip.right, strip.bottom};
    painter.Text(kItemCaptions[static_cast<std::size_t>(item)], caption, TextAlignment::kLeft);
}

}  // namespace zalvane::pages
