#include "dialogs/profile_list_dialog.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>

#include "unit/support/program_folder.h"
#include "unit/support/recording_ports.h"

namespace zalvane::dialogs {
namespace {

using Names = std::vector<std::string>;
constexpr std::string_view kFactory = "factory";

// A program folder whose list holds `names`, each name's pair marked with it: its profile
// file filled with its own byte and its first caption being the name.
class ProfileListDialogTest : public testing::Test {
protected:
    void MakeList(const Names& names, std::uint8_t currentIndex)
    {
        initial = names;
        folder.emplace();
        folder->WriteList(names.at(currentIndex), std::to_string(names.size()), names);
        for (std::size_t slot = 0; slot < names.size(); ++slot) {
            folder->WriteProfile(settings::ProfileFileName(slot), Fill(slot));
            ini.WriteString(folder->File(settings::TextFileName(slot)), "Setting-EN", "Item1", names[slot]);
        }
        files.modulePath = folder->ModulePath();
        files.paths = settings::PathsFromModulePath(files.modulePath);
        files.profileIndex = currentIndex;
        settings::RebuildProfilePaths(files);
    }

    static std::uint8_t Fill(std::size_t slot) { return static_cast<std::uint8_t>(0x40 + slot); }

    // Whose settings the pair of `position` holds: a name of the initial list, or the factory's.
    std::string Origin(std::size_t position)
    {
        const auto profile = test::ReadBytes(folder->File(settings::ProfileFileName(position)));
        const std::string text = folder->File(settings::TextFileName(position));
        const std::string caption = ini.GetString(text, "Setting-EN", "Item1");
        if (profile == test::ReadBytes(folder->File("config.bin"))) {
            const auto sections = ini.SectionNames(text);
            const bool listless = std::find(sections.begin(), sections.end(), "Profile") == sections.end();
            const bool factoryText = caption == ini.GetString(folder->File("str.ini"), "Setting-EN", "Item1");
            return listless && factoryText ? std::string(kFactory) : "factory profile with other text";
        }
        for (std::size_t slot = 0; slot < initial.size(); ++slot) {
            if (profile.at(1) == Fill(slot)) {
                return caption == initial[slot] ? initial[slot] : "mixed pair";
            }
        }
        return "unknown";
    }

    // "select 1", "delete", "new", "copy", "rename 0 New name".
    void Run(ProfileListDialog& dialog, const std::string& op)
    {
        std::istringstream words(op);
        std::string verb;
        words >> verb;
        if (verb == "select") {
            std::size_t position = 0;
            words >> position;
            dialog.Select(position);
        } else if (verb == "delete") {
            EXPECT_TRUE(dialog.Delete()) << op;
        } else if (verb == "new") {
            EXPECT_EQ(dialog.New(), NewOutcome::kAdded) << op;
        } else if (verb == "copy") {
            EXPECT_TRUE(dialog.Copy("Copy")) << op;
        } else if (verb == "rename") {
            std::size_t position = 0;
            words >> position;
            std::string text;
            std::getline(words >> std::ws, text);
            EXPECT_EQ(dialog.Rename(position, text), RenameOutcome::kRenamed) << op;
        } else {
            ADD_FAILURE() << "unknown step " << op;
        }
    }

    settings::ProfileList ListOnDisk() { return settings::ReadProfileListForDialog(ini, folder->File("str.ini")); }

