#pragma once
// Private-profile (.ini) files: the text files, the profile list and the macro file.
// Section and key names compare without regard to case and the first match wins;
// values are trimmed of surrounding blanks and of one pair of surrounding quotes; a
// missing file, section or key reads as the default. A write creates what is missing
// (new sections at the end of the file, new keys at the end of their section) and
// changes an existing value in place. Sections keep their place in the file: a whole
// section is replaced or renamed where it stands. Paths and texts are UTF-8.

#include <cstddef>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace zalvane::platform {

// One "key=value" line of a section.
struct IniEntry {
    std::string key;
    std::string value;
};

class IniStore {
public:
    // The system's private-profile reads fill a buffer of this many UTF-16 units,
    // terminator included.
    static constexpr std::size_t kDefaultCapacity = 1024;

    virtual ~IniStore() = default;

    // The value, cut to `capacity` - 1 UTF-16 code units; `defaultValue` when absent.
    virtual std::string GetString(const std::string& path, std::string_view section, std::string_view key,
                                  std::string_view defaultValue = {}, std::size_t capacity = kDefaultCapacity) = 0;

    // Writes one value; true on success.
    virtual bool WriteString(const std::string& path, std::string_view section, std::string_view key,
                             std::string_view value) = 0;

    // Writes several values of one section as WriteString would, one after the other; a
    // store that can writes them in one step, so that the file holds all or none of them.
    // True when every one was written.
    virtual bool WriteStrings(const std::string& path, std::string_view section, std::span<const IniEntry> entries)
    {
        for (const IniEntry& entry : entries) {
            if (!WriteString(path, section, entry.key, entry.value)) {
                return false;
            }
        }
        return true;
    }

    // Removes a whole section with its keys; true when the file is as asked afterwards.
    virtual bool DeleteSection(const std::string& path, std::string_view section) = 0;

    // Makes the section hold exactly `entries` (distinct keys), in this order, where the
    // section stands in the file; keys not among them go. A missing section is added at
    // the end, a missing file is created. True on success.
    virtual bool WriteSection(const std::string& path, std::string_view section, std::span<const IniEntry> entries) = 0;

    // Gives the first section called `from` the name `to` where it stands, with all its
    // keys. False, with the file untouched, when there is no such section or file, or
    // when another section is already called `to` (a change of case only is a rename).
    virtual bool RenameSection(const std::string& path, std::string_view from, std::string_view to) = 0;

    // Every section name, in file order. Empty for a missing file.
    virtual std::vector<std::string> SectionNames(const std::string& path) = 0;
};

}  // namespace zalvane::platform
