#include "assign/key_capture.h"

#include <gtest/gtest.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "assign/key_codes.h"
#include "assign/key_name_map.h"
#include "assign/scan_codes.h"

namespace zalvane::assign {
namespace {

// What the system reports for a scan code, and the code the reported name must give.
struct Reported {
    std::uint8_t scan;
    bool extended;
    std::string name;
    std::uint8_t code;
};

// Builds the map the way start-up does, asking the recorded layout for every scan code.
KeyNameMap MapOf(const std::vector<Reported>& layout)
{
    std::map<std::pair<std::uint8_t, bool>, std::string> names;
    for (const Reported& r : layout) {
        names[{r.scan, r.extended}] = r.name;
    }
    return BuildKeyNameMap([&](ScanCode scan) {
        const auto found = names.find({scan.code, scan.extended});
        return found == names.end() ? std::string() : found->second;
    });
}

void ExpectCodes(const std::vector<Reported>& layout)
{
    const KeyNameMap map = MapOf(layout);
    for (const Reported& r : layout) {
        SCOPED_TRACE(r.name);
        EXPECT_EQ(KeyCodeFromName(r.name, map), r.code);
        EXPECT_EQ(MacroKeyCodeFromName(r.name, map), r.code == 0x65 ? 0 : r.code);  // macros know no Application key
    }
}

TEST(KeyNameMapTest, UsNamesKeepTheTableAndAddTheKeysItLacks)
{
    ExpectCodes({
        {0x1C, false, "Enter", 0x28},
        {0x1C, true, "Num Enter", 0x58},
        {0x1D, true, "Right Ctrl", 0xE4},
        {0x5D, true, "Application", 0x65},
        {0x56, false, "\\", 0x31},  // the ISO key reports the backslash name too: the table keeps 0x31
        {0x57, false, "F11", 0x44},
        {0x64, false, "F13", 0x68},
        {0x54, false, "Sys Req", 0x46},
        {0x46, true, "Break", 0x48},
    });
}

// Recorded with Wine 8 on an X server with a US layout (GetKeyNameTextW for each scan code).
TEST(KeyNameMapTest, X11NamesUnderWineGiveTheirKeys)
{
    ExpectCodes({
        {0x01, false, "Escape", 0x29},
        {0x0E, false, "BackSpace", 0x2A},
        {0x0F, false, "Tab", 0x2B},
        {0x10, false, "Q", 0x14},
        {0x10, true, "Q", 0x14},  // letters report their name with the extended flag
                                  // too
        {0x1C, false, "Return", 0x28},
        {0x1C, true, "KP_Enter", 0x58},
        {0x1D, false, "Control", 0xE0},
        {0x1D, true, "Control", 0xE0},  // both Ctrl keys share the name: it stays with the left one
        {0x2A, false, "Shift", 0xE1},
        {0x36, false, "Shift", 0xE1},
        {0x37, false, "KP_Multiply", 0x55},
        {0x38, false, "Alt", 0xE2},
        {0x39, false, "space", 0x2C},
        {0x3A, false, "Caps_Lock", 0x39},
        {0x45, false, "Pause", 0x48},
        {0x45, true, "Num_Lock", 0x53},
        {0x46, false, "Scroll_Lock", 0x47},
        {0x47, false, "KP_Home", 0x5F},
        {0x49, false, "KP_Prior", 0x61},
        {0x4A, false, "KP_Subtract", 0x56},
        {0x4A, true, "-", 0x2D},  // no key: the plain "-" of the table
        {0x4C, false, "KP_Begin", 0x5D},
        {0x4E, false, "KP_Add", 0x57},
        {0x52, false, "KP_Insert", 0x62},
        {0x53, false, "KP_Delete", 0x63},
        {0x56, false, "<", 0x64},
        {0x35, true, "KP_Divide", 0x54},
        {0x37, true, "Print", 0x46},
        {0x47, true, "Home", 0x4A},
        {0x49, true, "Prior", 0x4B},
        {0x51, true, "Next", 0x4E},
        {0x5B, true, "Super_L", 0xE3},
        {0x5C, true, "Super_R", 0xE7},
        {0x5D, true, "Menu", 0x65},
        {0x61, false, "Katakana", 0},  // Wine's own place for it: no key of ours
    });
}

// The German layout's key names (printable keys are named by their character).
TEST(KeyNameMapTest, GermanLayoutNamesGiveTheirKeys)
{
    ExpectCodes({
        {0x01, false, "ESC", 0x29},
        {0x0C, false, "ß", 0x2D},
        {0x0D, false, "AKUT", 0x2E},
        {0x0E, false, "RÜCK", 0x2A},
        {0x0F, false, "TABULATOR", 0x2B},
        {0x15, false, "Z", 0x1D},  // the table comes first: named letters keep their US places
        {0x1A, false, "Ü", 0x2F},
        {0x1C, false, "EINGABE", 0x28},
        {0x1D, false, "STRG", 0xE0},
        {0x27, false, "Ö", 0x33},
        {0x28, false, "Ä", 0x34},
        {0x29, false, "ZIRKUMFLEX", 0x35},
        {0x2A, false, "UMSCHALT", 0xE1},
        {0x2B, false, "#", 0x31},
        {0x36, false, "UMSCHALT RECHTS", 0xE5},
        {0x37, false, " (ZEHNERTASTATUR)", 0x55},
        {0x39, false, "LEER", 0x2C},
        {0x3A, false, "FESTSTELL", 0x39},
        {0x45, false, "PAUSE", 0x48},
        {0x46, false, "ROLLEN-FESTSTELL", 0x47},
        {0x47, false, "7 (ZEHNERTASTATUR)", 0x5F},
        {0x53, false, "KOMMA (ZEHNERTASTATUR)", 0x63},
        {0x56, false, "<", 0x64},
        {0x1C, true, "EINGABE (ZEHNERTASTATUR)", 0x58},
        {0x1D, true, "STRG-RECHTS", 0xE4},
        {0x35, true, " (ZEHNERTASTATUR)", 0x55},  // the layout names keypad / like keypad *: the first keeps it
        {0x37, true, "DRUCK", 0x46},
        {0x38, true, "ALT GR", 0xE6},
        {0x45, true, "NUM-FESTSTELL", 0x53},
        {0x47, true, "POS1", 0x4A},
        {0x49, true, "BILD-NACH-OBEN", 0x4B},
        {0x50, true, "NACH-UNTEN", 0x51},
        {0x52, true, "EINFG", 0x49},
        {0x53, true, "ENTF", 0x4C},
        {0x5B, true, "LINKE WINDOWS", 0xE3},
        {0x5D, true, "ANWENDUNG", 0x65},
    });
}

TEST(KeyNameMapTest, FrenchLayoutNamesGiveTheirKeys)
{
    ExpectCodes({
        {0x01, false, "ECHAP", 0x29},
        {0x02, false, "&", 0x1E},
        {0x03, false, "É", 0x1F},
        {0x04, false, "\"", 0x20},
        {0x07, false, "-", 0x2D},  // the table's "-", not the French place of the key
        {0x0A, false, "Ç", 0x26},
        {0x0B, false, "À", 0x27},
        {0x0C, false, ")", 0x2D},
        {0x0E, false, "RET.ARR", 0x2A},
        {0x10, false, "A", 0x04},
        {0x1A, false, "ACCENT CIRCONFLEXE", 0x2F},
        {0x1B, false, "$", 0x30},
        {0x1C, false, "ENTREE", 0x28},
        {0x1D, false, "CTRL", 0xE0},
        {0x28, false, "Ù", 0x34},
        {0x29, false, "²", 0x35},
        {0x2A, false, "MAJ", 0xE1},
        {0x2B, false, "*", 0x31},
        {0x34, false, ":", 0x37},
        {0x35, false, "!", 0x38},
        {0x36, false, "MAJ DROITE", 0xE5},
        {0x37, false, "* (PAVE NUM.)", 0x55},
        {0x39, false, "ESPACE", 0x2C},
        {0x3A, false, "VERR.MAJ", 0x39},
        {0x46, false, "DEFIL", 0x47},
        {0x53, false, ". (PAVE NUM.)", 0x63},
        {0x1C, true, "ENTREE (PAVE NUM.)", 0x58},
        {0x1D, true, "CTRL DROITE", 0xE4},
        {0x37, true, "Impr.Ecran", 0x46},
        {0x38, true, "ALT DROITE", 0xE6},
        {0x45, true, "Ver.Num", 0x53},
        {0x47, true, "ORIGINE", 0x4A},
        {0x51, true, "PG.SUIV", 0x4E},
        {0x53, true, "SUPPR", 0x4C},
        {0x5C, true, "WINDOWS DROITE", 0xE7},
        {0x5D, true, "APPLICATION", 0x65},
    });
}

TEST(KeyNameMapTest, NamesNoScanCodeReportedGiveNothing)
{
    const KeyNameMap map = MapOf({{0x1C, false, "Return", 0x28}});
    EXPECT_EQ(map.Size(), 1u);
    for (const char* name : {"", "return", "Return ", "XF86AudioMute"}) {
        EXPECT_EQ(KeyCodeFromName(name, map), 0) << name;
    }
    EXPECT_EQ(KeyCodeFromName("Return", KeyNameMap{}), 0);
}

TEST(ScanCodeTest, EveryKeyboardKeyHasOneScanCode)
{
    std::set<std::pair<std::uint8_t, bool>> scans;
    std::multiset<std::uint8_t> usages;
    for (const ScanCodeRow& row : ScanCodeTable()) {
        EXPECT_NE(row.usage, 0) << int{row.scan.code};
        EXPECT_TRUE(scans.insert({row.scan.code, row.scan.extended}).second) << int{row.scan.code};
        EXPECT_EQ(UsageFromScanCode(row.scan), row.usage);
        usages.insert(row.usage);
    }
    // Every key of the key name table but the non-US "#" (it shares 0x2B with "\") and the
    // mouse's own buttons; Pause and Print Screen also arrive as Break and Alt+Print Screen.
    for (const KeyNameRow& key : KeyNameTable()) {
        if (key.code == 0x32 || key.code >= kLeftMouseButtonKey) {
            continue;
        }
        EXPECT_EQ(usages.count(key.code), key.code == 0x48 || key.code == 0x46 ? 2u : 1u) << key.name;
    }
    EXPECT_EQ(UsageFromScanCode({0x10, true}), 0);  // previous track, a consumer key
    EXPECT_EQ(UsageFromScanCode({0x00, false}), 0);
    EXPECT_EQ(UsageFromScanCode({0xFF, true}), 0);
}

TEST(KeyCaptureTest, CodesComeFromTheScanCodeAndNamesStayAsReported)
{
    const KeyNameMap wine = MapOf({{0x1C, true, "KP_Enter", 0x58}});
    const struct {
        std::uint32_t flags;
        std::string name;
        std::optional<CapturedKey> expected;
    } cases[] = {
        {0x001C0001, "Enter", CapturedKey{"Enter", 0x28}},
        {0x000F0001, "Tab", CapturedKey{"Tab", 0x2B}},
        {0x00150001, "Z", CapturedKey{"Z", 0x1C}},                // German Z sits where US Y does
        {0x011D0001, "Control", CapturedKey{"Control", 0xE4}},    // right Ctrl under Wine
        {0x01380001, "ALT GR", CapturedKey{"ALT GR", 0xE6}},      // extended flag
        {0xC01C0001, "Enter", std::nullopt},                      // release
        {0x00000001, "KP_Enter", CapturedKey{"KP_Enter", 0x58}},  // no scan code: by name
        {0x00000001, "Space", CapturedKey{"Space", 0x2C}},
        {0x01200001, "XF86AudioMute", CapturedKey{"XF86AudioMute", 0}},  // a media key: no code, name kept
    };
    for (const auto& c : cases) {
        EXPECT_EQ(CaptureKey(c.flags, c.name, wine), c.expected) << c.name;
    }
}

TEST(KeyCaptureTest, DialogsSwallowOnlyTheirKeyMessages)
{
    const struct {
        std::uint32_t message;
        std::uint64_t key;
        bool swallowed;
    } cases[] = {
        {kKeyDownMessage, kEnterKey, true},
        {kKeyDownMessage, kEscapeKey, true},
        {kKeyDownMessage, kTabKey, true},
        {kKeyUpMessage, kEnterKey, false},
        {kSysKeyDownMessage, kEnterKey, true},
        {kKeyDownMessage, kLeftWindowsKey, true},
        {kKeyUpMessage, kRightWindowsKey, true},
        {kSysKeyUpMessage, kLeftWindowsKey, true},
        {kKeyDownMessage, 0x41, false},
        {0x0200, kLeftWindowsKey, false},  // a pointer move whose first parameter happens to be 0x5B
        {0x0102, kTabKey, false},          // a character message
    };
    for (const auto& c : cases) {
        EXPECT_EQ(KeyDialogSwallows(c.message, c.key), c.swallowed) << std::hex << c.message << ' ' << c.key;
    }
}

}  // namespace
}  // namespace zalvane::assign
