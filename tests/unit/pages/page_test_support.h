#pragma once
// Recording ports for the main page's tests: what was drawn, and what happened to the
// child windows.

#include <algorithm>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "pages/geometry_types.h"
#include "ui/canvas.h"
#include "ui/child_controls.h"
#include "ui/image_size.h"

namespace zalvane::pages::testing {

inline constexpr std::string_view kSkinRoot = "S";

class RecordingCanvas final : public ui::Canvas {
public:
    struct Image {
        std::string name;  // without the skin root
        Point at;
        friend bool operator==(const Image&, const Image&) = default;
    };
    struct Text {
        std::string text;
        Rect rect;
        ui::TextAlignment alignment;
        ui::FontRole font;
        friend bool operator==(const Text&, const Text&) = default;
    };

    bool DrawImage(const std::string& path, int x, int y) override
    {
        images.push_back({path.substr(kSkinRoot.size()), {x, y}});
        return true;
    }
    void DrawText(std::string_view text, const Rect& rect, ui::TextAlignment alignment) override
    {
        texts.push_back({std::string(text), rect, alignment, m_font});
    }
    void SetTextStyle(ui::FontRole font, ui::SkinColour) override { m_font = font; }
    void Fill(const Rect&, ui::SkinColour) override {}

    bool Drew(const std::string& name, Point at) const { return std::ranges::count(images, Image{name, at}) > 0; }
    std::optional<Point> LastAt(const std::string& name) const
    {
        for (auto it = images.rbegin(); it != images.rend(); ++it) {
            if (it->name == name) {
                return it->at;
            }
        }
        return std::nullopt;
    }
    void Clear()
    {
        images.clear();
        texts.clear();
    }

    std::vector<Image> images;
    std::vector<Text> texts;

private:
    ui::FontRole m_font = ui::FontRole::kMain;
};

// Keeps the child windows that exist. Like an edit box, a text set by the program is
// reported back as a change while the call runs.
class RecordingControls final : public ui::ChildControlPort {
public:
    struct Child {
        ui::ChildControlArgs args;
        bool enabled = true;
        std::string text;
    };

    bool Create(const ui::ChildControlArgs& args) override
    {
        ++created;
        children[args.id] = {args, args.enabled, args.text};
        return true;
    }
    void Destroy(int id) override { children.erase(id); }
    void Move(int id, const Rect& rect) override
    {
        if (children.contains(id)) {
            children[id].args.rect = rect;
        }
        moves.push_back({id, rect});
    }
    void Enable(int id, bool enabled) override
    {
        if (children.contains(id)) {
            children[id].enabled = enabled;
        }
    }
    void SetText(int id, std::string_view text) override
    {
        if (!children.contains(id)) {
            return;
        }
        children[id].text = std::string(text);
        if (onTextChange) {
            onTextChange(text);
        }
    }
    void Repaint(int id) override { repainted.push_back(id); }

    bool Has(int id) const { return children.contains(id); }

    std::map<int, Child> children;
    std::vector<std::pair<int, Rect>> moves;
    std::vector<int> repainted;
    int created = 0;
    std::function<void(std::string_view)> onTextChange;
};

// Every image has the size in `sizes`; the others do not load.
class FixedImageSizes final : public ui::ImageSizePort {
public:
    std::optional<Size> SizeOf(const std::string& path) override
    {
        asked.push_back(path);
        const auto it = sizes.find(path.substr(kSkinRoot.size()));
        if (it == sizes.end()) {
            return std::nullopt;
        }
        return it->second;
    }
    std::map<std::string, Size> sizes;
    std::vector<std::string> asked;
};

}  // namespace zalvane::pages::testing
