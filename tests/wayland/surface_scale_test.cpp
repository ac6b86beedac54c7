// The Wayland surface's buffer size, buffer scale and dpi for the scales
// compositors give.
#include "host/wayland/surface_scale.h"

#include <gtest/gtest.h>

#include <vector>

namespace bumblorbs {
namespace {

TEST(SurfaceScaleTest, FractionalScaleDrawsTheExactPixelsThroughAViewport) {
    // kwin and sway at 1.5 on a 1280x960 output: 853x640 logical.
    const SurfaceGeometry geometry = GeometryFor({853, 640}, 180, true, 2);
    EXPECT_TRUE(geometry.Viewport);
    EXPECT_EQ(geometry.BufferScale, 1);
    // 853 * 1.5 = 1279.5, rounded half away from zero.
    EXPECT_EQ(geometry.Buffer, (PixelSize{1280, 960}));
    EXPECT_FLOAT_EQ(DpiAt(geometry), 144.0F);
    // GNOME's 1.509 on 1600x960 (1060x636 logical) covers the output.
    const SurfaceGeometry gnome = GeometryFor({1060, 636}, 181, true, 2);
    EXPECT_EQ(gnome.Buffer, (PixelSize{1599, 959}));
    EXPECT_NEAR(DpiAt(gnome), 144.8F, 0.01F);
}

TEST(SurfaceScaleTest, WithoutAViewportOrAFractionTheIntegerScaleDecides) {
    const SurfaceGeometry noViewport = GeometryFor({640, 480}, 180, false, 2);
    EXPECT_FALSE(noViewport.Viewport);
    EXPECT_EQ(noViewport.BufferScale, 2);
    EXPECT_EQ(noViewport.Buffer, (PixelSize{1280, 960}));
    EXPECT_FLOAT_EQ(DpiAt(noViewport), 192.0F);
    const SurfaceGeometry weston = GeometryFor({640, 480}, std::nullopt, true, 1);
    EXPECT_EQ(weston.Buffer, (PixelSize{640, 480}));
    EXPECT_FLOAT_EQ(DpiAt(weston), 96.0F);
    // A nonsense fraction of 0 is no fraction.
    EXPECT_EQ(GeometryFor({640, 480}, 0, true, 1).Buffer, (PixelSize{640, 480}));
}

TEST(SurfaceScaleTest, TheLargestScaleOfTheOutputsIsSharpOnEach) {
    EXPECT_EQ(IntegerScale(std::vector<int>{}), 1);
    EXPECT_EQ(IntegerScale(std::vector<int>{1, 2}), 2);
    EXPECT_EQ(IntegerScale(std::vector<int>{3, 1}), 3);
    EXPECT_EQ(ScaledLength(33, 180), 50);
    EXPECT_EQ(ScaledLength(1, 150), 1);
}

}  // namespace
}  // namespace bumblorbs
