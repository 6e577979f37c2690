#include "settings/profile_list.h"

#include "platform/file_io.h"
#include "platform/ini_document.h"
#include "platform/text_encoding.h"
#include "platform/text_parsing.h"

namespace zalvane::settings {
namespace {

bool StartsWithIgnoringCase(std::string_view text, std::string_view prefix)
{
    std::size_t i = 0;
    std::size_t j = 0;
    while (j < prefix.size()) {
        if (i >= text.size()) {
            return false;
        }
        if (platform::FoldCase(platform::DecodeUtf8(text, i)) != platform::FoldCase(platform::DecodeUtf8(prefix, j))) {
            return false;
        }
    }
    return true;
}

}  // namespace

std::string ProfileItemKey(std::size_t position) { return "Item" + std::to_string(position); }

std::optional<std::size_t> ReadProfileCount(platform::IniStore& store, const std::string& listPath)
{
    const std::int64_t count = platform::DecimalValue(store.GetString(listPath, kProfileSection, kProfileCountKey));
    if (count < 1 || count > static_cast<std::int64_t>(kProfileSlotCount)) {
        return std::nullopt;
    }
    return static_cast<std::size_t>(count);
}

std::optional<std::size_t> FindListedProfile(std::span<const std::string> names, std::string_view current)
{
    for (std::size_t step = 1; step <= names.size(); ++step) {
        const std::size_t position = step % names.size();
        if (StartsWithIgnoringCase(names[position], current)) {
            return position;
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> SelectCurrentProfile(std::span<const std::string> names, std::string_view current)
{
    if (current.empty()) {
        return std::nullopt;
    }
    for (std::size_t position = names.size(); position > 0; --position) {
        if (names[position - 1] == current) {
            return position - 1;
        }
    }
    return FindListedProfile(names, current);
}

ProfileList ReadProfileListForDialog(platform::IniStore& store, const std::optional<std::string>& listPath)
{
    ProfileList list;
    if (!listPath) {
        return list;
    }
    const auto count = ReadProfileCount(store, *listPath);
    if (!count) {
        return list;
    }
    for (std::size_t position = 0; position < *count; ++position) {
        list.names.push_back(store.GetString(*listPath, kProfileSection, ProfileItemKey(position)));
    }
    list.selected = SelectCurrentProfile(list.names, store.GetString(*listPath, kProfileSection, kCurrentProfileKey));
    return list;
}

std::optional<std::uint8_t> ReadCurrentProfileIndex(platform::IniStore& store,
                                                    const std::optional<std::string>& listPath, std::uint8_t previous)
{
    if (!listPath) {
        return std::nullopt;
    }
    const std::string current = store.GetString(*listPath, kProfileSection, kCurrentProfileKey);
    const auto count = ReadProfileCount(store, *listPath);
    if (!count) {
        return std::nullopt;
    }
    std::uint8_t index = previous;
    for (std::size_t position = 0; position < *count; ++position) {
        if (store.GetString(*listPath, kProfileSection, ProfileItemKey(position)) == current) {
            index = static_cast<std::uint8_t>(position);
        }
    }
    return index;
}

bool WriteProfileList(platform::IniStore& store, ProfileFiles& files, std::span<const std::string> names,
                      std::optional<std::size_t> selected)
{
    const std::optional<std::string>& listPath = files.paths.listFile;
    // More names than the readers accept would make them drop the whole list.
    if (!listPath || !platform::PathExists(*listPath) || names.size() > kProfileSlotCount) {
        return false;
    }
    bool written = store.DeleteSection(*listPath, kProfileSection);
    const std::size_t current = selected && *selected < names.size() ? *selected : 0;
    const std::string currentName = names.empty() ? std::string() : names[current];
    written = written && store.WriteString(*listPath, kProfileSection, kCurrentProfileKey, currentName);
    files.profileIndex = static_cast<std::uint8_t>(current);
    files.profileKnown = true;
    if (names.empty()) {
        return written;
    }
    written = written && store.WriteString(*listPath, kProfileSection, kProfileCountKey, std::to_string(names.size()));
    for (std::size_t position = 0; position < names.size() && written; ++position) {
        written = store.WriteString(*listPath, kProfileSection, ProfileItemKey(position), names[position]);
    }
    return written;
}

}  // namespace zalvane::settings
