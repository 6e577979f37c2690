// The win tier's entry point: GDI+ runs for every test, as it does in the program. Run
// as "win_tests --skin-probe NAME IMAGE REPORT", it instead reports whether this
// executable, under whatever name it was copied to, finds the skin image (see
// skin_path_test.cpp).

#include <gtest/gtest.h>

#include <cstring>

#include "platform/win/gdiplus_session.h"
#include "win/skin_probe.h"

int main(int argc, char** argv)
{
    const zalvane::platform::win::GdiplusSession gdiplus;
    if (argc == 5 && std::strcmp(argv[1], "--skin-probe") == 0) {
        return zalvane::wintest::RunSkinProbe(argv[2], argv[3], argv[4]);
    }
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
