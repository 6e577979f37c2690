#include "device/virtual_control.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "unit/support/byte_files.h"

namespace zalvane::device {
namespace {

namespace fs = std::filesystem;
using Kind = ControlRequest::Kind;

TEST(VirtualControlTest, RequestTexts)
{
    struct Case {
        std::string text;
        std::optional<ControlRequest> request;  // nullopt: refused
    };
    const Case cases[] = {
        {"plug\n", ControlRequest{Kind::kPlug}},
        {"unplug", ControlRequest{Kind::kUnplug}},
        {"  event 3 2\r\n", ControlRequest{Kind::kEvent, 3, 2}},
        {"event\t255 0", ControlRequest{Kind::kEvent, 255, 0}},
        {"", std::nullopt},
        {"Plug", std::nullopt},
        {"plug now", std::nullopt},
        {"event 3", std::nullopt},
        {"event 3 2 1", std::nullopt},
        {"event 256 1", std::nullopt},
        {"event -1 1", std::nullopt},
        {"event 0x10 1", std::nullopt},
        {"event 1 2x", std::nullopt},
        {std::string("plug\0", 5), std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.text));
        const auto parsed = ParseControlRequest(c.text);
        ASSERT_EQ(parsed.has_value(), c.request.has_value());
        if (c.request) {
            EXPECT_EQ(*parsed, *c.request);
            EXPECT_EQ(ParseControlRequest(FormatControlRequest(*c.request)), parsed);
        } else {
            EXPECT_FALSE(parsed.error().empty());
        }
    }
}

TEST(VirtualControlTest, RequestsAreTakenInTheOrderTheyWereLeftAndConsumed)
{
    test::TempFolder temp;
    const std::string folder = temp.File("mouse");
    VirtualControlFolder control(folder);
    EXPECT_FALSE(control.TakeNext().has_value()) << "no control folder yet";

    std::vector<ControlRequest> posted;
    for (std::uint8_t i = 0; i < 40; ++i) {
        posted.push_back(i % 10 == 0 ? ControlRequest{Kind::kUnplug} : ControlRequest{Kind::kEvent, i, 40});
        ASSERT_TRUE(control.Post(posted.back()).has_value());
    }
    // A second writer (another process) sees the same folder.
    ASSERT_TRUE(VirtualControlFolder(folder).Post(ControlRequest{Kind::kPlug}).has_value());
    posted.push_back(ControlRequest{Kind::kPlug});

    std::vector<ControlRequest> taken;
    while (auto next = control.TakeNext()) {
        ASSERT_TRUE(next->has_value()) << next->error();
        taken.push_back(**next);
    }
    EXPECT_EQ(taken, posted);
    EXPECT_TRUE(fs::is_empty(control.Folder()));
}

TEST(VirtualControlTest, OnlyRequestFilesAreTakenAndABadOneIsReportedOnce)
{
    test::TempFolder temp;
    const std::string folder = temp.File("mouse");
    VirtualControlFolder control(folder);
    ASSERT_TRUE(control.Post(ControlRequest{Kind::kEvent, 9, 1}).has_value());
    const fs::path dir = control.Folder();
    // A request still being written, somebody's notes, a folder with the right ending,
    // and requests that hold nothing sensible.
    test::WriteRawFile((dir / ".00000000000000000001-00000000.req").string(), "plug\n");
    test::WriteRawFile((dir / "notes.txt").string(), "unplug\n");
    fs::create_directories(dir / "00000000000000000002-00000000.req");
    test::WriteRawFile((dir / "00000000000000000003-00000000.req").string(), "dance\n");
    test::WriteRawFile((dir / "00000000000000000004-00000000.req").string(), std::string(100, 'x'));

    auto bad = control.TakeNext();
    ASSERT_TRUE(bad.has_value());
    ASSERT_FALSE(bad->has_value());
    EXPECT_NE(bad->error().find("00000000000000000003-00000000.req: not a request"), std::string::npos) << bad->error();
    auto tooLong = control.TakeNext();
    ASSERT_TRUE(tooLong.has_value());
    ASSERT_FALSE(tooLong->has_value());
    EXPECT_NE(tooLong->error().find("too long"), std::string::npos) << tooLong->error();

    auto good = control.TakeNext();
    ASSERT_TRUE(good.has_value() && good->has_value());
    EXPECT_EQ(**good, (ControlRequest{Kind::kEvent, 9, 1}));
    EXPECT_FALSE(control.TakeNext().has_value());
    EXPECT_TRUE(fs::exists(dir / ".00000000000000000001-00000000.req"));
    EXPECT_TRUE(fs::exists(dir / "notes.txt"));
    EXPECT_TRUE(fs::is_directory(dir / "00000000000000000002-00000000.req"));
}

TEST(VirtualControlTest, DiscardingDropsWaitingRequestsOnly)
{
    test::TempFolder temp;
    VirtualControlFolder control(temp.File("mouse"));
    for (int i = 0; i < 3; ++i) {
        ASSERT_TRUE(control.Post(ControlRequest{Kind::kUnplug}).has_value());
    }
    test::WriteRawFile((control.Folder() / "notes.txt").string(), "keep");
    EXPECT_EQ(control.DiscardPending(), 3u);
    EXPECT_FALSE(control.TakeNext().has_value());
    EXPECT_TRUE(fs::exists(control.Folder() / "notes.txt"));
}

}  // namespace
}  // namespace zalvane::device
