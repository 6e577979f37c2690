#pragma once
// A program folder for tests: a temporary folder holding the shipped data files, as if
// "Zalvane.exe" lay beside them.

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "factory/factory_profile.h"
#include "platform/portable_ini_store.h"
#include "settings/profile_files.h"
#include "settings/profile_list.h"
#include "unit/support/byte_files.h"

namespace zalvane::test {

// Every file of a folder with its bytes, to show that nothing changed.
inline std::vector<std::pair<std::string, std::vector<std::uint8_t>>> FolderSnapshot(const std::filesystem::path& path)
{
    std::vector<std::pair<std::string, std::vector<std::uint8_t>>> files;
    for (const auto& entry : std::filesystem::directory_iterator(path)) {
        files.emplace_back(entry.path().filename().string(), ReadBytes(platform::PathToUtf8(entry.path())));
    }
    std::sort(files.begin(), files.end());
    return files;
}

class ProgramFolder {
public:
    ProgramFolder()
    {
        for (const auto& file : factory::ShippedDataFiles()) {
            WriteBytes(File(file.name), file.bytes);
        }
    }

    std::string File(std::string_view name) const { return m_temp.File(name); }
    std::string ModulePath() const { return File("Zalvane.exe"); }
    const std::filesystem::path& Path() const { return m_temp.Path(); }

    // Replaces the profile list of "str.ini" with raw keys: the current name, the count
    // as text and the names.
    void WriteList(std::string_view current, std::string_view count, const std::vector<std::string>& names)
    {
        platform::PortableIniStore store;
        const std::string list = File("str.ini");
        store.DeleteSection(list, settings::kProfileSection);
        store.WriteString(list, settings::kProfileSection, settings::kCurrentProfileKey, current);
        store.WriteString(list, settings::kProfileSection, settings::kProfileCountKey, count);
        for (std::size_t i = 0; i < names.size(); ++i) {
            store.WriteString(list, settings::kProfileSection, settings::ProfileItemKey(i), names[i]);
        }
    }

    // A profile file whose record is filled with `fill` (macros included).
    void WriteProfile(std::string_view name, std::uint8_t fill, std::uint8_t flag = 1, std::size_t size = 2855)
    {
        std::vector<std::uint8_t> bytes(size, fill);
        if (!bytes.empty()) {
            bytes[0] = flag;
        }
        WriteBytes(File(name), bytes);
    }

    std::vector<std::pair<std::string, std::vector<std::uint8_t>>> Snapshot() const { return FolderSnapshot(Path()); }

private:
    TempFolder m_temp;
};

}  // namespace zalvane::test
