// A dialog tells the user about each missing skin image once.

#include "ui/missing_images.h"

#include <gtest/gtest.h>

namespace zalvane::ui {
namespace {

// Passes every image on, and says which would not load.
class FailingCanvas final : public Canvas {
public:
    bool DrawImage(const std::string& path, int, int) override { return !path.starts_with("missing"); }
    void DrawText(std::string_view, const ui::Rect&, TextAlignment) override {}
    void SetTextStyle(FontRole, SkinColour) override {}
    void Fill(const ui::Rect&, SkinColour) override {}
};

TEST(MissingImagesTest, EachMissingImageIsToldOnceWhateverTheRedraws)
{
    FailingCanvas inner;
    MissingImageNotes notes;
    std::vector<std::vector<std::string>> told;
    for (const auto& draws : std::vector<std::vector<std::string>>{
             {"missing a", "here", "missing a", "missing b"}, {"missing b", "missing a"}, {"missing c"}}) {
        MissingImageCanvas canvas(inner);
        for (const std::string& path : draws) {
            canvas.DrawImage(path, 0, 0);
        }
        told.push_back(notes.NotYetTold(canvas.Missing()));
    }
    EXPECT_EQ(told, (std::vector<std::vector<std::string>>{{"missing a", "missing b"}, {}, {"missing c"}}));
}

}  // namespace
}  // namespace zalvane::ui
