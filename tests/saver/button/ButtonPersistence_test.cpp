// Loading and saving the button's persisted properties, and the first use of a button that never
// had any loaded.
#include "tests/saver/button/RecordingButtonView.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace velmora::button {
namespace {

using forms::PropertyBag;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::Pair;
using ::testing::UnorderedElementsAre;

forms::FontDesign arial() {
    return forms::FontDesign{
        .name = "Arial", .size = 12, .charset = 0, .weight = 700, .italic = true};
}

TEST(ButtonPersistence, DefaultsAreNotStored) {
    RecordingButtonView view;
    ButtonMachine button(view);
    button.ReadProperties(forms::PropertyBag{}, forms::designFont());
    forms::PropertyBag saved;
    button.setCaption("Command");
    button.WriteProperties(saved, forms::designFont());
    EXPECT_TRUE(saved.empty());

    // The caption at its write default comes back as the read default.
    RecordingButtonView reloadedView;
    ButtonMachine reloaded(reloadedView);
    reloaded.ReadProperties(saved, forms::designFont());
    EXPECT_EQ(reloaded.Caption(), "Command1");
    EXPECT_TRUE(reloaded.EnabledFlag());
    EXPECT_EQ(reloaded.FirstRun(), 1);
    EXPECT_TRUE(reloaded.opaque());
    EXPECT_EQ(reloaded.Font(), forms::designFont());
}

TEST(ButtonPersistence, EveryChangedPropertyRoundTrips) {
    RecordingButtonView view;
    ButtonMachine button(view);
    button.ReadProperties(forms::PropertyBag{}, forms::designFont());
    button.setCaption("ｷｬﾝｾﾙ");
    button.setFont(arial());
    button.setFontColour(0x8000000F);
    button.setVisible(false);
    button.setEnabled(false);
    forms::PropertyBag saved;
    button.WriteProperties(saved, forms::designFont());
    EXPECT_THAT(saved.entries(),
                UnorderedElementsAre(Pair("Enabled", "False"), Pair("Caption", "ｷｬﾝｾﾙ"),
                                     Pair("Font", "12,0,700,1,0,0,Arial"),
                                     Pair("FontColour", "2147483663"), Pair("Visible", "0")));

    RecordingButtonView reloadedView;
    ButtonMachine reloaded(reloadedView);
    reloaded.ReadProperties(saved, forms::designFont());
    EXPECT_FALSE(reloaded.EnabledFlag());
    EXPECT_EQ(reloaded.Caption(), "ｷｬﾝｾﾙ");
    EXPECT_EQ(reloaded.Font(), arial());
    EXPECT_EQ(reloaded.captionLook().colour, 0x8000000Fu);
    EXPECT_FALSE(reloadedView.opaque);
    EXPECT_EQ(reloadedView.caption, reloaded.captionLook());
    // A disabled button's load does not draw the normal face.
    EXPECT_THAT(reloadedView.calls, IsEmpty());
}

TEST(ButtonPersistence, TheDialogsButtonsLoadEnabledAndDrawTheNormalFace) {
    forms::PropertyBag stored;
    stored.write("Caption", "設定", "Command");
    stored.write("Font", fontToText(forms::designFont()), "");
    RecordingButtonView view;
    ButtonMachine button(view);
    button.ReadProperties(stored, forms::FontDesign{.name = "Tahoma", .size = 8});
    EXPECT_EQ(button.Caption(), "設定");
    EXPECT_EQ(button.Font(), forms::designFont());
    EXPECT_TRUE(button.EnabledFlag());
    EXPECT_FALSE(button.Reversed());
    EXPECT_THAT(view.calls, ElementsAre("Normal"));
    EXPECT_EQ(view.caption.text, "設定");
}

TEST(ButtonPersistence, AFontAtTheAmbientFontIsNotStoredAndFollowsIt) {
    RecordingButtonView view;
    ButtonMachine button(view);
    button.ReadProperties(forms::PropertyBag{}, arial());
    EXPECT_EQ(button.Font(), arial());
    forms::PropertyBag saved;
    button.WriteProperties(saved, arial());
    EXPECT_FALSE(saved.contains("Font"));
}

TEST(ButtonPersistence, UnreadableValuesLeaveTheirPropertiesAlone) {
    forms::PropertyBag stored;
    for (const char* key : {"Enabled", "Font", "FirstRun", "FontColour", "Visible"}) {
        stored.write(key, "garbage", "");
    }
    RecordingButtonView view;
    ButtonMachine button(view);
    button.ReadProperties(stored, arial());
    EXPECT_FALSE(button.EnabledFlag());
    EXPECT_EQ(button.FirstRun(), 0);
    EXPECT_EQ(button.Font(), forms::designFont());
    EXPECT_TRUE(button.opaque());

    forms::PropertyBag outOfRange;
    outOfRange.write("FirstRun", "256", "");
    outOfRange.write("FontColour", "305419896", ""); // &H12345678 is no colour
    outOfRange.write("Visible", "2", "");
    button.ReadProperties(outOfRange, arial());
    EXPECT_EQ(button.FirstRun(), 0);
    EXPECT_EQ(button.captionLook().colour, 0u);
    EXPECT_TRUE(button.opaque());
}

TEST(ButtonPersistence, NumbersAndBooleansAreReadInTheirUsualForms) {
    forms::PropertyBag stored;
    stored.write("Enabled", "-1", "");
    stored.write("FontColour", "-2147483633", ""); // &H8000000F as a signed value
    RecordingButtonView view;
    ButtonMachine button(view);
    button.ReadProperties(stored, forms::designFont());
    EXPECT_TRUE(button.EnabledFlag());
    EXPECT_EQ(button.captionLook().colour, 0x8000000Fu);
}

TEST(ButtonPersistence, AButtonNotYetRunLoadsWithABlackCaption) {
    forms::PropertyBag stored;
    stored.write("FirstRun", "0", "");
    stored.write("FontColour", "255", "");
    RecordingButtonView view;
    ButtonMachine button(view);
    button.ReadProperties(stored, forms::designFont());
    EXPECT_EQ(button.FirstRun(), 0);
    EXPECT_EQ(view.caption.colour, 0u);
}

TEST(ButtonPersistence, FirstReadOfEnabledInitialisesANewButton) {
    RecordingButtonView view;
    ButtonMachine button(view);
    forms::PropertyBag before;
    button.WriteProperties(before, forms::designFont());
    EXPECT_THAT(before.entries(),
                UnorderedElementsAre(Pair("Enabled", "False"), Pair("FirstRun", "0")));
    EXPECT_TRUE(button.Enabled());
    EXPECT_EQ(button.FirstRun(), 1);
    EXPECT_THAT(view.take(), ElementsAre("Normal"));
    EXPECT_TRUE(view.caption.enabled);

    forms::PropertyBag after;
    button.setCaption("OK");
    button.WriteProperties(after, forms::designFont());
    EXPECT_THAT(after.entries(), ElementsAre(Pair("Caption", "OK")));
}

TEST(ButtonPersistence, AFaceThatCannotBeDrawnTurnsTheCaptionBlack) {
    RecordingButtonView view;
    ButtonMachine button(view);
    forms::PropertyBag stored;
    stored.write("FontColour", "255", "");
    view.faceDrawable = false;
    button.ReadProperties(stored, forms::designFont());
    EXPECT_EQ(button.captionLook().colour, 0u);
}

TEST(FontText, TextFormRoundTripsAndRejectsDamage) {
    forms::FontDesign named = arial();
    named.name = "Odd, Name";
    named.strikethrough = true;
    EXPECT_EQ(fontFromText(fontToText(named)), named);
    EXPECT_EQ(fontToText(forms::designFont()), "9.75,128,400,0,0,0,ＭＳ Ｐゴシック");
    for (const char* damaged :
         {"", "9.75,128,400,0,0,0,", "9.75,128,400,0,0,ＭＳ", "x,128,400,0,0,0,A",
          "0,128,400,0,0,0,A", "9.75,128,400,2,0,0,A", "9.75,128,400 ,0,0,0,A",
          "1e300,128,400,0,0,0,A", "9.75,128,1001,0,0,0,A"}) {
        EXPECT_EQ(fontFromText(damaged), std::nullopt) << damaged;
    }
}

} // namespace
} // namespace velmora::button
