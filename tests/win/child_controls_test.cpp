// The main page's child windows as its port makes them: swatches that let clicks through
// to the page, the scroll-lines box with its limit and change reports, the thumb with the
// program's own image, and calls for ids without a window that do nothing.

#include "ui/win/child_controls.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "ui/win/gdip_button.h"

namespace zalvane::ui::win {
namespace {

class PageWindow : public CWindow {
public:
    PageWindow()
    {
        WNDCLASSEXW windowClass{};
        windowClass.lpszClassName = L"Zalvane.ChildControlsTestPage";
        RegisterWindowClass(windowClass);
        CreateEx(L"Zalvane.ChildControlsTestPage", {.rect = {0, 0, 1000, 644}, .style = WS_POPUP | WS_VISIBLE});
    }
};

ChildControlArgs Args(int id, ChildKind kind, ui::Rect rect)
{
    ChildControlArgs args;
    args.id = id;
    args.kind = kind;
    args.rect = rect;
    return args;
}

ui::Rect RectInParent(HWND control)
{
    RECT rect{};
    ::GetWindowRect(control, &rect);
    ::MapWindowPoints(nullptr, ::GetParent(control), reinterpret_cast<POINT*>(&rect), 2);
    return {rect.left, rect.top, rect.right, rect.bottom};
}

TEST(WinChildControlsTest, MakesThePagesControlsAndReportsTheirChanges)
{
    PageWindow page;
    ASSERT_TRUE(page.Hwnd());
    WinChildControls controls;
    controls.SetParent(page.Hwnd(), nullptr);
    std::vector<std::pair<int, std::string>> edits;
    controls.OnTextChanged([&](int id, std::string_view text) { edits.emplace_back(id, std::string(text)); });

    ASSERT_TRUE(controls.Create(Args(71, ChildKind::kColourSwatch, {742, 265, 752, 275})));
    const HWND swatch = controls.Window(71);
    ASSERT_TRUE(swatch);
    EXPECT_EQ(RectInParent(swatch), (ui::Rect{742, 265, 752, 275}));
    EXPECT_TRUE(::IsWindowVisible(swatch));
    // A click on the swatch is the page's.
    EXPECT_EQ(::SendMessageW(swatch, WM_NCHITTEST, 0, MAKELPARAM(747, 270)), HTTRANSPARENT);

    ChildControlArgs box = Args(121, ChildKind::kNumberBox, {884, 340, 920, 354});
    box.text = "3";
    box.maxChars = 3;
    box.enabled = false;
    ASSERT_TRUE(controls.Create(box));
    const HWND edit = controls.Window(121);
    ASSERT_TRUE(edit);
    EXPECT_FALSE(::IsWindowEnabled(edit));
    EXPECT_NE(::GetWindowLongPtrW(edit, GWL_STYLE) & (ES_NUMBER | ES_CENTER), 0);
    EXPECT_EQ(::SendMessageW(edit, EM_GETLIMITTEXT, 0, 0), 3);
    EXPECT_TRUE(edits.empty());  // the first text is no change
    controls.Enable(121, true);
    EXPECT_TRUE(::IsWindowEnabled(edit));
    controls.SetText(121, "42");
    ::SendMessageW(edit, EM_SETSEL, 2, 2);
    ::SendMessageW(edit, WM_CHAR, L'7', 0);
    ASSERT_EQ(edits, (std::vector<std::pair<int, std::string>>{{121, "42"}, {121, "427"}}));
    ::SendMessageW(edit, WM_CHAR, L'1', 0);  // a fourth character does not go in
    EXPECT_EQ(edits.back().second, "427");
    const std::size_t told = edits.size();

    ASSERT_TRUE(controls.Create(Args(161, ChildKind::kScrollThumb, {984, 32, 991, 146})));
    const HWND thumb = controls.Window(161);
    ASSERT_TRUE(thumb);
    EXPECT_NE(dynamic_cast<CGdipButton*>(CWindow::FromHandle(thumb)), nullptr);
    EXPECT_EQ(controls.ThumbTop(), 32);
    controls.Move(161, {984, 300, 991, 414});
    EXPECT_EQ(RectInParent(thumb), (ui::Rect{984, 300, 991, 414}));
    EXPECT_EQ(controls.ThumbTop(), 300);

    controls.Destroy(71);
    EXPECT_FALSE(::IsWindow(swatch));
    EXPECT_EQ(controls.Window(71), nullptr);
    // No window, nothing done, nothing broken.
    controls.Destroy(71);
    controls.Move(72, {0, 0, 1, 1});
    controls.Enable(72, false);
    controls.SetText(72, "x");
    controls.Repaint(72);
    EXPECT_EQ(edits.size(), told);

    // Made again in place of the old one.
    ASSERT_TRUE(controls.Create(box));
    EXPECT_FALSE(::IsWindow(edit));
    EXPECT_TRUE(::IsWindow(controls.Window(121)));
}

TEST(WinChildControlsTest, WithoutAParentNothingIsMade)
{
    WinChildControls controls;
    EXPECT_FALSE(controls.Create(Args(71, ChildKind::kColourSwatch, {0, 0, 10, 10})));
    EXPECT_EQ(controls.Window(71), nullptr);
}

}  // namespace
}  // namespace zalvane::ui::win
