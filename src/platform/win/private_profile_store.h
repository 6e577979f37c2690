#pragma once
// The INI store over the system's private-profile functions.

#include "platform/ini_store.h"

namespace zalvane::platform::win {

class PrivateProfileStore final : public IniStore {
public:
    std::string GetString(const std::string& path, std::string_view section, std::string_view key,
                          std::string_view defaultValue = {}, std::size_t capacity = kDefaultCapacity) override;
    bool WriteString(const std::string& path, std::string_view section, std::string_view key,
                     std::string_view value) override;
    bool DeleteSection(const std::string& path, std::string_view section) override;
    bool WriteSection(const std::string& path, std::string_view section, std::span<const IniEntry> entries) override;
    // The system has no rename: the file is rewritten through the portable document,
    // which keeps every other byte and the file's encoding. A name that is not ASCII is
    // renamed only in a UTF-16 file (the system reads others in the ANSI code page).
    bool RenameSection(const std::string& path, std::string_view from, std::string_view to) override;
    std::vector<std::string> SectionNames(const std::string& path) override;
};

}  // namespace zalvane::platform::win
