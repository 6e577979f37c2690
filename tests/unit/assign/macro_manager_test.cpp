#include "assign/macro_manager.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "assign/function_lists.h"
#include "assign/macro_file.h"
#include "platform/portable_ini_store.h"
#include "unit/platform/ini_test_files.h"

namespace zalvane::assign {
namespace {

using Lines = std::vector<std::string>;

std::string Section(std::string_view name, std::string_view options, const Lines& lines)
{
    std::string text = "[" + std::string(name) + "]\r\n" + std::string(options);
    text += "ItemCount=" + std::to_string(lines.size()) + "\r\n";
    for (std::size_t i = 0; i < lines.size(); ++i) {
        text += "Item" + std::to_string(i) + "=" + lines[i] + "\r\n";
    }
    return text;
}

const Lines kFirstLines = {"A   Dn", "120 ms", "A   Up"};
const Lines kJumpLines = {"Space   Dn", "Space   Up"};

class MacroManagerTest : public ::testing::Test {
protected:
    // Macro_0 (delays and loop count 3 on), Jump (both off), 宏_2.
    std::string ThreeMacros()
    {
        return File(
            Section("Macro_0", "DelayTimeSelStatus=1\r\nLoopTimeSelStatus=1\r\nMacroLoopTimes=3\r\n", kFirstLines) +
            Section("Jump", "DelayTimeSelStatus=0\r\nLoopTimeSelStatus=0\r\nMacroLoopTimes=1\r\n", kJumpLines) +
            Section("宏_2", "DelayTimeSelStatus=1\r\nLoopTimeSelStatus=0\r\n", {"B   Dn"}));
    }
    std::string File(std::string_view text)
    {
        test::WriteRawFile(m_path, test::Utf16LeFile(text));
        return m_path;
    }
    MacroManager Manager() { return MacroManager(m_store, m_path, "Macro"); }
    Lines Names() { return ReadMacroNames(m_store, m_path); }
    MacroRecord Stored(std::string_view name) { return ReadMacro(m_store, m_path, name); }
    std::string Bytes() { return test::ReadRawFile(m_path); }

