#include "host/x11/pixel_packing.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace bumblorbs {
namespace {

struct Expected {
    unsigned long White, Red, Green, Blue, Grey;
};

// Black, white, the pure colours and a mid grey (0x80 in each component:
// 128/255 of the way up, to the nearest step of the mask) under each mask.
void ExpectPacks(const PixelPacking& packing, const Expected& expected) {
    EXPECT_EQ(packing.Pack(0x000000), 0UL);
    EXPECT_EQ(packing.Pack(0xFFFFFF), expected.White);
    EXPECT_EQ(packing.Pack(0xFF0000), expected.Red);
    EXPECT_EQ(packing.Pack(0x00FF00), expected.Green);
    EXPECT_EQ(packing.Pack(0x0000FF), expected.Blue);
    EXPECT_EQ(packing.Pack(0x808080), expected.Grey);
}

TEST(PixelPackingTest, PacksIntoSixteenAndFifteenBits) {
    ExpectPacks(PixelPacking(0xF800, 0x07E0, 0x001F, 16), {0xFFFF, 0xF800, 0x07E0, 0x001F, 0x8410});
    ExpectPacks(PixelPacking(0x7C00, 0x03E0, 0x001F, 15), {0x7FFF, 0x7C00, 0x03E0, 0x001F, 0x4210});
}

TEST(PixelPackingTest, PacksIntoThirtyBits) {
    ExpectPacks(PixelPacking(0x3FF00000, 0x000FFC00, 0x000003FF, 30),
                {0x3FFFFFFF, 0x3FF00000, 0x000FFC00, 0x000003FF, 0x20280A02});
}

TEST(PixelPackingTest, KeepsTwentyFourBitsAsTheyAreInTheMasksOrder) {
    const PixelPacking rgb(0xFF0000, 0x00FF00, 0x0000FF, 24);
    ExpectPacks(rgb, {0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF, 0x808080});
    EXPECT_EQ(rgb.Pack(0x12345A), 0x12345AUL);
    // The scene's alpha byte, whatever it holds, is not a colour.
    EXPECT_EQ(rgb.Pack(0xFF12345A), 0x12345AUL);
    const PixelPacking bgr(0x0000FF, 0x00FF00, 0xFF0000, 24);
    ExpectPacks(bgr, {0xFFFFFF, 0x0000FF, 0x00FF00, 0xFF0000, 0x808080});
    EXPECT_EQ(bgr.Pack(0x12345A), 0x5A3412UL);
}

TEST(PixelPackingTest, MakesEveryPixelOpaqueInAnAlphaVisual) {
    // A compositor's ARGB visual: depth 32, the top byte alpha.
    const PixelPacking argb(0xFF0000, 0x00FF00, 0x0000FF, 32);
    EXPECT_EQ(argb.Pack(0x000000), 0xFF000000UL);
    EXPECT_EQ(argb.Pack(0x12345A), 0xFF12345AUL);
    EXPECT_EQ(argb.Pack(0x00FFFFFF), 0xFFFFFFFFUL);
    // Alpha in the low bits, with 10-bit colours above it.
    const PixelPacking rgba(0xFFC00000, 0x003FF000, 0x00000FFC, 32);
    EXPECT_EQ(rgba.Pack(0x000000), 0x3UL);
}

}  // namespace
}  // namespace bumblorbs
