#include "behaviour/resize_interior.h"

namespace bumblorbs {
namespace {

// Where the box's far side lies, rounded to single precision as the tick's
// own tests round it.
float FarSide(Twips start, Twips size) {
    return static_cast<float>(static_cast<double>(start) + size);
}

}  // namespace

void ResizeInterior(Scene& scene, TwipSize interior) {
    const bool narrower = interior.Width < scene.ScaleWidth();
    const bool shorter = interior.Height < scene.ScaleHeight();
    scene.SetInteriorSize(interior);
    for (int i = 0; i < BallCount; ++i) {
        const Ball& ball = scene.Shape1(i);
        Twips left = ball.Left;
        Twips top = ball.Top;
        if (narrower && ball.Width <= interior.Width &&
            FarSide(ball.Left, ball.Width) > interior.Width) {
            left = interior.Width - ball.Width;
        }
        if (shorter && ball.Height <= interior.Height &&
            FarSide(ball.Top, ball.Height) > interior.Height) {
            top = interior.Height - ball.Height;
        }
        if (left != ball.Left || top != ball.Top) {
            scene.Move(i, left, top);
        }
    }
}

}  // namespace bumblorbs
