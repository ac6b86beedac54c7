#pragma once

#include <gtest/gtest.h>

#include "scene/designed_layout.h"
#include "scene/scene.h"
#include "scripted_host.h"

namespace bumblorbs::testing {

// The designed ball box, in twips.
inline const Twips BoxWidth = DesignedLayout.BallSize.Width;
inline const Twips BoxHeight = DesignedLayout.BallSize.Height;

// The designed scene and a scripted host, for tests that put balls where
// they need them.
class PlacedBallsTest : public ::testing::Test {
protected:
    void Place(int i, Twips left, Twips top, float speedX, float speedY) {
        scene.Move(i, left, top);
        scene.SetSpeeds(i, speedX, speedY);
    }

    Scene scene{DesignedLayout};
    ScriptedHost host;
};

}  // namespace bumblorbs::testing
