#include "assign/macro_encoding.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/portable_ini_store.h"
#include "unit/platform/ini_test_files.h"

namespace zalvane::assign {
namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes StepBytes(const MacroSteps& steps) { return Bytes(steps.bytes.begin(), steps.bytes.begin() + steps.size); }

TEST(MacroEncodingTest, EventStepsCarryTheDelayInTheirForm)
{
    const struct {
        bool release;
        std::int64_t delay;
        Bytes steps;
    } cases[] = {
        {false, 120, {0x0C, 0x04}},  // 12 tens of milliseconds
        {true, 0, {0x80, 0x04}},
        {false, 9, {0x00, 0x04}},  // whole tens only
        {false, 1270, {0x7F, 0x04}},
        {false, 1271, {71, 0x04, 12, 0x03}},  // the remainder counts milliseconds now
        {true, 1271, {0x80 | 71, 0x04, 12, 0x03}},
        {false, 2500, {0x00, 0x04, 25, 0x03}},
        {false, 25500, {0x00, 0x04, 0xFF, 0x03}},
        {false, 25501, {0x01, 0x04, 0x00, 0x03, 0x00, 0xFF}},
        {true, 123456, {0x80 | 56, 0x04, 0x00, 0x03, 0x04, 0xD2}},  // 1234 hundreds
        {false, 6553500, {0x00, 0x04, 0x00, 0x03, 0xFF, 0xFF}},
        // Longer delays play as the longest one instead of wrapping round to a short one.
        {false, 6553600, {0x00, 0x04, 0x00, 0x03, 0xFF, 0xFF}},
        {false, -15, {0x00, 0x04}},  // and nothing can turn a press into a release
    };
    for (const auto& c : cases) {
        EXPECT_EQ(StepBytes(StepsFor(c.release, c.delay, 0x04)), c.steps) << c.delay;
    }
}

TEST(MacroEncodingTest, DelayLinesReadAsMilliseconds)
{
    const struct {
        std::string_view text;
        std::int64_t delay;
    } cases[] = {
        {"120 ms", 120},
        {"50 ms", 50},
        {"", 0},
        {"A   Up", 0},
        {"12a0 ms", 12},
        {"1 ms ms", 1},
        {"-20 ms", 0},
        {"6553500 ms", 6553500},
        {"99999999999999999999999 ms", kMaxMacroDelay},
        {"4294967396 ms", kMaxMacroDelay},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(DelayFromText(c.text), c.delay) << c.text;
    }
}

MacroRecord Macro(std::vector<std::string> items, std::int64_t delays = 1, std::int64_t loopOn = 0,
                  std::int64_t loops = 1)
{
    const auto count = static_cast<std::int64_t>(items.size());
    return MacroRecord{"M", delays, loopOn, loops, count, std::move(items), true};
}

Bytes BlockOf(const MacroRecord& macro, std::size_t* leftOut = nullptr)
{
    std::array<std::uint8_t, settings::kMacroBlockSize> block;
    block.fill(0xEE);  // whatever was there before must not show through
    const std::size_t cut = EncodeMacroBlock(macro, block);
    if (leftOut) {
        *leftOut = cut;
    }
    return Bytes(block.begin(), block.end());
}

// The block's meaningful prefix followed by zeros.
Bytes Padded(Bytes prefix)
{
    prefix.resize(settings::kMacroBlockSize, 0);
    return prefix;
}

TEST(MacroEncodingTest, BlocksFollowTheWorkedExamples)
{
    const struct {
        const char* what;
        MacroRecord macro;
        Bytes block;
    } cases[] = {
        {"press, 120 ms, release", Macro({"A   Dn", "120 ms", "A   Up"}), {0x00, 0x01, 0x0C, 0x04, 0x80, 0x04}},
        {"press, 2500 ms, release",
         Macro({"A   Dn", "2500 ms", "A   Up"}),
         {0x00, 0x01, 0x00, 0x04, 0x19, 0x03, 0x80, 0x04}},
        {"no delays recorded: 50 ms between events and after the last",
         Macro({"A   Dn", "B   Dn", "A   Up", "B   Up"}, 0),
         {0x00, 0x01, 0x05, 0x04, 0x05, 0x05, 0x85, 0x04, 0x85, 0x05}},
        {"no delays recorded, but a delay line given",
         Macro({"A   Dn", "120 ms", "A   Up"}, 0),
         {0x00, 0x01, 0x0C, 0x04, 0x85, 0x04}},
        {"loop count in force", Macro({"A   Dn"}, 1, 1, 300), {0x01, 0x2C, 0x00, 0x04}},
        {"loop option off ignores the count", Macro({"A   Dn"}, 1, 0, 300), {0x00, 0x01, 0x00, 0x04}},
        {"loop count 0", Macro({"A   Dn"}, 1, 1, 0), {0x00, 0x01, 0x00, 0x04}},
        {"loop count past 16 bits", Macro({"A   Dn"}, 1, 1, 65536), {0x00, 0x01, 0x00, 0x04}},
        {"loop count 65535", Macro({"A   Dn"}, 1, 1, 65535), {0xFF, 0xFF, 0x00, 0x04}},
        {"first line a release", Macro({"A   Up", "30 ms"}), {0x00, 0x01, 0x83, 0x04}},
        {"first line a delay", Macro({"100 ms", "A   Dn"}), {0x00, 0x01, 0x00, 0x04}},
        {"mouse buttons", Macro({"L-Button   Dn", "M-Button   Up"}), {0x00, 0x01, 0x00, 0xF0, 0x80, 0xF2}},
        {"names not in the table, and the key macros do not know",
         Macro({"Return   Dn", "Application   Dn"}),
         {0x00, 0x01, 0x00, 0x00, 0x00, 0x00}},
        {"no lines at all", Macro({}, 1, 1, 5), {}},
    };
    for (const auto& c : cases) {
        std::size_t leftOut = 99;
        EXPECT_EQ(BlockOf(c.macro, &leftOut), Padded(c.block)) << c.what;
        EXPECT_EQ(leftOut, 0u) << c.what;
    }
}

TEST(MacroEncodingTest, NamesReportedInAnotherLayoutPlayTheirKeys)
{
    KeyNameMap reported;
    ASSERT_TRUE(reported.Add({0x1C, false}, "Return"));
    ASSERT_TRUE(reported.Add({0x5D, true}, "Menu"));
    std::array<std::uint8_t, settings::kMacroBlockSize> block{};
    (void)EncodeMacroBlock(Macro({"Return   Dn", "Menu   Dn"}), block, reported);
    // "Menu" is the Application key, which macros do not know.
    EXPECT_EQ(Bytes(block.begin(), block.begin() + 6), (Bytes{0x00, 0x01, 0x00, 0x28, 0x00, 0x00}));
}

TEST(MacroEncodingTest, LongMacrosAreCutAfterTheLastEventThatFitsWhole)
{
    const auto presses = [](std::size_t count, std::vector<std::string> lines = {}) {
        for (std::size_t i = 0; i < count; ++i) {
            lines.push_back("A   Dn");
        }
        return lines;
    };
    std::vector<std::string> longDelays;
    for (int i = 0; i < 30; ++i) {
        longDelays.push_back("B   Dn");
        longDelays.push_back("30000 ms");  // three steps each: 21 fit
    }
    std::vector<std::string> stuck = presses(62);  // 124 step bytes, two left
    stuck.insert(stuck.end(), {"A   Up", "2000 ms", "A   Dn", "A   Up"});

    const struct {
        const char* what;
        std::vector<std::string> lines;
        std::size_t used;  // step bytes written
        std::size_t leftOut;
    } cases[] = {
        {"exactly full", presses(63), 126, 0},
        {"one event too many", presses(64), 126, 1},
        {"sixty-four with delays between",
         [] {
             std::vector<std::string> lines;
             for (int i = 0; i < 64; ++i) {
                 lines.insert(lines.end(), {"C   Dn", "10 ms"});
             }
             return lines;
         }(),
         126, 1},
        {"long delays", longDelays, 126, 9},
        {"a two-step event does not fit in the last step", stuck, 124, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::size_t leftOut = 0;
        const Bytes block = BlockOf(Macro(c.lines), &leftOut);
        EXPECT_EQ(leftOut, c.leftOut);
        for (std::size_t i = kFirstStep + c.used; i < block.size(); ++i) {
            EXPECT_EQ(block[i], 0) << "byte " << i;
        }
        EXPECT_NE(block[kFirstStep + c.used - 1], 0xEE);
    }
}

TEST(MacroEncodingTest, LongMacrosEndWhereNothingIsHeld)
{
    const auto taps = [](std::string_view key, std::size_t count) {
        std::vector<std::string> lines;
        for (std::size_t i = 0; i < count; ++i) {
            lines.insert(lines.end(), {std::string(key) + "   Dn", std::string(key) + "   Up"});
        }
        return lines;
    };
    const auto around = [](std::string_view first, std::vector<std::string> lines, std::string_view last) {
        lines.insert(lines.begin(), std::string(first));
        lines.emplace_back(last);
        return lines;
    };
    const auto ahead = [](std::string_view first, std::string_view second, std::vector<std::string> lines) {
        lines.insert(lines.begin(), {std::string(first), std::string(second)});
        return lines;
    };
    const struct {
        const char* what;
        std::vector<std::string> lines;
        std::size_t kept;  // events, one step each
        std::size_t leftOut;
    } cases[] = {
        // 63 events fit; the 63rd is a press, so the macro ends after the 62nd.
        {"taps", taps("A", 40), 62, 18},
        {"a key held throughout has no such place: as many whole events as fit",
         around("Shift   Dn", taps("A", 40), "Shift   Up"), 63, 19},
        {"a mouse button counts as held", around("L-Button   Dn", taps("A", 40), "L-Button   Up"), 63, 19},
        // Two events ahead of the taps: the 63rd is a press again.
        {"keys without a code hold nothing", ahead("Oem   Dn", "Mute   Dn", taps("A", 40)), 62, 20},
        {"releases of keys never pressed hold nothing", ahead("B   Up", "C   Up", taps("A", 40)), 62, 20},
        {"a key pressed twice is down once", around("B   Dn", around("B   Dn", taps("A", 40), "B   Up"), "C   Up"), 63,
         21},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        std::size_t leftOut = 0;
        const Bytes block = BlockOf(Macro(c.lines), &leftOut);
        EXPECT_EQ(leftOut, c.leftOut);
        const std::size_t end = kFirstStep + 2 * c.kept;
        EXPECT_NE(block[end - 1], 0x00);
        for (std::size_t i = end; i < block.size(); ++i) {
            ASSERT_EQ(block[i], 0) << "byte " << i;
        }
    }
}

// The whole area, from real files through the store.
class MacroAreaTest : public ::testing::Test {
protected:
    std::string File(std::string_view bytes)
    {
        const std::string path = m_folder.File("record.ini");
        test::WriteRawFile(path, bytes);
        return path;
    }
    MacroAreaEncoding Encode(const std::string& path) { return EncodeMacroArea(m_store, path); }

    static std::string Section(std::string_view name, std::string_view options, std::vector<std::string> lines)
    {
        std::string text = "[" + std::string(name) + "]\r\n" + std::string(options);
        text += "ItemCount=" + std::to_string(lines.size()) + "\r\n";
        for (std::size_t i = 0; i < lines.size(); ++i) {
            text += "Item" + std::to_string(i) + "=" + lines[i] + "\r\n";
        }
        return text;
    }

    static Bytes BlockAt(const MacroAreaEncoding& encoding, std::size_t m)
    {
        const auto begin = encoding.area.begin() + static_cast<std::ptrdiff_t>(m * settings::kMacroBlockSize);
        return Bytes(begin, begin + settings::kMacroBlockSize);
    }

    test::TempFolder m_folder;
    platform::PortableIniStore m_store;
};

TEST_F(MacroAreaTest, NoMacrosGiveAZeroArea)
{
    const MacroAreaEncoding zero;
    for (const std::string path : {m_folder.File("absent.ini"), File(""), File("\xFF\xFE"), File("junk\r\n")}) {
        const MacroAreaEncoding encoding = Encode(path);
        EXPECT_EQ(encoding.area, zero.area);
        EXPECT_TRUE(encoding.cuts.empty());
        EXPECT_EQ(encoding.macrosLeftOut, 0u);
    }
}

TEST_F(MacroAreaTest, EachMacroFillsItsOwnBlockFromByteTwo)
{
    const std::string text = Section("Macro_0", "DelayTimeSelStatus=1\r\nLoopTimeSelStatus=1\r\nMacroLoopTimes=2\r\n",
                                     {"A   Dn", "120 ms", "A   Up"}) +
                             "[Macro_1]\r\nMacroLoopTimes=1\r\n" +  // new, never saved
                             Section("宏_2", "DelayTimeSelStatus=0\r\nLoopTimeSelStatus=0\r\nMacroLoopTimes=7\r\n",
                                     {"A   Up", "Left Windows   Dn"});
    // The same file in both encodings the store reads.
    for (const std::string& bytes : {test::Utf16LeFile(text), "\xEF\xBB\xBF" + text, text}) {
        const MacroAreaEncoding encoding = Encode(File(bytes));
        EXPECT_EQ(BlockAt(encoding, 0), Padded({0x00, 0x02, 0x0C, 0x04, 0x80, 0x04}));
        EXPECT_EQ(BlockAt(encoding, 1), Padded({}));
        EXPECT_EQ(BlockAt(encoding, 2), Padded({0x00, 0x01, 0x85, 0x04, 0x05, 0xE3}));
        for (std::size_t m = 3; m < settings::kMacroCount; ++m) {
            EXPECT_EQ(BlockAt(encoding, m), Padded({})) << m;
        }
    }
}

TEST_F(MacroAreaTest, BadValuesAreReadSafely)
{
    const std::string text =
        Section("NonNumeric", "DelayTimeSelStatus=yes\r\nLoopTimeSelStatus=on\r\nMacroLoopTimes=lots\r\n",
                {"A   Dn", "A   Up"}) +
        Section("Huge", "DelayTimeSelStatus=1\r\nLoopTimeSelStatus=1\r\nMacroLoopTimes=99999999999999999999\r\n",
                {"A   Dn", "12a0 ms", "A   Up", "99999999999 ms"}) +
        "[Billion]\r\nDelayTimeSelStatus=1\r\nItemCount=1000000000\r\nItem0=Z   Dn\r\n";
    const MacroAreaEncoding encoding = Encode(File(test::Utf16LeFile(text)));
    EXPECT_EQ(BlockAt(encoding, 0), Padded({0x00, 0x01, 0x05, 0x04, 0x85, 0x04}));
    EXPECT_EQ(BlockAt(encoding, 1), Padded({0x00, 0x01, 0x01, 0x04, 0x80, 0x04, 0x00, 0x03, 0xFF, 0xFF}));
    EXPECT_EQ(BlockAt(encoding, 2), Padded({0x00, 0x01, 0x00, 0x1D}));
    EXPECT_TRUE(encoding.cuts.empty());
}

TEST_F(MacroAreaTest, OnlyNineteenMacrosHaveABlock)
{
    std::string text;
    for (int m = 0; m < 25; ++m) {
        text += Section("Macro_" + std::to_string(m), "DelayTimeSelStatus=1\r\nLoopTimeSelStatus=1\r\n", {"A   Dn"}) +
                "MacroLoopTimes=" + std::to_string(m + 1) + "\r\n";
    }
    const MacroAreaEncoding encoding = Encode(File(test::Utf16LeFile(text)));
    EXPECT_EQ(encoding.macrosLeftOut, 6u);
    for (std::size_t m = 0; m < settings::kMacroCount; ++m) {
        EXPECT_EQ(BlockAt(encoding, m), Padded({0x00, static_cast<std::uint8_t>(m + 1), 0x00, 0x04})) << m;
    }
}

TEST_F(MacroAreaTest, CutMacrosAreReportedByPlaceAndName)
{
    std::vector<std::string> tooLong(70, "A   Dn");
    const std::string text = Section("Short", "DelayTimeSelStatus=1\r\n", {"A   Dn"}) +
                             Section("宏_长", "DelayTimeSelStatus=1\r\n", tooLong);
    const MacroAreaEncoding encoding = Encode(File(test::Utf16LeFile(text)));
    ASSERT_EQ(encoding.cuts.size(), 1u);
    EXPECT_EQ(encoding.cuts[0].position, 1u);
    EXPECT_EQ(encoding.cuts[0].name, "宏_长");
    EXPECT_EQ(encoding.cuts[0].eventsLeftOut, 7u);
    EXPECT_EQ(BlockAt(encoding, 0), Padded({0x00, 0x01, 0x00, 0x04}));
}

}  // namespace
}  // namespace zalvane::assign
