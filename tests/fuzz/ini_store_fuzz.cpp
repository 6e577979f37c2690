// Arbitrary file bytes through every operation of the private-profile store.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_input.h"
#include "platform/ini_document.h"
#include "platform/memory_ini_store.h"
#include "platform/text_encoding.h"

using zalvane::fuzz::Require;
namespace platform = zalvane::platform;

namespace {

void CheckTextEncoding(std::string_view text)
{
    const std::u16string wide = platform::Utf8ToUtf16(text);
    Require(platform::Utf16ToUtf8(wide) == platform::SanitizeUtf8(text));
    Require(platform::Utf16Length(text) == wide.size());
    const std::string_view cut = platform::CutToUtf16Units(text, wide.size() / 2);
    Require(platform::Utf16Length(cut) <= wide.size() / 2);
}

// A file nobody changes serialises to the very bytes it came from.
void CheckRoundTrip(const std::uint8_t* data, std::size_t size)
{
    const platform::IniDocument document = platform::IniDocument::Parse({data, size});
    const std::vector<std::uint8_t> bytes = document.Serialize();
    std::size_t expected = size;
    const bool utf16 = document.Encoding() == platform::TextFileEncoding::kUtf16Le ||
                       document.Encoding() == platform::TextFileEncoding::kUtf16Be;
    if (size == 0) {
        expected = 2;  // an empty file counts as a new UTF-16 one
    } else if (utf16 && size % 2 == 1) {
        expected = size - 1;  // an odd last byte is no character
    }
    Require(bytes.size() == expected);
    if (size > 0) {
        Require(std::equal(bytes.begin(), bytes.end(), data));
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    CheckTextEncoding(std::string_view(reinterpret_cast<const char*>(data), size));
    CheckRoundTrip(data, size);

    const std::string path = "input.ini";
    platform::MemoryIniStore store;
    store.PutFile(path, {data, size});
    const std::vector<std::string> names = store.SectionNames(path);
    // Each lookup takes one of the capacities in turn, so that all meet every section.
    constexpr std::size_t kCapacities[] = {0, 3, 1024};
    std::size_t turn = 0;
    for (std::size_t i = 0; i < names.size() && i < 8; ++i) {
        for (const char* key : {"k", "Item0", "ItemCount", "Path"}) {
            const std::size_t capacity = kCapacities[turn++ % std::size(kCapacities)];
            const std::string value = store.GetString(path, names[i], key, "d", capacity);
            Require(capacity == 0 ? value.empty() : platform::Utf16Length(value) < capacity);
            Require(platform::SanitizeUtf8(value) == value);
        }
    }

    // A write is either refused or read back, and never loses another section.
    const std::string section = names.empty() ? std::string("Fuzz") : names.front();
    if (store.WriteString(path, section, "FuzzKey", "v1")) {
        Require(store.GetString(path, section, "FuzzKey") == "v1");
        std::vector<std::string> after = store.SectionNames(path);
        if (after.size() == names.size() + 1) {
            after.pop_back();
        }
        Require(after == names);
        // What was written is what the next reader of the file finds.
        const auto written = store.FileBytes(path);
        Require(written.has_value());
        platform::MemoryIniStore reader;
        reader.PutFile(path, *written);
        Require(reader.GetString(path, section, "FuzzKey") == "v1");
        Require(reader.SectionNames(path) == store.SectionNames(path));
    }

    // A section write or rename keeps every section where it stood.
    const std::vector<std::string> before = store.SectionNames(path);
    const platform::IniEntry entries[] = {{"ItemCount", "1"}, {"Item0", "A   Dn"}};
    if (store.WriteSection(path, section, entries)) {
        Require(store.GetString(path, section, "Item0") == "A   Dn");
        Require(store.GetString(path, section, "FuzzKey", "gone") == "gone");
        Require(store.SectionNames(path) == before);
    }
    std::string current = section;
    if (!before.empty() && store.RenameSection(path, section, "FuzzRenamed")) {
        std::vector<std::string> expected = before;
        expected.front() = "FuzzRenamed";
        Require(store.SectionNames(path) == expected);
        current = "FuzzRenamed";
    }
    if (store.DeleteSection(path, current)) {
        Require(store.GetString(path, current, "FuzzKey", "gone") == "gone");
    }
    return 0;
}