    std::optional<test::ProgramFolder> folder{std::in_place};  // a fresh one for every list
    platform::PortableIniStore ini;
    settings::ProfileFiles files;
    Names initial;
};

TEST_F(ProfileListDialogTest, EveryNameKeepsItsOwnFilesAfterClose)
{
    struct Case {
        std::string name;
        Names names;
        std::uint8_t current;  // the main window's profile index
        std::vector<std::string> steps;
        Names after;
        Names origins;  // whose files each position holds afterwards
        std::size_t currentAfter;
        bool reload;
    };
    const std::string f(kFactory);
    const Case cases[] = {
        {"delete the middle of three",
         {"A", "B", "C"},
         2,
         {"select 1", "delete", "select 1"},
         {"A", "C"},
         {"A", "C"},
         1,
         false},
        {"nothing selected after a delete: the first is current",
         {"A", "B", "C"},
         2,
         {"select 1", "delete"},
         {"A", "C"},
         {"A", "C"},
         0,
         true},
        {"delete the first, then New",
         {"A", "B", "C"},
         0,
         {"select 0", "delete", "new"},
         {"B", "C", "C_2"},
         {"B", "C", f},
         2,
         true},
        {"a copy takes its source's files, also once the source is gone",
         {"A", "B"},
         1,
         {"select 0", "copy", "select 0", "delete", "select 0"},
         {"B", "Copy A"},
         {"B", "A"},
         0,
         false},
        {"a copy of a new name gets the factory files",
         {"A"},
         0,
         {"new", "copy", "select 0"},
         {"A", "A_1", "Copy A_1"},
         {"A", f, f},
         0,
         false},
        {"a rename moves no file", {"A", "B"}, 1, {"rename 1 Zed"}, {"A", "Zed"}, {"A", "B"}, 1, false},
        {"two deletes and a copy in between",
         {"A", "B", "C", "D"},
         3,
         {"select 2", "copy", "select 1", "delete", "select 1", "delete", "select 1"},
         {"A", "D", "Copy C"},
         {"A", "D", "C"},
         1,
         false},
        {"a copy renamed after its deleted source keeps the source's files",
         {"A", "B", "C"},
         0,
         {"select 1", "copy", "select 1", "delete", "rename 2 B", "select 0"},
         {"A", "C", "B"},
         {"A", "C", "B"},
         0,
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MakeList(c.names, c.current);
        ProfileListDialog dialog = ProfileListDialog::Open(ini, files.paths.listFile);
        for (const std::string& step : c.steps) {
            Run(dialog, step);
        }
        const CloseOutcome closed = dialog.Close(ini, files);
        ASSERT_FALSE(closed.failure.has_value()) << closed.failure->path;
        EXPECT_TRUE(closed.listWritten);
        EXPECT_EQ(closed.reloadProfile, c.reload);
        EXPECT_EQ(ListOnDisk().names, c.after);
        EXPECT_EQ(ListOnDisk().selected, c.currentAfter);
        EXPECT_EQ(files.profileIndex, c.currentAfter);
        EXPECT_EQ(files.paths.profileFile, folder->File(settings::ProfileFileName(c.currentAfter)));
        for (std::size_t position = 0; position < c.origins.size(); ++position) {
            EXPECT_EQ(Origin(position), c.origins[position]) << "position " << position;
        }
        // No temporary or moved-aside file is left behind.
        for (const auto& [file, bytes] : folder->Snapshot()) {
            EXPECT_EQ(file.find(".tmp"), std::string::npos) << file;
        }
    }
}

TEST_F(ProfileListDialogTest, LoadAndSaveWriteMovedNamesFirstAndTheMainWindowFollowsItsProfile)
{
    MakeList({"A", "B", "C"}, 2);
    ProfileListDialog dialog = ProfileListDialog::Open(ini, files.paths.listFile);
    // Nothing moved: nothing is written before the transfer.
    const auto untouched = folder->Snapshot();
    dialog.Select(1);
    EXPECT_EQ(dialog.RequestTransfer(ini, files).profile, 1u);
    EXPECT_EQ(folder->Snapshot(), untouched);

    Run(dialog, "delete");
    EXPECT_EQ(dialog.RequestTransfer(ini, files).profile, std::nullopt);  // nothing selected
    dialog.Select(0);
    EXPECT_TRUE(dialog.FilesPending());
    const TransferRequest request = dialog.RequestTransfer(ini, files);
    EXPECT_EQ(request.profile, 0u);
    EXPECT_FALSE(dialog.FilesPending());
    EXPECT_EQ(Origin(1), "C");
    // The list on disk matches the files, and still names the main window's profile.
    EXPECT_EQ(ListOnDisk().names, (Names{"A", "C"}));
    EXPECT_EQ(ListOnDisk().selected, 1u);
    EXPECT_EQ(files.profileIndex, 1);
    EXPECT_EQ(files.paths.profileFile, folder->File("config1.bin"));

    // The main window's profile deleted: its settings belong to no file any more.
    Run(dialog, "new");
    dialog.Select(1);
    Run(dialog, "delete");
    dialog.Select(0);
    EXPECT_EQ(dialog.RequestTransfer(ini, files).profile, 0u);
    EXPECT_FALSE(files.profileKnown);
    EXPECT_EQ(files.paths.profileFile, std::nullopt);
    EXPECT_EQ(Origin(1), std::string(kFactory));
    // Closing makes the selection current; the main window loads it.
    const CloseOutcome closed = dialog.Close(ini, files);
    EXPECT_TRUE(closed.reloadProfile);
    EXPECT_TRUE(files.profileKnown);
    EXPECT_EQ(ListOnDisk().names, (Names{"A", "C_2"}));
}

TEST_F(ProfileListDialogTest, AListThatCannotBeReadIsNeverWiped)
{
    struct Case {
        std::string name;
        std::string count;
        bool newProfile;  // the user presses New before closing
        bool written;
    };
    const Case cases[] = {
        {"count 7, nothing changed", "7", false, false},
        {"count abc, nothing changed", "abc", false, false},
        {"count 7, a new name", "7", true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MakeList({"A", "B"}, 0);
        folder->WriteList("A", c.count, {"A", "B", "C", "D", "E", "F", "G"});
        const auto before = folder->Snapshot();
        ProfileListDialog dialog = ProfileListDialog::Open(ini, files.paths.listFile);
        EXPECT_TRUE(dialog.Items().empty());
        if (c.newProfile) {
            Run(dialog, "new");
        }
        const CloseOutcome closed = dialog.Close(ini, files);
        EXPECT_EQ(closed.listWritten, c.written);
        EXPECT_EQ(closed.failure.has_value(), false);
        if (!c.written) {
            EXPECT_EQ(folder->Snapshot(), before);
        } else {
            EXPECT_EQ(ListOnDisk().names, Names{"PROFILE_0"});
        }
    }
    // A missing list file is not made by the dialog.
    std::filesystem::remove(folder->File("str.ini"));
    ProfileListDialog dialog = ProfileListDialog::Open(ini, files.paths.listFile);
    Run(dialog, "new");
    const auto before = folder->Snapshot();
    EXPECT_FALSE(dialog.Close(ini, files).listWritten);
    EXPECT_EQ(folder->Snapshot(), before);
}

TEST_F(ProfileListDialogTest, AFailedWriteChangesNoFileAndNamesTheFile)
{
    const auto readOnly = [](const std::string& path) {
        std::filesystem::permissions(path,
                                     std::filesystem::perms::owner_write | std::filesystem::perms::group_write |
                                         std::filesystem::perms::others_write,
                                     std::filesystem::perm_options::remove);
    };
    for (const std::string locked : {"str1.ini", "str.ini"}) {
        SCOPED_TRACE(locked);
        MakeList({"A", "B", "C"}, 0);
        readOnly(folder->File(locked));
        const auto before = folder->Snapshot();
        ProfileListDialog dialog = ProfileListDialog::Open(ini, files.paths.listFile);
        Run(dialog, "select 1");
        Run(dialog, "delete");
        const CloseOutcome closed = dialog.Close(ini, files);
        ASSERT_TRUE(closed.failure.has_value());
        EXPECT_EQ(closed.failure->path, folder->File(locked));
        EXPECT_FALSE(closed.listWritten);
        EXPECT_EQ(folder->Snapshot(), before);
        EXPECT_EQ(files.profileIndex, 0);
        EXPECT_TRUE(dialog.FilesPending());

        test::RecordingMessages messages;
        ShowFileFailure(messages, *closed.failure);
        ASSERT_EQ(messages.shown.size(), 1u);
        EXPECT_EQ(messages.shown[0].caption, "NULL ==fp ");
        EXPECT_TRUE(messages.shown[0].text.starts_with("Error Code is: ")) << messages.shown[0].text;
    }
}

TEST_F(ProfileListDialogTest, ClicksLimitsAndRefusals)
{
    MakeList({"A", "B"}, 0);
    ProfileListDialog dialog = ProfileListDialog::Open(ini, files.paths.listFile);
    EXPECT_EQ(dialog.Selected(), 0u);
    // The first click remembers the item, the second on the same item renames it.
    EXPECT_EQ(dialog.ClickSelected(), std::nullopt);
    EXPECT_EQ(dialog.Edit(), 0u);
    EXPECT_EQ(dialog.Rename(0, "B"), RenameOutcome::kRefused);
    EXPECT_EQ(dialog.Names(), (Names{"A", "B"}));
    EXPECT_EQ(dialog.ClickSelected(), 0u);  // still remembered after a refusal
    EXPECT_EQ(dialog.Rename(0, "Game"), RenameOutcome::kRenamed);
    EXPECT_EQ(dialog.ClickSelected(), std::nullopt);  // forgotten after a rename
    EXPECT_EQ(dialog.Rename(5, "X"), RenameOutcome::kNoItem);

    dialog.Select(1);
    EXPECT_EQ(dialog.ClickSelected(), std::nullopt);
    Run(dialog, "new");
    EXPECT_EQ(dialog.Selected(), 2u);
    EXPECT_EQ(dialog.ClickSelected(), std::nullopt);  // New forgot the clicked item
    for (int i = 0; i < 3; ++i) {
        Run(dialog, "new");
    }
    EXPECT_EQ(dialog.New(), NewOutcome::kLimitReached);
    EXPECT_FALSE(dialog.Copy("Copy"));
    EXPECT_EQ(dialog.Items().size(), 6u);

    ProfileListDialog single = ProfileListDialog::Open(ini, std::nullopt);
    EXPECT_FALSE(single.Delete());
    EXPECT_EQ(single.Edit(), std::nullopt);
    EXPECT_EQ(single.RequestTransfer(ini, files).profile, std::nullopt);
    Run(single, "new");
    EXPECT_FALSE(single.Delete());  // the last name stays
}

}  // namespace
}  // namespace zalvane::dialogs
