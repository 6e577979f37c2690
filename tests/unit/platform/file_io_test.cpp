#include "platform/file_io.h"

#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <functional>

#include "unit/support/byte_files.h"

namespace zalvane::platform {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

// What a write does to each kind of thing already at its path: it replaces a regular file
// (through a link, which stays a link) and refuses everything else, leaving it as it was.
TEST(FileIoTest, AWriteLandsOnlyOnARegularFile)
{
    test::TempFolder folder;
    const fs::path root = folder.Path();
    struct Case {
        const char* what;
        std::function<void()> make;  // puts the thing at root/"t"
        std::error_code refusal;     // none: the write goes through
        fs::file_type after;         // what root/"t" is afterwards
    };
    const auto file = [&] { test::WriteBytes(PathToUtf8(root / "t"), Bytes{1}); };
    const std::vector<Case> cases = {
        {"a regular file", file, {}, fs::file_type::regular},
        {"nothing", [] {}, {}, fs::file_type::regular},
        {"a folder", [&] { fs::create_directory(root / "t"); }, std::make_error_code(std::errc::is_a_directory),
         fs::file_type::directory},
        {"a read-only file",
         [&] {
             file();
             fs::permissions(root / "t", fs::perms::owner_write, fs::perm_options::remove);
         },
         std::make_error_code(std::errc::permission_denied), fs::file_type::regular},
#ifndef _WIN32
        {"a pipe", [&] { ::mkfifo((root / "t").c_str(), 0600); }, NotRegularFileError(), fs::file_type::fifo},
        {"a link to a device", [&] { fs::create_symlink("/dev/null", root / "t"); }, NotRegularFileError(),
         fs::file_type::symlink},
        {"a link to nothing", [&] { fs::create_symlink(root / "gone", root / "t"); },
         std::make_error_code(std::errc::no_such_file_or_directory), fs::file_type::symlink},
        {"a loop of links", [&] { fs::create_symlink(root / "t", root / "t"); },
         std::make_error_code(std::errc::too_many_symbolic_link_levels), fs::file_type::symlink},
        {"a link to a file",
         [&] {
             test::WriteBytes(PathToUtf8(root / "real"), Bytes{1});
             fs::create_symlink(root / "real", root / "t");
         },
         {},
         fs::file_type::symlink},
#endif
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::error_code ignored;
        fs::permissions(root / "t", fs::perms::owner_all, fs::perm_options::add, ignored);
        fs::remove_all(root / "t", ignored);
        c.make();
        std::error_code error;
        const bool written = WriteFileAtomically(PathToUtf8(root / "t"), Bytes{7, 7}, error);
        EXPECT_EQ(written, !c.refusal);
        EXPECT_EQ(error, c.refusal);
        EXPECT_EQ(fs::symlink_status(root / "t").type(), c.after);
        if (written) {
            EXPECT_EQ(test::ReadBytes(PathToUtf8(root / "t")), (Bytes{7, 7}));
        }
    }
    fs::permissions(root / "t", fs::perms::owner_all, fs::perm_options::add);
}

// A temporary counts as left behind once nobody wrote to it for kLeftTemporaryAge: the
// next write of its file removes it, a younger one (a write under way elsewhere) stays.
TEST(FileIoTest, WritesAndStartsClearTemporariesThatInterruptedWritesLeft)
{
    test::TempFolder folder;
    const fs::path root = folder.Path();
    const auto make = [&](const std::string& name, bool old) {
        test::WriteBytes(PathToUtf8(root / name), Bytes{1});
        if (old) {
            fs::last_write_time(root / name, fs::file_time_type::clock::now() - kLeftTemporaryAge * 2);
        }
    };
    make("a.bin.~1-0.tmp", true);
    make("a.bin.~2-0.tmp", false);
    make("b.ini.~3-0.tmp", true);
    make("b.ini", true);
    make("notes.tmp", true);

    ASSERT_TRUE(WriteFileAtomically(PathToUtf8(root / "a.bin"), Bytes{2}));
    EXPECT_FALSE(fs::exists(root / "a.bin.~1-0.tmp"));
    EXPECT_TRUE(fs::exists(root / "a.bin.~2-0.tmp"));
    EXPECT_TRUE(fs::exists(root / "b.ini.~3-0.tmp"));

    EXPECT_EQ(RemoveLeftTemporariesIn(root), 1u);
    EXPECT_FALSE(fs::exists(root / "b.ini.~3-0.tmp"));
    for (const char* kept : {"a.bin", "a.bin.~2-0.tmp", "b.ini", "notes.tmp"}) {
        EXPECT_TRUE(fs::exists(root / kept)) << kept;
    }
}

}  // namespace
}  // namespace zalvane::platform
