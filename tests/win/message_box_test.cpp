// The flows' message boxes: the fixed text alone, under the application's name unless the
// message brings its own caption.

#include "platform/win/message_box.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "win/win_test_support.h"

namespace zalvane::platform::win {
namespace {

TEST(WinMessageBoxTest, ShowsTheFixedTextUnderTheRightCaption)
{
    WinMessageBox port;
    std::vector<wintest::MessageBoxWatcher::Seen> boxes;
    {
        const wintest::MessageBoxWatcher watcher;
        port.Show({.text = "Config file is not exist.", .subject = "C:\\Z\\config0.bin"});
        port.Show({.text = "导入失败", .caption = "Import"});
        boxes = watcher.Boxes();
    }
    ASSERT_EQ(boxes.size(), 2u);
    EXPECT_EQ(boxes[0].caption, L"Zalvane");
    EXPECT_EQ(boxes[1].caption, L"Import");
    const auto shows = [](const wintest::MessageBoxWatcher::Seen& box, const std::wstring& text) {
        return std::find(box.texts.begin(), box.texts.end(), text) != box.texts.end();
    };
    EXPECT_TRUE(shows(boxes[0], L"Config file is not exist."));  // the subject is not shown
    EXPECT_TRUE(shows(boxes[1], L"\u5bfc\u5165\u5931\u8d25"));
}

}  // namespace
}  // namespace zalvane::platform::win
