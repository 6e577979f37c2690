#pragma once
// The data files the program ships with, made from code so that the package, the
// command-line tool and the tests all start from the same bytes.

#include <cstdint>
#include <string>
#include <vector>

#include "settings/profile_record.h"

namespace zalvane::factory {

// The factory settings: 1000 Hz; stages 800 to 12000 DPI, all in use, coloured red to
// magenta; Standard lighting; enhanced pointer precision; 3 lines per notch; pointer
// speed 10; 480 ms double-click; angle snap off; the usual functions on buttons 1-7 and
// the side buttons off; no macros.
settings::ProfileRecord FactoryProfileRecord();

struct ShippedFile {
    std::string name;
    std::vector<std::uint8_t> bytes;
};

// "config.bin" and "config0.bin" ... "config5.bin" (first-run flag 0, the factory
// record), "str.ini" (which also lists the one profile "PROFILE_0") and "str0.ini" ...
// "str5.ini" (skin, slider rows and first-run captions in all three languages, UTF-16LE),
// and "record.ini" with no macro.
std::vector<ShippedFile> ShippedDataFiles();

}  // namespace zalvane::factory
