#include "factory/factory_profile.h"

#include <gtest/gtest.h>

#include "assign/function_lists.h"
#include "assign/macro_file.h"
#include "settings/text_settings.h"
#include "unit/support/program_folder.h"
#include "unit/support/recording_ports.h"

namespace zalvane::factory {
namespace {

using namespace settings;
using assign::ActionType;
using assign::FirstRunCaptions;

// What the main page would caption the button with after choosing its function.
std::string CaptionFor(const ProfileRecord& record, std::size_t button, language::Language language)
{
    const auto type = static_cast<ActionType>(record.Button(ProfileRecord::kActionType, button));
    if (type == ActionType::kCpiCycle) {
        const auto entries = assign::SecondListEntries(assign::SecondList::kDpi);
        return std::string(
            assign::EntryText(entries[record.Button(ProfileRecord::kDpiFunction, button) - 1u], language));
    }
    return std::string(assign::FunctionText(type, language));
}

TEST(FactoryProfileTest, ButtonFunctionsMatchTheFirstRunCaptions)
{
    const ProfileRecord record = FactoryProfileRecord();
    for (const auto language : {language::Language::kEnglish, language::Language::kSimplifiedChinese,
                                language::Language::kTraditionalChinese}) {
        const ButtonCaptions captions = FirstRunCaptions(language);
        for (std::size_t button = 0; button < kButtonCount; ++button) {
            EXPECT_EQ(CaptionFor(record, button, language), captions[button]) << "button " << button + 1;
        }
    }
    EXPECT_TRUE(std::all_of(record.MacroArea().begin(), record.MacroArea().end(), [](auto b) { return b == 0; }));
}

TEST(FactoryProfileTest, ShippedFolderLoadsAsAFirstRun)
{
    test::ProgramFolder folder;
    EXPECT_EQ(folder.Snapshot().size(), 15u);
    platform::PortableIniStore store;
    test::RecordingMessages messages;
    ProfileFiles files;
    files.modulePath = folder.ModulePath();
    ProfileRecord record;
    const LoadResult load = LoadProfile(store, messages, files, record);
    EXPECT_EQ(load.outcome, LoadOutcome::kLoaded);
    EXPECT_EQ(load.firstRunFlag, 0);
    EXPECT_EQ(record, FactoryProfileRecord());
    EXPECT_EQ(files.paths.profileFile, folder.File("config0.bin"));

    for (const char* text : {"str.ini", "str0.ini", "str5.ini"}) {
        SCOPED_TRACE(text);
        EXPECT_EQ(test::ReadRawFile(folder.File(text)).substr(0, 2), "\xFF\xFE");
        const TextSettings settings =
            ReadTextSettings(store, folder.File(text), language::Language::kTraditionalChinese);
        EXPECT_EQ(settings.captions, FirstRunCaptions(language::Language::kTraditionalChinese));
        EXPECT_EQ(settings.skinPath, "Default");
        EXPECT_EQ(settings.red + "," + settings.green + "," + settings.blue, "225,228,235");
        EXPECT_EQ(settings.sliderRows, (std::array<std::string, 4>{"235", "295", "255", "147"}));
        EXPECT_EQ(ReadLanguageCode(store, folder.File(text)), "");
    }
    EXPECT_EQ(ReadProfileListForDialog(store, folder.File("str0.ini")).names.size(), 0u);
    EXPECT_TRUE(assign::ReadMacroNames(store, folder.File("record.ini")).empty());
    EXPECT_TRUE(std::filesystem::exists(folder.File("record.ini")));
}

}  // namespace
}  // namespace zalvane::factory
