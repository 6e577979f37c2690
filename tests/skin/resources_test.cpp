// The files the Windows resource script takes from the build: the icon and the scroll thumb.

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <vector>

#include "pages/main_window_geometry.h"
#include "skin_files.h"

namespace zalvane::skingen::testing {
namespace {

std::vector<std::uint8_t> ReadAll(const std::string& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

unsigned U16(const std::vector<std::uint8_t>& b, std::size_t at) { return b.at(at) | (b.at(at + 1) << 8); }
std::uint32_t U32(const std::vector<std::uint8_t>& b, std::size_t at) { return U16(b, at) | (U16(b, at + 2) << 16); }

TEST(Resources, IconHoldsFourBitmapsAndA256PixelPng)
{
    const std::vector<std::uint8_t> ico = ReadAll(OutputFolder() + "/resources/zalvane.ico");
    ASSERT_GE(ico.size(), 6u);
    EXPECT_EQ(U16(ico, 0), 0u);
    EXPECT_EQ(U16(ico, 2), 1u);  // an icon, not a cursor
    ASSERT_EQ(U16(ico, 4), 5u);
    const int sizes[] = {16, 24, 32, 48, 256};
    std::size_t expectedOffset = 6 + 16 * 5;
    for (std::size_t i = 0; i < 5; ++i) {
        const std::size_t entry = 6 + 16 * i;
        const int size = sizes[i];
        EXPECT_EQ(ico.at(entry), size == 256 ? 0 : size);
        EXPECT_EQ(ico.at(entry + 1), size == 256 ? 0 : size);
        EXPECT_EQ(U16(ico, entry + 6), 32u);
        const std::uint32_t length = U32(ico, entry + 8);
        const std::uint32_t offset = U32(ico, entry + 12);
        EXPECT_EQ(offset, expectedOffset) << size;
        ASSERT_LE(static_cast<std::size_t>(offset) + length, ico.size()) << size;
        expectedOffset = offset + length;
        if (size == 256) {
            const std::uint8_t png[] = {0x89, 'P', 'N', 'G', 0x0D, 0x0A, 0x1A, 0x0A};
            EXPECT_TRUE(std::equal(std::begin(png), std::end(png), ico.begin() + offset));
            continue;
        }
        // BITMAPINFOHEADER: 40 bytes, width, twice the height (colour plus mask), 32 bits, no compression.
        EXPECT_EQ(U32(ico, offset), 40u);
        EXPECT_EQ(U32(ico, offset + 4), static_cast<std::uint32_t>(size));
        EXPECT_EQ(U32(ico, offset + 8), static_cast<std::uint32_t>(2 * size));
        EXPECT_EQ(U16(ico, offset + 14), 32u);
        EXPECT_EQ(U32(ico, offset + 16), 0u);
        const std::size_t maskRow = ((size + 31) / 32) * 4;
        EXPECT_EQ(length, 40 + size * size * 4 + maskRow * size) << size;
        // The corner is see-through, the middle solid, in both the alpha and the mask.
        const std::size_t pixels = offset + 40;
        const auto alphaAt = [&](int x, int yFromTop) {
            return ico.at(pixels + (static_cast<std::size_t>(size - 1 - yFromTop) * size + x) * 4 + 3);
        };
        EXPECT_EQ(alphaAt(0, 0), 0) << size;
        EXPECT_EQ(alphaAt(size / 2, size / 2), 255) << size;
        const std::size_t mask = pixels + static_cast<std::size_t>(size) * size * 4;
        EXPECT_EQ(ico.at(mask + (size - 1) * maskRow) & 0x80, 0x80) << "top-left corner masked, size " << size;
    }
    EXPECT_EQ(expectedOffset, ico.size());
}

TEST(Resources, ThumbIsEightBy114WithItsLastColumnClear)
{
    const Image thumb = LoadPng(OutputFolder() + "/resources/thumb.png");
    ASSERT_TRUE(thumb);
    EXPECT_EQ(thumb.Extent(), pages::kScrollThumbImage);
    for (int y = 0; y < thumb.Height(); ++y) {
        EXPECT_EQ(thumb.Pixel(thumb.Width() - 1, y).a, 0.0) << y;
    }
    EXPECT_EQ(thumb.Pixel(3, thumb.Height() / 2 + 10).a, 1.0);
}

}  // namespace
}  // namespace zalvane::skingen::testing
