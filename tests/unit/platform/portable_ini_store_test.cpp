#include "platform/portable_ini_store.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "unit/platform/ini_store_contract.h"
#include "unit/platform/ini_test_files.h"

namespace zalvane::test {

INSTANTIATE_TEST_SUITE_P(Portable, IniStoreContract,
                         ::testing::Values(IniStoreMaker{
                             "Portable", [] { return std::make_unique<platform::PortableIniStore>(); }}),
                         [](const auto& info) { return info.param.name; });

namespace {

using platform::PortableIniStore;

std::string Utf16BeFile(std::string_view utf8)
{
    std::string bytes = "\xFE\xFF";
    for (const char16_t unit : platform::Utf8ToUtf16(utf8)) {
        bytes.push_back(static_cast<char>(unit >> 8));
        bytes.push_back(static_cast<char>(unit & 0xFF));
    }
    return bytes;
}

class PortableIniStoreTest : public ::testing::Test {
protected:
    TempFolder m_folder;
    PortableIniStore m_store;
};

TEST_F(PortableIniStoreTest, NewFileIsUtf16WithByteOrderMarkAndCrLf)
{
    const std::string path = m_folder.File("new.ini");
    ASSERT_TRUE(m_store.WriteString(path, "宏_0", "MacroLoopTimes", "1"));
    ASSERT_TRUE(m_store.WriteString(path, "宏_0", "ItemCount", "0"));
    EXPECT_EQ(ReadRawFile(path), Utf16LeFile("[宏_0]\r\nMacroLoopTimes=1\r\nItemCount=0\r\n"));
}

// Every byte the write has no business with stays as it was, in each encoding.
TEST_F(PortableIniStoreTest, WriteTouchesOnlyItsOwnLine)
{
    struct Case {
        const char* what;
        std::string before;
        std::string after;
    };
    const Case cases[] = {
        {"UTF-8 with LF line ends and odd spacing", "top text\n[A]\n  k = old  \n; note\nloose\n\n[B]\nm=1",
         "top text\n[A]\nk=new\n; note\nloose\n\n[B]\nm=1\r\n[C]\r\nx=1\r\n"},
        {"UTF-8 with byte order mark and Chinese", "\xEF\xBB\xBF[A]\r\nk=旧\r\n\r\n[宏]\r\n",
         "\xEF\xBB\xBF[A]\r\nk=new\r\n\r\n[宏]\r\n[C]\r\nx=1\r\n"},
        {"UTF-16LE", Utf16LeFile("[A]\r\nk=1\r\n\r\n; end"),
         Utf16LeFile("[A]\r\nk=new\r\n\r\n; end\r\n[C]\r\nx=1\r\n")},
        {"UTF-8 with old CR line ends", "[A]\rk=1\r[B]\rm=2", "[A]\rk=new\r[B]\rm=2\r\n[C]\r\nx=1\r\n"},
        {"UTF-16BE", Utf16BeFile("[A]\nk=1"), Utf16BeFile("[A]\nk=new\r\n[C]\r\nx=1\r\n")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string path = m_folder.File("layout.ini");
        WriteRawFile(path, c.before);
        ASSERT_TRUE(m_store.WriteString(path, "a", "K", "new"));
        ASSERT_TRUE(m_store.WriteString(path, "C", "x", "1"));
        EXPECT_EQ(ReadRawFile(path), c.after);
    }
}

TEST_F(PortableIniStoreTest, NewKeyGoesBeforeTheBlankLinesThatEndItsSection)
{
    const std::string path = m_folder.File("keys.ini");
    WriteRawFile(path, "[A]\r\nk=1\r\n\r\n[B]\r\n");
    ASSERT_TRUE(m_store.WriteString(path, "A", "j", "2"));
    EXPECT_EQ(ReadRawFile(path), "[A]\r\nk=1\r\nj=2\r\n\r\n[B]\r\n");
}

TEST_F(PortableIniStoreTest, SectionWritesAndRenamesTouchOnlyThatSection)
{
    const platform::IniEntry entries[] = {{"ItemCount", "1"}, {"Item0", "A   Dn"}};
    struct Case {
        const char* what;
        std::string before;
        std::string afterWrite;
        std::string afterRename;
    };
    const Case cases[] = {
        // A rename keeps the header's own line end.
        {"comments and loose lines of the section go, the blank lines that end it stay",
         "; top\n[A]\n; about\nk=1\nloose\n\n[B]\nm=1\n", "; top\n[A]\nItemCount=1\r\nItem0=A   Dn\r\n\n[B]\nm=1\n",
         "; top\n[宏]\nItemCount=1\r\nItem0=A   Dn\r\n\n[B]\nm=1\n"},
        {"the last section of a file without a final line end", "[B]\nm=1\n[A] ; note\nk=1",
         "[B]\nm=1\n[A] ; note\nItemCount=1\r\nItem0=A   Dn\r\n", "[B]\nm=1\n[宏]\nItemCount=1\r\nItem0=A   Dn\r\n"},
        {"an empty section that ends the file", "[B]\nm=1\n[A]", "[B]\nm=1\n[A]\r\nItemCount=1\r\nItem0=A   Dn\r\n",
         "[B]\nm=1\n[宏]\r\nItemCount=1\r\nItem0=A   Dn\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string path = m_folder.File("section.ini");
        WriteRawFile(path, c.before);
        ASSERT_TRUE(m_store.WriteSection(path, "a", entries));
        EXPECT_EQ(ReadRawFile(path), c.afterWrite);
        ASSERT_TRUE(m_store.RenameSection(path, "A", "宏"));
        EXPECT_EQ(ReadRawFile(path), c.afterRename);
    }
    // Names that cannot stand in a section header, and keys that cannot stand on a line.
    const std::string path = m_folder.File("section.ini");
    const std::string before = ReadRawFile(path);
    const platform::IniEntry badKey[] = {{"k=2", "1"}};
    EXPECT_FALSE(m_store.WriteSection(path, "宏", badKey));
    EXPECT_FALSE(m_store.RenameSection(path, "宏", "A]B"));
    EXPECT_FALSE(m_store.RenameSection(path, "宏", " "));
    EXPECT_EQ(ReadRawFile(path), before);
}

TEST_F(PortableIniStoreTest, RefusesTextThatWouldBreakTheFile)
{
    const std::string path = m_folder.File("safe.ini");
    const std::string original = Utf16LeFile("[A]\r\nk=1\r\n");
    WriteRawFile(path, original);
    struct Case {
        std::string_view section, key, value;
    };
    const Case cases[] = {
        {"A", "k", "1\r\n[Evil]"}, {"A", "k", std::string_view("a\0b", 3)},
        {"A\n", "k", "1"},         {"A]x", "k", "1"},
        {"A", "k=2", "1"},         {"A", "[B]", "1"},
        {"A", ";k", "1"},          {"", "k", "1"},
        {"A", "  ", "1"},
    };
    for (const Case& c : cases) {
        EXPECT_FALSE(m_store.WriteString(path, c.section, c.key, c.value)) << c.section << "/" << c.key;
        EXPECT_EQ(ReadRawFile(path), original);
    }
    // Several values in one write: one of them refused keeps the others out too.
    const platform::IniEntry mixed[] = {{"ok", "1"}, {"bad", "1\r\n[Evil]"}};
    EXPECT_FALSE(m_store.WriteStrings(path, "A", mixed));
    EXPECT_EQ(ReadRawFile(path), original);
}

TEST_F(PortableIniStoreTest, DamagedFilesReadAsWellAsTheyCan)
{
    struct Case {
        const char* what;
        std::string bytes;
        std::string_view key;
        std::string_view expected;
    };
    const Case cases[] = {
        {"odd UTF-16 byte count", Utf16LeFile("[A]\r\nk=v") + "\x41", "k", "v"},
        {"invalid UTF-8", "[A]\r\nbad=x\xFF\xC0y\r\nk=v\r\n", "bad", "x\xEF\xBF\xBD\xEF\xBF\xBDy"},
        {"NUL inside a value", std::string("[A]\r\nk=ab\0cd\r\n", 15), "k", "ab"},
        {"NUL inside UTF-16", Utf16LeFile(std::string("[A]\r\nk=a\0b\r\nm=2\r\n", 17)), "m", "2"},
        {"byte order mark only", "\xFF\xFE", "k", "<default>"},
        {"lone surrogate", Utf16LeFile("[A]\r\nk=") + std::string("\x00\xD8x\x00", 4), "k", "\xEF\xBF\xBDx"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string path = m_folder.File("damaged.ini");
        WriteRawFile(path, c.bytes);
        EXPECT_EQ(m_store.GetString(path, "A", c.key, "<default>"), c.expected);
        // A write still works and keeps what could be read.
        ASSERT_TRUE(m_store.WriteString(path, "A", "new", "1"));
        EXPECT_EQ(m_store.GetString(path, "A", c.key, "<default>"), c.expected);
        EXPECT_EQ(m_store.GetString(path, "A", "new"), "1");
    }
}

TEST_F(PortableIniStoreTest, FileThatCannotBeReadIsNeverWrittenOver)
{
    // A folder where the file should be, and a file beyond the size bound.
    const std::string folder = m_folder.File("folder.ini");
    std::filesystem::create_directory(platform::PathFromUtf8(folder));
    EXPECT_FALSE(m_store.WriteString(folder, "A", "k", "1"));
    EXPECT_EQ(m_store.GetString(folder, "A", "k", "d"), "d");
    EXPECT_TRUE(std::filesystem::is_directory(platform::PathFromUtf8(folder)));

    const std::string huge = m_folder.File("huge.ini");
    const std::string content = "[A]\r\nk=1\r\n" + std::string(PortableIniStore::kMaxFileSize, ';');
    WriteRawFile(huge, content);
    EXPECT_EQ(m_store.GetString(huge, "A", "k", "d"), "d");
    EXPECT_FALSE(m_store.WriteString(huge, "A", "k", "2"));
    EXPECT_FALSE(m_store.DeleteSection(huge, "A"));
    EXPECT_EQ(std::filesystem::file_size(platform::PathFromUtf8(huge)), content.size());

    EXPECT_FALSE(m_store.WriteString(m_folder.File("no-such-folder/x.ini"), "A", "k", "1"));

    const std::string readOnly = m_folder.File("read-only.ini");
    WriteRawFile(readOnly, "[A]\r\nk=1\r\n");
    const auto fsPath = platform::PathFromUtf8(readOnly);
    std::filesystem::permissions(fsPath, std::filesystem::perms::owner_write, std::filesystem::perm_options::remove);
    EXPECT_FALSE(m_store.WriteString(readOnly, "A", "k", "2"));
    EXPECT_EQ(m_store.GetString(readOnly, "A", "k"), "1");
    std::filesystem::permissions(fsPath, std::filesystem::perms::owner_write, std::filesystem::perm_options::add);
}

TEST_F(PortableIniStoreTest, WritesLeaveNoTemporaryFilesBehind)
{
    const std::string path = m_folder.File("record.ini");
    for (int i = 0; i < 20; ++i) {
        ASSERT_TRUE(m_store.WriteString(path, "Macro_" + std::to_string(i % 3), "Item" + std::to_string(i), "x"));
    }
    ASSERT_TRUE(m_store.DeleteSection(path, "Macro_1"));
    std::size_t files = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(m_folder.Path())) {
        ++files;
    }
    EXPECT_EQ(files, 1u);
}

TEST_F(PortableIniStoreTest, DeleteLeavesAMissingFileMissingAndRemovesEveryCopyOfTheSection)
{
    const std::string absent = m_folder.File("absent.ini");
    EXPECT_TRUE(m_store.DeleteSection(absent, "A"));
    EXPECT_FALSE(std::filesystem::exists(platform::PathFromUtf8(absent)));

    const std::string path = m_folder.File("twice.ini");
    WriteRawFile(path, "[A]\r\nk=1\r\n[B]\r\nm=2\r\n[a]\r\nk=3\r\n");
    ASSERT_TRUE(m_store.DeleteSection(path, "A"));
    EXPECT_EQ(m_store.SectionNames(path), std::vector<std::string>{"B"});
    EXPECT_EQ(m_store.GetString(path, "A", "k", "gone"), "gone");
}

TEST_F(PortableIniStoreTest, NamesMatchAcrossCaseBeyondAscii)
{
    const std::string path = m_folder.File("case.ini");
    WriteRawFile(path, Utf16LeFile("[Ärger]\r\nÉtat=1\r\n[Макрос]\r\nКлюч=2\r\n[ΑΒΓ]\r\nŁ=3\r\n[宏]\r\nk=4\r\n"));
    EXPECT_EQ(m_store.GetString(path, "ärger", "état"), "1");
    EXPECT_EQ(m_store.GetString(path, "МАКРОС", "ключ"), "2");
    EXPECT_EQ(m_store.GetString(path, "αβγ", "ł"), "3");
    EXPECT_EQ(m_store.GetString(path, "宏", "K"), "4");
}

// The store keeps the last file it parsed; a change by anyone else must still be seen.
TEST_F(PortableIniStoreTest, SeesChangesMadeBehindItsBack)
{
    const std::string path = m_folder.File("shared.ini");
    WriteRawFile(path, "[A]\r\nk=1\r\n");
    EXPECT_EQ(m_store.GetString(path, "A", "k"), "1");
    WriteRawFile(path, "[A]\r\nk=2\r\n");  // same size, same moment
    EXPECT_EQ(m_store.GetString(path, "A", "k"), "2");
    PortableIniStore other;
    ASSERT_TRUE(other.WriteString(path, "A", "k", "3"));
    EXPECT_EQ(m_store.GetString(path, "A", "k"), "3");
    // A file last changed long ago is trusted by its size and time; a change still shows.
    std::filesystem::last_write_time(platform::PathFromUtf8(path),
                                     std::filesystem::file_time_type::clock::now() - std::chrono::hours(1));
    EXPECT_EQ(m_store.GetString(path, "A", "k"), "3");
    EXPECT_EQ(m_store.GetString(path, "A", "k"), "3");
    WriteRawFile(path, "[A]\r\nk=4\r\n");
    EXPECT_EQ(m_store.GetString(path, "A", "k"), "4");
    std::filesystem::remove(platform::PathFromUtf8(path));
    EXPECT_EQ(m_store.GetString(path, "A", "k", "gone"), "gone");
}

TEST_F(PortableIniStoreTest, DefaultLosesTrailingBlanksAndIsCutToCapacity)
{
    const std::string path = m_folder.File("absent.ini");
    EXPECT_EQ(m_store.GetString(path, "A", "k", "  value  "), "  value");
    EXPECT_EQ(m_store.GetString(path, "A", "k", "abcdef", 4), "abc");
    EXPECT_EQ(m_store.GetString(path, "A", "k", "abc", 0), "");
}

}  // namespace
}  // namespace zalvane::test
