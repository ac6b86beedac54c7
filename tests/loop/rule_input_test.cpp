// The mouse's buttons and shift keys, as every window system reports them,
// counted as the program's rules count them.
#include "host/loop/rule_input.h"

#include <gtest/gtest.h>

namespace bumblorbs {
namespace {

TEST(RuleInputTest, ButtonsCountOneTwoAndFour) {
    EXPECT_EQ(RuleButton(MouseButton::Left), 1);
    EXPECT_EQ(RuleButton(MouseButton::Right), 2);
    EXPECT_EQ(RuleButton(MouseButton::Middle), 4);
}

TEST(RuleInputTest, ShiftCtrlAndAltCountOneTwoAndFour) {
    EXPECT_EQ(RuleShift({}), 0);
    EXPECT_EQ(RuleShift({.Shift = true}), 1);
    EXPECT_EQ(RuleShift({.Ctrl = true}), 2);
    EXPECT_EQ(RuleShift({.Alt = true}), 4);
    EXPECT_EQ(RuleShift({true, true, true}), 7);
}

}  // namespace
}  // namespace bumblorbs
