// The list of image names the program can ask for, and the generated skin against it.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <string>

#include "pages/skin_catalogue.h"
#include "skin_files.h"

namespace zalvane::skingen::testing {
namespace {

TEST(SkinCatalogue, NamesAreRootedUniqueAndFullyFormatted)
{
    const auto names = pages::AllSkinImageNames();
    std::set<std::string> seen;
    for (const std::string& name : names) {
        EXPECT_EQ(name.front(), '/') << name;
        EXPECT_TRUE(name.ends_with(".png")) << name;
        EXPECT_EQ(name.find('%'), std::string::npos) << name;
        EXPECT_TRUE(seen.insert(name).second) << "twice: " << name;
    }
}

TEST(SkinCatalogue, ValueFamiliesCoverEveryValueThePagesDraw)
{
    struct Expect {
        std::string_view pattern;
        int first, last;
    };
    // Stage values 1..120, X/Y 1..11, lighting 1..6 (the slider's last pixels give 6),
    // speeds 1..12 (a profile file may hold 1), gesture 1..5, and the four report rates.
    const Expect ranges[] = {
        {pages::kDpiStagePattern, 1, 120},    {pages::kStageSliderPattern, 1, 11}, {pages::kLightingPattern, 1, 6},
        {pages::kSpeedPattern, 1, 12},        {pages::kGesturePattern, 1, 5},      {pages::kFrontSpotOverPattern, 1, 7},
        {pages::kSideSpotOverPattern, 1, 12},
    };
    const auto names = pages::AllSkinImageNames();
    const std::set<std::string> all(names.begin(), names.end());
    for (const Expect& range : ranges) {
        for (int value = range.first - 1; value <= range.last + 1; ++value) {
            const bool inside = value >= range.first && value <= range.last;
            EXPECT_EQ(all.contains(pages::SkinImageName(range.pattern, value)), inside)
                << range.pattern << " " << value;
        }
    }
    for (int rate : {125, 250, 500, 1000}) {
        EXPECT_TRUE(all.contains(pages::SkinImageName(pages::kReportRatePattern, rate)));
    }
    EXPECT_EQ(pages::SkinImageName(pages::kReportRatePattern, 1000), "/USBReportRate/1000HZ.png");
    EXPECT_EQ(pages::SkinImageName(pages::kSideSpotOverPattern, 12), "/Mouse/Side/S-12-over.png");
}

TEST(GeneratedSkin, HoldsEveryNameAsADecodablePngAndNothingElse)
{
    namespace fs = std::filesystem;
    const auto names = pages::AllSkinImageNames();
    for (const std::string& name : names) {
        const Image& image = SkinImage(name);
        EXPECT_TRUE(image) << "missing or not a PNG: " << name;
    }
    std::set<std::string> expected(names.begin(), names.end());
    for (const auto& entry : fs::recursive_directory_iterator(SkinFolder())) {
        if (entry.is_regular_file()) {
            const std::string name = "/" + fs::relative(entry.path(), SkinFolder()).generic_string();
            EXPECT_TRUE(expected.contains(name)) << "stray file in the skin: " << name;
        }
    }
}

// Every picture of one family is drawn at the same place, so all must share one size.
TEST(GeneratedSkin, EachValueFamilySharesOneSize)
{
    for (const pages::SkinImageFamily& family : pages::SkinImageFamilies()) {
        // Spots are sized to their buttons.
        if (family.values.empty() || family.pattern.starts_with("/Mouse/")) {
            continue;
        }
        const Image& first = SkinImage(pages::SkinImageName(family.pattern, family.values.front()));
        ASSERT_TRUE(first) << family.pattern;
        for (int value : family.values) {
            const Image& image = SkinImage(pages::SkinImageName(family.pattern, value));
            EXPECT_EQ(image.Extent(), first.Extent()) << pages::SkinImageName(family.pattern, value);
        }
    }
}

// A value must be visible: neighbouring values never share a picture.
TEST(GeneratedSkin, NeighbouringValuesLookDifferent)
{
    const std::string_view patterns[] = {pages::kDpiStagePattern, pages::kStageSliderPattern, pages::kLightingPattern,
                                         pages::kSpeedPattern, pages::kGesturePattern};
    for (const pages::SkinImageFamily& family : pages::SkinImageFamilies()) {
        if (std::find(std::begin(patterns), std::end(patterns), family.pattern) == std::end(patterns) &&
            family.pattern != pages::kReportRatePattern) {
            continue;
        }
        for (std::size_t i = 1; i < family.values.size(); ++i) {
            const Image& a = SkinImage(pages::SkinImageName(family.pattern, family.values[i - 1]));
            const Image& b = SkinImage(pages::SkinImageName(family.pattern, family.values[i]));
            bool differs = false;
            for (int y = 0; y < a.Height() && !differs; ++y) {
                for (int x = 0; x < a.Width() && !differs; ++x) {
                    const Colour pa = a.Pixel(x, y);
                    const Colour pb = b.Pixel(x, y);
                    differs = pa.r != pb.r || pa.g != pb.g || pa.b != pb.b;
                }
            }
            EXPECT_TRUE(differs) << family.pattern << ": " << family.values[i - 1] << " and " << family.values[i];
        }
    }
}

}  // namespace
}  // namespace zalvane::skingen::testing
