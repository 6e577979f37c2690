// A whole profile as the program meets it: a profile file of any bytes (mostly of the
// right size), the text file beside it and a macro file, through the load, the device
// apply to the virtual mouse, and every writer of a profile (the profile file, the
// captions, the summary and the JSON of `show`).

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>
#include <vector>

#include "app/device_apply.h"
#include "assign/button_block.h"
#include "assign/macro_file.h"
#include "cli/profile_summary.h"
#include "device/device_commands.h"
#include "device/virtual_hid_port.h"
#include "fuzz_input.h"
#include "json_check.h"
#include "platform/memory_ini_store.h"
#include "platform/pacer.h"
#include "platform/text_encoding.h"
#include "settings/config_patch.h"
#include "settings/profile_files.h"
#include "settings/text_settings.h"

using zalvane::fuzz::FuzzInput;
using zalvane::fuzz::Require;
namespace app = zalvane::app;
namespace assign = zalvane::assign;
namespace device = zalvane::device;
namespace lang = zalvane::language;
namespace platform = zalvane::platform;
namespace settings = zalvane::settings;

namespace {

constexpr const char* kTextFile = "str0.ini";
constexpr const char* kMacroFile = "record.ini";

// The profile file: mostly of the one size a load takes, so that the record's bytes are
// what varies; sometimes of any size.
std::vector<std::uint8_t> ProfileFileFrom(FuzzInput& input)
{
    const std::uint8_t shape = input.Byte();
    const std::size_t size = shape % 8 == 0 ? input.Below(3000) : settings::kProfileFileSize;
    std::vector<std::uint8_t> bytes = input.Bytes(size);
    if (shape % 8 != 0) {
        bytes.resize(size, shape);
    }
    return bytes;
}

// A value read from a file comes back from a write and a read, but for one pair of quotes
// around it, which every read takes off (as the system's reads do).
bool ReadsBackAs(const std::string& written, const std::string& read)
{
    const bool quoted =
        written.size() >= 2 && (written.front() == '"' || written.front() == '\'') && written.back() == written.front();
    return read == (quoted ? written.substr(1, written.size() - 2) : written);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzInput input(data, size);
    const std::vector<std::uint8_t> profileFile = ProfileFileFrom(input);
    platform::MemoryIniStore store;
    store.PutFile(kTextFile, input.Bytes(input.Below(4096)));
    store.PutFile(kMacroFile, input.Bytes(input.Below(4096)));

    // The load: the record comes whole or not at all; the text file in its language.
    const auto content = settings::ParseProfileFile(profileFile);
    Require(content.has_value() == (profileFile.size() == settings::kProfileFileSize));
    if (!content) {
        return 0;
    }
    Require(std::equal(content->record.bytes.begin(), content->record.bytes.end(), profileFile.begin() + 1));
    const lang::Language language = lang::LanguageFromCode(settings::ReadLanguageCode(store, kTextFile));
    const settings::TextSettings text = settings::ReadTextSettings(store, kTextFile, language);

    // The apply: the mouse holds the record's blocks afterwards, every config byte it
    // owns as it was.
    settings::ProfileRecord record = content->record;
    settings::SettingsImage image;
    device::VirtualMouse mouse;
    const device::VirtualMouseMemory factory = mouse.Memory();
    device::VirtualHidPort port(mouse);
    platform::RecordingPacer pacer;
    device::CommandLink link{port, pacer};
    Require(device::RunOpeningSequence(link, image, record).has_value());
    Require(app::RunDeviceApply(link, record, image).has_value());
    const device::VirtualMouseMemory& memory = mouse.Memory();
    Require(memory.selectedProfile == 0 && memory.reportInterval == record[settings::ProfileRecord::kReportInterval]);
    Require(memory.buttonBlock == assign::BuildButtonBlock(record));
    for (std::size_t block = 0; block < settings::kMacroCount; ++block) {
        Require(
            std::equal(memory.macroBlocks[block].begin(), memory.macroBlocks[block].end(),
                       record.MacroArea().begin() + static_cast<std::ptrdiff_t>(block * settings::kMacroBlockSize)));
    }
    device::VirtualBlock patched = factory.configBlocks[0];
    settings::PatchConfigBlock(patched, record);
    Require(memory.configBlocks[0] == patched);
    // The record is what was loaded, but for the profile number the apply sets to 0.
    Require(record[settings::ProfileRecord::kDeviceProfileNumber] == 0);
    Require(std::equal(record.bytes.begin() + 1, record.bytes.end(), content->record.bytes.begin() + 1));

    // The writers: the profile file reads back as the record, saved; the captions read
    // back as they were, and nothing else of the text file changes.
    const auto saved = settings::ParseProfileFile(settings::ProfileFileBytes(record));
    Require(saved && saved->firstRunFlag == settings::kSavedFlag && saved->record == record);
    if (settings::WriteCaptions(store, kTextFile, language, text.captions)) {
        const settings::TextSettings again = settings::ReadTextSettings(store, kTextFile, language);
        for (std::size_t button = 0; button < settings::kButtonCount; ++button) {
            Require(ReadsBackAs(text.captions[button], again.captions[button]));
        }
        Require(again.red == text.red && again.skinPath == text.skinPath && again.sliderRows == text.sliderRows);
    }

    zalvane::cli::ProfileSummaryInput summary;
    summary.profilePath = "config0.bin";
    summary.firstRunFlag = content->firstRunFlag;
    summary.record = content->record;
    summary.language = language;
    summary.captions = text.captions;
    summary.macroNames = assign::ReadMacroNames(store, kMacroFile);
    std::ostringstream readable;
    zalvane::cli::PrintProfileSummary(readable, summary);
    Require(platform::SanitizeUtf8(readable.str()) == readable.str());
    std::ostringstream json;
    zalvane::cli::PrintProfileJson(json, summary);
    Require(zalvane::fuzz::JsonCheck::IsValid(json.str()));
    Require(platform::SanitizeUtf8(json.str()) == json.str());
    return 0;
}
