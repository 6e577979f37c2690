#pragma once
// A dialog tells the user about a skin image that would not load, once per image: a
// missing image would otherwise be reported at every redraw, and a dialog redraws at
// every hover.

#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "ui/canvas.h"

namespace zalvane::ui {

// Passes every call on to `inner` and notes the images that would not load.
class MissingImageCanvas final : public Canvas {
public:
    explicit MissingImageCanvas(Canvas& inner) : m_inner(inner) {}

    bool DrawImage(const std::string& path, int x, int y) override;
    void DrawText(std::string_view text, const ui::Rect& rect, TextAlignment alignment) override
    {
        m_inner.DrawText(text, rect, alignment);
    }
    void SetTextStyle(FontRole font, SkinColour colour) override { m_inner.SetTextStyle(font, colour); }
    void Fill(const ui::Rect& rect, SkinColour colour) override { m_inner.Fill(rect, colour); }

    // The paths that would not load, in drawing order, each once.
    const std::vector<std::string>& Missing() const { return m_missing; }

private:
    Canvas& m_inner;
    std::vector<std::string> m_missing;
};

// The images a dialog has told the user about.
class MissingImageNotes {
public:
    // Of `missing`, the paths not told yet, which count as told from now on.
    std::vector<std::string> NotYetTold(const std::vector<std::string>& missing);

private:
    std::set<std::string, std::less<>> m_told;
};

}  // namespace zalvane::ui
