// Arbitrary macro files through the macro area encoding.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "assign/macro_encoding.h"
#include "fuzz_input.h"
#include "platform/memory_ini_store.h"

using zalvane::fuzz::Require;
namespace assign = zalvane::assign;
namespace settings = zalvane::settings;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string path = "record.ini";
    zalvane::platform::MemoryIniStore store;
    store.PutFile(path, {data, size});
    const assign::MacroAreaEncoding encoding = assign::EncodeMacroArea(store, path);

    const std::size_t macros = store.SectionNames(path).size();
    const std::size_t encoded = std::min(macros, settings::kMacroCount);
    Require(encoding.macrosLeftOut == macros - encoded);
    for (const assign::MacroCut& cut : encoding.cuts) {
        Require(cut.position < encoded && cut.eventsLeftOut > 0);
    }
    // Blocks without a macro stay zero.
    Require(std::all_of(encoding.area.begin() + static_cast<std::ptrdiff_t>(encoded * settings::kMacroBlockSize),
                        encoding.area.end(), [](std::uint8_t byte) { return byte == 0; }));
    return 0;
}
