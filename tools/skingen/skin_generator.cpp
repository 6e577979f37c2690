#include "skin_generator.h"

#include <filesystem>
#include <fstream>

#include "button_art.h"
#include "contact_sheet.h"
#include "dialog_art.h"
#include "frame_art.h"
#include "icon_art.h"
#include "mouse_art.h"
#include "pages/skin_catalogue.h"
#include "panel_art.h"
#include "preview.h"

namespace zalvane::skingen {
namespace {

void AddMouseImages(SkinSet& skin, const Image& frame)
{
    struct View {
        MouseView view;
        std::string_view picture;
        std::string_view normal;
        std::string_view over;
    };
    const View views[] = {
        {MouseView::kFront, pages::kMouseFrontImage, pages::kFrontSpotNormalPattern, pages::kFrontSpotOverPattern},
        {MouseView::kSide, pages::kMouseSideImage, pages::kSideSpotNormalPattern, pages::kSideSpotOverPattern},
    };
    for (const View& v : views) {
        const Image picture = RenderMousePicture(v.view, 0, frame);
        const Point origin = PictureRect(v.view).TopLeft();
        const auto spots = SpotRects(v.view);
        for (std::size_t i = 0; i < spots.size(); ++i) {
            const int spot = static_cast<int>(i) + 1;
            const Rect local = spots[i].Offset(-origin.x, -origin.y);
            skin.Add(pages::SkinImageName(v.normal, spot), picture.Crop(local));
            skin.Add(pages::SkinImageName(v.over, spot), RenderMousePicture(v.view, spot, frame).Crop(local));
        }
        skin.Add(v.picture, picture.Copy());
    }
}

bool WriteBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}

std::string Joined(const std::vector<std::string>& names)
{
    std::string text;
    for (const std::string& name : names) {
        text += (text.empty() ? "" : ", ") + name;
    }
    return text;
}

}  // namespace

SkinSet BuildDefaultSkin()
{
    SkinSet skin;
    const Image frame = RenderMainFrame();
    AddFrameImages(skin, frame);
    skin.Add(pages::kStartImage, RenderSplash());
    AddButtonImages(skin);
    AddPanelImages(skin);
    AddDialogImages(skin);
    AddMouseImages(skin, frame);
    return skin;
}

bool GenerateAll(const std::string& out, std::string& error)
{
    namespace fs = std::filesystem;
    const SkinSet skin = BuildDefaultSkin();
    if (const auto missing = skin.Missing(); !missing.empty()) {
        error = "the skin lacks " + Joined(missing);
        return false;
    }
    if (const auto unexpected = skin.Unexpected(); !unexpected.empty()) {
        error = "the skin holds names the program never asks for: " + Joined(unexpected);
        return false;
    }

    const fs::path root(out);
    std::error_code code;
    // Start from an empty skin folder so that no image of an earlier run lingers.
    fs::remove_all(root / "Skins" / kSkinName, code);
    if (!skin.WriteTo((root / "Skins" / kSkinName).string(), error)) {
        return false;
    }
    fs::create_directories(root / "resources", code);
    if (code) {
        error = "cannot create " + (root / "resources").string() + ": " + code.message();
        return false;
    }
    if (!WriteBytes(root / "resources" / "zalvane.ico", BuildIconFile())) {
        error = "cannot write " + (root / "resources" / "zalvane.ico").string();
        return false;
    }
    if (!WritePng(RenderScrollThumb(), (root / "resources" / "thumb.png").string())) {
        error = "cannot write " + (root / "resources" / "thumb.png").string();
        return false;
    }
    const std::vector<Image> previews = RenderPreviews(skin);
    fs::create_directories(root / "previews", code);
    for (std::size_t i = 0; i < previews.size(); ++i) {
        const fs::path path = root / "previews" / ("preview-" + std::to_string(i + 1) + ".png");
        if (!WritePng(previews[i], path.string())) {
            error = "cannot write " + path.string();
            return false;
        }
    }
    if (!WritePng(RenderContactSheet(skin, previews), (root / "contact-sheet.png").string())) {
        error = "cannot write " + (root / "contact-sheet.png").string();
        return false;
    }
    return true;
}

}  // namespace zalvane::skingen
