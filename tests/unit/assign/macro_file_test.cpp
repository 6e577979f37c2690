#include "assign/macro_file.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

#include "platform/portable_ini_store.h"
#include "unit/platform/ini_test_files.h"

namespace zalvane::assign {
namespace {

TEST(MacroFileTest, EventLinesTellTheirKindAndKey)
{
    const struct {
        std::string_view line;
        EventKind kind;
        std::string_view key;
    } cases[] = {
        {"A   Dn", EventKind::kPress, "A"},
        {"Left Windows   Up", EventKind::kRelease, "Left Windows"},
        {"M-Button   Dn", EventKind::kPress, "M-Button"},
        {"120 ms", EventKind::kNone, ""},
        {"", EventKind::kNone, ""},
        {"A  Dn", EventKind::kNone, ""},               // two blanks are no marker
        {"A   Up   Dn", EventKind::kPress, "A   Up"},  // a press marker wins
        {"   Dn", EventKind::kPress, ""},
    };
    for (const auto& c : cases) {
        const EventLine event = ParseEventLine(c.line);
        EXPECT_EQ(event.kind, c.kind) << c.line;
        EXPECT_EQ(event.keyName, c.key) << c.line;
    }
    EXPECT_EQ(ParseEventLine(PressLine("Num Enter")).keyName, "Num Enter");
    EXPECT_EQ(ParseEventLine(ReleaseLine("F1")).kind, EventKind::kRelease);
    EXPECT_EQ(DelayLine(250), "250 ms");
}

class MacroFileReadTest : public ::testing::Test {
protected:
    std::string File(std::string_view text)
    {
        const std::string path = m_folder.File("record.ini");
        test::WriteRawFile(path, test::Utf16LeFile(text));
        return path;
    }

    test::TempFolder m_folder;
    platform::PortableIniStore m_store;
};

TEST_F(MacroFileReadTest, ReadsOptionsAndEveryLine)
{
    const std::string path = File(
        "[Macro_0]\r\nDelayTimeSelStatus=1\r\nLoopTimeSelStatus=1\r\nMacroLoopTimes=3\r\nItemCount=3\r\n"
        "Item0=A   Dn\r\nItem1=120 ms\r\nItem2=A   Up\r\n[宏_1]\r\nMacroLoopTimes=1\r\n");
    EXPECT_EQ(ReadMacroNames(m_store, path), (std::vector<std::string>{"Macro_0", "宏_1"}));
    const MacroRecord first = ReadMacro(m_store, path, "Macro_0");
    EXPECT_EQ(first.delayTimeSelStatus, 1);
    EXPECT_EQ(first.loopTimeSelStatus, 1);
    EXPECT_EQ(first.macroLoopTimes, 3);
    EXPECT_EQ(first.items, (std::vector<std::string>{"A   Dn", "120 ms", "A   Up"}));
    EXPECT_TRUE(first.itemsComplete);
    // A new macro holds only its loop count.
    const MacroRecord second = ReadMacro(m_store, path, "宏_1");
    EXPECT_EQ(second.itemCount, 0);
    EXPECT_TRUE(second.items.empty());
}

TEST_F(MacroFileReadTest, ItemCountNeverDrivesTheWorkBeyondItsBound)
{
    constexpr std::size_t kMany = kItemsAlwaysRead + 72;  // more than a block holds, within the bound
    std::string many;
    for (std::size_t i = 0; i < kMany; ++i) {
        many += "Item" + std::to_string(i) + "=A   Dn\r\n";
    }
    std::string huge;
    for (std::size_t i = 0; i < kMaxItemsRead + 10; ++i) {
        huge += "Item" + std::to_string(i) + "=B   Dn\r\n";
    }
    const struct {
        const char* what;
        std::string section;
        std::size_t lines;
        bool complete;
    } cases[] = {
        {"a billion claimed, three there", "ItemCount=1000000000\r\nItem0=A   Dn\r\nItem1=x\r\nItem2=A   Up\r\n", 3,
         false},
        {"a gap within the first lines reads as empty", "ItemCount=3\r\nItem0=A   Dn\r\nItem2=A   Up\r\n", 3, true},
        {"a line far beyond a gap is never reached", "ItemCount=99999999999\r\nItem0=x\r\nItem500=y\r\n", 1, false},
        {"more than a block holds, all there", "ItemCount=" + std::to_string(kMany) + "\r\n" + many, kMany, true},
        {"the claim cuts what is there", "ItemCount=2\r\n" + many, 2, true},
        {"beyond the hard bound", "ItemCount=5000\r\n" + huge, kMaxItemsRead, false},
        {"a negative claim", "ItemCount=-4\r\nItem0=x\r\n", 0, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string path = File("[M]\r\n" + c.section);
        const MacroRecord macro = ReadMacro(m_store, path, "M");
        EXPECT_EQ(macro.items.size(), c.lines);
        EXPECT_EQ(macro.itemsComplete, c.complete);
    }
    const MacroRecord gap = ReadMacro(m_store, File("[M]\r\nItemCount=3\r\nItem0=A   Dn\r\nItem2=A   Up\r\n"), "M");
    EXPECT_EQ(gap.items, (std::vector<std::string>{"A   Dn", "", "A   Up"}));
}

TEST_F(MacroFileReadTest, WriteMacroSavesTheMacroInPlace)
{
    const std::string path = File("[Macro_0]\r\nItemCount=5\r\nItem4=old\r\n[Macro_1]\r\nMacroLoopTimes=1\r\n");
    MacroRecord macro{"Macro_0", 1, 1, 9, 0, {"A   Dn", "100 ms", "A   Up"}, true};
    ASSERT_TRUE(WriteMacro(m_store, path, macro));
    EXPECT_EQ(ReadMacroNames(m_store, path), (std::vector<std::string>{"Macro_0", "Macro_1"}));
    const MacroRecord back = ReadMacro(m_store, path, "Macro_0");
    EXPECT_EQ(back.items, macro.items);
    EXPECT_EQ(back.itemCount, 3);
    EXPECT_EQ(back.macroLoopTimes, 9);
    EXPECT_EQ(m_store.GetString(path, "Macro_0", "Item4", "gone"), "gone");

    // Every line deleted: the macro is saved empty, not left as it was.
    macro.items.clear();
    ASSERT_TRUE(WriteMacro(m_store, path, macro));
    EXPECT_EQ(ReadMacro(m_store, path, "Macro_0").itemCount, 0);
    EXPECT_EQ(m_store.GetString(path, "Macro_0", "Item0", "gone"), "gone");
}

}  // namespace
}  // namespace zalvane::assign
