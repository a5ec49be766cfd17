// One press, one owner: which releases click, for every mouse button.
#include "saver/forms/core/PressOwner.h"

#include <gtest/gtest.h>

namespace velmora::forms {

namespace {

constexpr uintptr_t kCancel = 1;
constexpr uintptr_t kSet = 2;
constexpr unsigned kLeft = 1;
constexpr unsigned kRight = 2;
constexpr unsigned kMiddle = 16;

using Release = PressOwner::Release;

TEST(PressOwner, OnlyTheOwnersReleaseOverItClicks) {
    for (const unsigned button : {kLeft, kRight, kMiddle}) {
        PressOwner owner;
        owner.press(kCancel, button);
        // A release over another control never reaches it as its own.
        EXPECT_EQ(owner.release(kSet, button, true), Release::NotOwned) << button;
        EXPECT_EQ(owner.release(kCancel, button, false), Release::Outside) << button;
        EXPECT_FALSE(owner.holding(kCancel));
        EXPECT_EQ(owner.release(kCancel, button, true), Release::NotOwned) << "released twice";

        owner.press(kCancel, button);
        EXPECT_EQ(owner.release(kCancel, button, true), Release::Over) << button;
    }
}

TEST(PressOwner, ASecondButtonJoinsThePressOfTheFirst) {
    PressOwner owner;
    owner.press(kCancel, kLeft);
    owner.press(kCancel, kRight);
    EXPECT_EQ(owner.release(kCancel, kLeft, true), Release::Over);
    EXPECT_TRUE(owner.holding(kCancel));
    EXPECT_EQ(owner.release(kCancel, kMiddle, true), Release::NotOwned) << "never pressed";
    EXPECT_EQ(owner.release(kCancel, kRight, false), Release::Outside);
    EXPECT_FALSE(owner.holding(kCancel));
}

TEST(PressOwner, APressLostToAnotherWindowEndsWithoutAClick) {
    PressOwner owner;
    owner.press(kCancel, kRight);
    EXPECT_FALSE(owner.lost(kSet)); // someone else's loss changes nothing
    EXPECT_TRUE(owner.holding(kCancel));
    EXPECT_TRUE(owner.lost(kCancel));
    EXPECT_FALSE(owner.lost(kCancel)) << "nothing left to lose";
    EXPECT_EQ(owner.release(kCancel, kRight, true), Release::NotOwned);
    // A new press elsewhere starts a new owner.
    owner.press(kCancel, kLeft);
    owner.press(kSet, kRight);
    EXPECT_EQ(owner.release(kCancel, kLeft, true), Release::NotOwned);
    EXPECT_EQ(owner.release(kSet, kRight, true), Release::Over);
}

} // namespace

} // namespace velmora::forms