    test::TempFolder m_folder;
    std::string m_path = m_folder.File("record.ini");
    platform::PortableIniStore m_store;
};

TEST_F(MacroManagerTest, OpensOnTheFirstMacroAndSavesEveryChangeInPlace)
{
    ThreeMacros();
    MacroManager manager = Manager();
    ASSERT_EQ(manager.MacroCount(), 3u);
    EXPECT_EQ(manager.Selected(), 0u);
    EXPECT_EQ(manager.EventLines(), kFirstLines);
    EXPECT_TRUE(manager.RecordDelays());
    EXPECT_TRUE(manager.LoopFieldEnabled());
    EXPECT_EQ(manager.LoopText(), "3");

    ASSERT_TRUE(manager.Select(1));
    EXPECT_EQ(manager.EventLines(), kJumpLines);
    EXPECT_FALSE(manager.RecordDelays());
    EXPECT_FALSE(manager.LoopFieldEnabled());
    (void)manager.OnEventLineNotice(0);
    ASSERT_TRUE(manager.InsertButton(MouseButtonLine::kLeft));
    ASSERT_TRUE(manager.ToggleLoop());  // written at once, not at the next event edit
    const Lines edited = {"Space   Dn", "L-Button   Dn", "L-Button   Up", "Space   Up"};
    EXPECT_EQ(manager.EventLines(), edited);
    EXPECT_EQ(Names(), (Lines{"Macro_0", "Jump", "宏_2"}));
    EXPECT_EQ(Stored("Jump").items, edited);
    EXPECT_EQ(Stored("Jump").loopTimeSelStatus, 1);

    // Every line deleted: saved as no lines, and they do not come back.
    while (!manager.EventLines().empty()) {
        (void)manager.OnEventLineNotice(0);
        ASSERT_TRUE(manager.DeleteEventLine());
    }
    EXPECT_EQ(Stored("Jump").itemCount, 0);
    ASSERT_TRUE(manager.Select(1));
    EXPECT_TRUE(manager.EventLines().empty());
    EXPECT_EQ(Names(), (Lines{"Macro_0", "Jump", "宏_2"}));
}

TEST_F(MacroManagerTest, EventListEditsKeepTheirRules)
{
    enum class Op { kDelete, kLeft, kMiddle, kRight, kDelay };
    Lines full;
    for (int i = 0; i < 63; ++i) {
        full.insert(full.end(), {"A   Dn", "B   Dn"});  // 126 lines
    }
    const struct {
        const char* what;
        Lines lines;
        std::optional<std::size_t> selected;
        Op op;
        Lines after;  // empty: unchanged
    } cases[] = {
        {"delete the selected line", kFirstLines, 1, Op::kDelete, {"A   Dn", "A   Up"}},
        {"delete needs a selection", kFirstLines, std::nullopt, Op::kDelete, {}},
        {"insert a button after the selected line",
         kFirstLines,
         0,
         Op::kMiddle,
         {"A   Dn", "M-Button   Dn", "M-Button   Up", "120 ms", "A   Up"}},
        {"insert a button into an empty list", {}, std::nullopt, Op::kRight, {"R-Button   Dn", "R-Button   Up"}},
        {"no button without a selection in a full list", kFirstLines, std::nullopt, Op::kLeft, {}},
        {"insert a delay before the selected line", {"A   Dn", "B   Dn"}, 1, Op::kDelay, {"A   Dn", "50 ms", "B   Dn"}},
        {"no delay on the first line", kFirstLines, 0, Op::kDelay, {}},
        {"no delay next to a delay", kFirstLines, 2, Op::kDelay, {}},
        {"no delay on a delay", kFirstLines, 1, Op::kDelay, {}},
        {"a 127th line fits", full, 1, Op::kDelay,
         [&] {
             Lines after = full;
             after.insert(after.begin() + 1, "50 ms");
             return after;
         }()},
        {"a 128th does not", full, 1, Op::kLeft, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        File(Section("M", "DelayTimeSelStatus=1\r\n", c.lines));
        MacroManager manager = Manager();
        (void)manager.OnEventLineNotice(c.selected);
        bool changed = false;
        switch (c.op) {
            case Op::kDelete:
                changed = manager.DeleteEventLine();
                break;
            case Op::kLeft:
                changed = manager.InsertButton(MouseButtonLine::kLeft);
                break;
            case Op::kMiddle:
                changed = manager.InsertButton(MouseButtonLine::kMiddle);
                break;
            case Op::kRight:
                changed = manager.InsertButton(MouseButtonLine::kRight);
                break;
            case Op::kDelay:
                changed = manager.InsertDelay();
                break;
        }
        const Lines& expected = c.after.empty() ? c.lines : c.after;
        EXPECT_EQ(changed, !c.after.empty());
        EXPECT_EQ(manager.EventLines(), expected);
        EXPECT_EQ(Stored("M").items, expected);
    }
}

TEST_F(MacroManagerTest, DelayEditorParsesWithSaturation)
{
    const struct {
        std::string_view typed;
        std::string_view line;
    } cases[] = {
        {"2500 ms", "2500 ms"},
        {" 25 00ms ", "2500 ms"},
        {"0 ms", "0 ms"},
        {"7000000 ms", "6553500 ms"},
        {"99999999999999999999999 ms", "6553500 ms"},
        {"2500", "120 ms"},  // no unit: the old line stays
        {"ms", "120 ms"},    // nothing typed
        {"", "120 ms"},
        {"12a0 ms", "120 ms"},
        {"-5 ms", "120 ms"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        File(Section("M", "DelayTimeSelStatus=1\r\n", kFirstLines));
        MacroManager manager = Manager();
        EXPECT_FALSE(manager.OnEventLineNotice(0));  // a key line never opens it
        EXPECT_FALSE(manager.OnEventLineNotice(0));
        EXPECT_FALSE(manager.OnEventLineNotice(1));  // the first notice on a delay remembers it
        ASSERT_TRUE(manager.OnEventLineNotice(1));
        ASSERT_EQ(manager.Editor()->kind, EditorKind::kDelay);
        // One editor at a time.
        EXPECT_FALSE(manager.OnMacroDoubleClick(0));
        EXPECT_FALSE(manager.OnMacroDoubleClick(0));
        (void)manager.CommitEditor(c.typed);
        EXPECT_FALSE(manager.Editor());
        EXPECT_EQ(manager.EventLines()[1], c.line);
        EXPECT_EQ(Stored("M").items[1], c.line);
    }
}

TEST_F(MacroManagerTest, LoopFieldTakesOneToSixtyFiveThousandFiveHundredThirtyFive)
{
    const struct {
        std::string_view typed;
        std::string_view shown;
        std::int64_t stored;
    } cases[] = {
        {"15", "15", 15},  {"0", "1", 1},          {"", "1", 1},      {"65535", "65535", 65535},
        {"65536", "1", 1}, {"99999", "1", 1},      {"007", "007", 7}, {"123456789012345678901234", "1", 1},
        {"12a", "12", 12}, {"4294967297", "1", 1},  // not wrapped round to 1 by luck
    };
    ThreeMacros();
    MacroManager manager = Manager();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(manager.SetLoopText(c.typed), c.shown);
        EXPECT_EQ(manager.LoopText(), c.shown);
        EXPECT_EQ(Stored("Macro_0").macroLoopTimes, c.stored);
    }
}

TEST_F(MacroManagerTest, RenamingKeepsTheEventsAndThePlace)
{
    ThreeMacros();
    MacroManager manager = Manager();
    const auto openNameEditor = [&](std::size_t line) {
        (void)manager.OnMacroDoubleClick(line);
        return manager.OnMacroDoubleClick(line);
    };
    const std::string before = Bytes();
    EXPECT_FALSE(manager.OnMacroDoubleClick(1));  // the first double click only remembers
    ASSERT_TRUE(manager.OnMacroDoubleClick(1));
    EXPECT_EQ(Bytes(), before);  // opening the editor changes nothing
    manager.CancelEditor();
    EXPECT_EQ(Bytes(), before);

    // Names that break a rule, or no change at all, leave the file as it was.
    for (const std::string_view typed :
         {"macro_0", "宏_2", "[x]", "", "   ", "Jump", " Jump ", "123456789012345678901234567890123"}) {
        SCOPED_TRACE(typed);
        ASSERT_TRUE(openNameEditor(1));
        EXPECT_FALSE(manager.CommitEditor(typed));
        EXPECT_EQ(manager.MacroName(1), "Jump");
        EXPECT_EQ(Bytes(), before);
    }
    // Selecting another macro closes the editor without renaming.
    ASSERT_TRUE(openNameEditor(1));
    ASSERT_TRUE(manager.Select(2));
    EXPECT_FALSE(manager.Editor());
    EXPECT_EQ(Bytes(), before);

    ASSERT_TRUE(openNameEditor(1));
    ASSERT_TRUE(manager.CommitEditor("  Run  "));
    EXPECT_EQ(manager.MacroName(1), "Run");
    EXPECT_EQ(Names(), (Lines{"Macro_0", "Run", "宏_2"}));
    EXPECT_EQ(Stored("Run").items, kJumpLines);
    // Only the case changes: a rename too.
    ASSERT_TRUE(openNameEditor(1));
    ASSERT_TRUE(manager.CommitEditor("RUN"));
    EXPECT_EQ(Names(), (Lines{"Macro_0", "RUN", "宏_2"}));
}

TEST_F(MacroManagerTest, AnImportReplacesTheLinesWhereTheMacroStands)
{
    ThreeMacros();
    MacroManager manager = Manager();
    ASSERT_TRUE(manager.Select(0));
    ASSERT_TRUE(manager.ReplaceEventLines({"C   Dn", "C   Up"}, false));
    EXPECT_EQ(Names(), (Lines{"Macro_0", "Jump", "宏_2"}));
    EXPECT_EQ(Stored("Macro_0").items, (Lines{"C   Dn", "C   Up"}));
    EXPECT_EQ(Stored("Macro_0").delayTimeSelStatus, 0);
    EXPECT_EQ(Stored("Macro_0").macroLoopTimes, 3);  // the options it does not name stay

    // No more lines than a recording makes, and nothing while one runs.
    const std::string before = Bytes();
    EXPECT_FALSE(manager.ReplaceEventLines(Lines(kMaxEventLines + 1, "C   Dn"), true));
    ASSERT_TRUE(manager.StartRecording());
    EXPECT_FALSE(manager.ReplaceEventLines({"D   Dn"}, true));
    EXPECT_FALSE(manager.RenameMacro(1, "Hop"));
    EXPECT_EQ(Bytes(), before);
    ASSERT_TRUE(manager.StopRecording(0));
    // A rename without the editor keeps the editor's rules.
    EXPECT_FALSE(manager.RenameMacro(1, "MACRO_0"));
    EXPECT_TRUE(manager.RenameMacro(1, "Hop"));
    EXPECT_EQ(Names(), (Lines{"Macro_0", "Hop", "宏_2"}));
}

TEST_F(MacroManagerTest, NewNamesAFreeMacroUpToNineteen)
{
    ThreeMacros();
    MacroManager manager = Manager();
    ASSERT_EQ(manager.New(), NewMacroResult::kCreated);
    EXPECT_EQ(manager.MacroName(3), "Macro_3");
    EXPECT_EQ(manager.Selected(), 3u);
    EXPECT_TRUE(manager.EventLines().empty());
    EXPECT_EQ(manager.LoopText(), "1");
    EXPECT_EQ(Names(), (Lines{"Macro_0", "Jump", "宏_2", "Macro_3"}));
    EXPECT_EQ(Stored("Macro_3").macroLoopTimes, 1);

    std::string nineteen;
    for (int m = 0; m < 19; ++m) {
        nineteen += "[M_" + std::to_string(m) + "]\r\nMacroLoopTimes=1\r\n";
    }
    File(nineteen);
    MacroManager full = Manager();
    const std::string before = Bytes();
    EXPECT_EQ(full.New(), NewMacroResult::kLimitReached);
    EXPECT_EQ(full.MacroCount(), 19u);
    EXPECT_EQ(Bytes(), before);

    // No file yet: New makes it.
    std::filesystem::remove(platform::PathFromUtf8(m_path));
    MacroManager empty = Manager();
    EXPECT_EQ(empty.MacroCount(), 0u);
    ASSERT_EQ(empty.New(), NewMacroResult::kCreated);
    EXPECT_EQ(Names(), (Lines{"Macro_0"}));
}

// Buttons on the first and third of three macros; the first is deleted.
TEST_F(MacroManagerTest, ButtonsFollowTheirMacroAfterADeleteWhetherOkOrCancel)
{
    for (const bool ok : {false, true}) {
        SCOPED_TRACE(ok ? "OK" : "Cancel");
        ThreeMacros();
        settings::ProfileRecord record;
        const MacroAreaEncoding before = EncodeMacroArea(m_store, m_path);
        std::copy(before.area.begin(), before.area.end(), record.MacroArea().begin());
        settings::ButtonCaptions captions;
        for (const std::size_t button : {0u, 1u}) {
            record.Button(settings::ProfileRecord::kActionType, button) =
                static_cast<std::uint8_t>(ActionType::kMacroKey);
            record.Button(settings::ProfileRecord::kMacroNumber, button) = button == 0 ? 0 : 2;
        }
        captions[0] = "Macro Key-Macro_0";
        captions[1] = "Macro Key-宏_2";

        MacroManager manager = Manager();
        ASSERT_TRUE(manager.Select(0));
        ASSERT_TRUE(manager.DeleteSelected());
        EXPECT_FALSE(manager.Selected());
        const MacroManagerOutcome outcome = manager.Finish(ok, 0);
        EXPECT_EQ(outcome.positions.newPosition, (std::vector<std::optional<std::size_t>>{std::nullopt, 0, 1}));
        ApplyMacroManagerOutcome(outcome, record, captions, language::Language::kEnglish);

        EXPECT_EQ(record.Button(settings::ProfileRecord::kActionType, 0),
                  static_cast<std::uint8_t>(ActionType::kButtonOff));
        EXPECT_EQ(captions[0], "Button Off");
        EXPECT_EQ(record.Button(settings::ProfileRecord::kMacroNumber, 1), 1);
        EXPECT_EQ(captions[1], "Macro Key-宏_2");
        // The blocks agree with the file either way: what OK would encode now.
        const MacroAreaEncoding now = EncodeMacroArea(m_store, m_path);
        EXPECT_TRUE(std::equal(now.area.begin(), now.area.end(), record.MacroArea().begin()));
        EXPECT_EQ(Names(), (Lines{"Jump", "宏_2"}));
    }
}

TEST_F(MacroManagerTest, RecordingLetsOnlyItsOwnControlsAct)
{
    ThreeMacros();
    MacroManager manager = Manager();
    ASSERT_TRUE(manager.Select(std::nullopt));
    EXPECT_FALSE(manager.StartRecording());  // no macro: the record button does nothing
    ASSERT_TRUE(manager.Select(0));
    EXPECT_EQ(manager.OnEnterKey(), EnterKeyAction::kSwallow);

    ASSERT_TRUE(manager.StartRecording());
    EXPECT_TRUE(manager.EventLines().empty());
    for (const ManagerControl control :
         {ManagerControl::kNew, ManagerControl::kDelete, ManagerControl::kMacroList, ManagerControl::kEventList,
          ManagerControl::kDelayOption, ManagerControl::kLoopOption, ManagerControl::kLoopField}) {
        EXPECT_FALSE(manager.Acts(control)) << static_cast<int>(control);
    }
    for (const ManagerControl control :
         {ManagerControl::kRecordButton, ManagerControl::kOk, ManagerControl::kCancel, ManagerControl::kClose}) {
        EXPECT_TRUE(manager.Acts(control)) << static_cast<int>(control);
    }
    // The model refuses them too.
    EXPECT_EQ(manager.New(), NewMacroResult::kRefused);
    EXPECT_FALSE(manager.Select(1));
    EXPECT_FALSE(manager.DeleteSelected());
    EXPECT_EQ(manager.SetLoopText("9"), "3");
    EXPECT_FALSE(manager.LoopFieldEnabled());
    EXPECT_EQ(manager.OnEnterKey(), EnterKeyAction::kSwallow);  // Enter is a key to record

    EXPECT_EQ(manager.OnRecordedKey({"A", false, false, KeyRole::kOther}, 100), RecordOutcome::kRecorded);
    EXPECT_EQ(manager.OnRecordedKey({"A", true, false, KeyRole::kOther}, 220), RecordOutcome::kRecorded);
    EXPECT_EQ(manager.EventSelection(), 2u);
    ASSERT_TRUE(manager.StopRecording(300));
    EXPECT_EQ(Stored("Macro_0").items, kFirstLines);
    EXPECT_EQ(manager.OnEnterKey(), EnterKeyAction::kOk);
    EXPECT_TRUE(manager.Acts(ManagerControl::kNew));

    // Leaving the dialog stops a recording and saves it, the held key released.
    ASSERT_TRUE(manager.StartRecording());
    EXPECT_EQ(manager.OnRecordedKey({"B", false, false, KeyRole::kOther}, 1000), RecordOutcome::kRecorded);
    (void)manager.Finish(false, 1050);
    EXPECT_FALSE(manager.IsRecording());
    EXPECT_EQ(Stored("Macro_0").items, (Lines{"B   Dn", "50 ms", "B   Up"}));
}

// The file store with writes that fail on demand (a read-only file, a full disk).
class FailingWrites final : public platform::IniStore {
public:
    explicit FailingWrites(platform::IniStore& store) : m_store(store) {}
    bool fail = false;

    std::string GetString(const std::string& path, std::string_view section, std::string_view key,
                          std::string_view defaultValue, std::size_t capacity) override
    {
        return m_store.GetString(path, section, key, defaultValue, capacity);
    }
    bool WriteString(const std::string& path, std::string_view section, std::string_view key,
                     std::string_view value) override
    {
        return !fail && m_store.WriteString(path, section, key, value);
    }
    bool DeleteSection(const std::string& path, std::string_view section) override
    {
        return !fail && m_store.DeleteSection(path, section);
    }
    bool WriteSection(const std::string& path, std::string_view section,
                      std::span<const platform::IniEntry> entries) override
    {
        return !fail && m_store.WriteSection(path, section, entries);
    }
    bool RenameSection(const std::string& path, std::string_view from, std::string_view to) override
    {
        return !fail && m_store.RenameSection(path, from, to);
    }
    std::vector<std::string> SectionNames(const std::string& path) override { return m_store.SectionNames(path); }

private:
    platform::IniStore& m_store;
};

TEST_F(MacroManagerTest, AFailedWriteIsToldOnceUntilAWriteWorksAgain)
{
    ThreeMacros();
    FailingWrites store(m_store);
    MacroManager manager(store, m_path, "Macro");
    EXPECT_FALSE(manager.TakeWriteFailure());

    store.fail = true;
    ASSERT_TRUE(manager.ToggleLoop());
    EXPECT_TRUE(manager.SaveFailed());
    EXPECT_TRUE(manager.TakeWriteFailure());
    EXPECT_FALSE(manager.TakeWriteFailure());
    EXPECT_EQ(manager.New(), NewMacroResult::kWriteFailed);  // the same run of failures
    ASSERT_TRUE(manager.Select(1));
    EXPECT_FALSE(manager.OnMacroDoubleClick(1));
    ASSERT_TRUE(manager.OnMacroDoubleClick(1));
    EXPECT_FALSE(manager.CommitEditor("Hop"));
    EXPECT_FALSE(manager.DeleteSelected());
    EXPECT_FALSE(manager.TakeWriteFailure());
    EXPECT_EQ(Names(), (Lines{"Macro_0", "Jump", "宏_2"}));

    store.fail = false;
    ASSERT_TRUE(manager.ToggleRecordDelays());
    EXPECT_FALSE(manager.TakeWriteFailure());
    store.fail = true;
    EXPECT_EQ(manager.SetLoopText("7"), "7");
    EXPECT_TRUE(manager.TakeWriteFailure());
}

TEST_F(MacroManagerTest, OkEncodesNamesOnlyThisSystemReportsThroughItsKeyNameMap)
{
    File(Section("Macro_0", "DelayTimeSelStatus=1\r\n", {"STRG   Dn", "STRG   Up"}));
    KeyNameMap names;
    ASSERT_TRUE(names.Add({0x1D, false}, "STRG"));  // the left Ctrl key on a German system
    MacroManager manager = Manager();
    const MacroManagerOutcome outcome = manager.Finish(true, 0, names);
    EXPECT_EQ(outcome.encoding.area[3], 0xE0);
    EXPECT_EQ(outcome.encoding.area[5], 0xE0);
}

TEST_F(MacroManagerTest, KeyMessagesBeforeTheDialogSeesThem)
{
    constexpr std::uint32_t kDown = 0x100, kUp = 0x101, kSysDown = 0x104, kChar = 0x102, kMouseMove = 0x200;
    ThreeMacros();
    MacroManager manager = Manager();
    struct Row {
        std::uint32_t message;
        std::uint64_t key;
        KeyMessageAction action;
    };
    const Row beforeRecording[] = {
        {kDown, 0x5B, KeyMessageAction::kSwallow},    {kUp, 0x5C, KeyMessageAction::kSwallow},
        {kSysDown, 0x5B, KeyMessageAction::kSwallow}, {kDown, 0x1B, KeyMessageAction::kSwallow},
        {kUp, 0x1B, KeyMessageAction::kPass},         {kDown, 0x03, KeyMessageAction::kSwallow},
        {kDown, 0x0D, KeyMessageAction::kSwallow},    {kUp, 0x0D, KeyMessageAction::kPass},
        {kDown, 0x41, KeyMessageAction::kPass},       {kChar, 0x1B, KeyMessageAction::kPass},
        {kMouseMove, 0x5B, KeyMessageAction::kPass},
    };
    for (const Row& row : beforeRecording) {
        EXPECT_EQ(manager.OnKeyMessage(row.message, row.key), row.action) << row.message << " " << row.key;
    }
    ASSERT_TRUE(manager.StartRecording());
    EXPECT_EQ(manager.OnKeyMessage(kDown, 0x0D), KeyMessageAction::kSwallow);
    ASSERT_TRUE(manager.StopRecording(10));
    EXPECT_EQ(manager.OnKeyMessage(kDown, 0x0D), KeyMessageAction::kOk);
    EXPECT_EQ(manager.OnKeyMessage(kDown, 0x1B), KeyMessageAction::kSwallow);
}

}  // namespace
}  // namespace zalvane::assign
