#include "Navigation.h"
#include "PlannerState.h"

#include "FakePlatform.h"
#include "RecordingView.h"

#include <gtest/gtest.h>

using namespace planner;

namespace {

enum Step : int16_t { Finished = 0, Back = 1, Forward = 2, Print = 3, AboutBox = 4 };

// The tool menu and the step buttons without a window. The Meeting Planner has
// 12 screens: 1 the introduction, 2 the naming screen, 12 the closing screen.
class NavigationRules : public ::testing::Test
{
protected:
    void SetUp() override { navigation.ShowMainMenu(); }

    void startMeeting()
    {
        navigation.Command4_Click(int16_t(PlannerTool::Meeting));
        ASSERT_EQ(state.screenEnd, 13);
    }
    // Forward to screen `k`, naming the meeting on the way.
    void forwardTo(int16_t k)
    {
        while (state.currentScreen < k) {
            if (state.currentScreen == 2)
                view.answer = u"Budget review"_s;
            navigation.Command1_Click(Forward);
        }
    }
    bool shown(Control c) { return view[c].visible; }
    bool enabled(Control c) { return view[c].enabled; }

    PlannerState state;
    RecordingView view;
    FakePlatform platform;
    Navigation navigation{state, view, platform};
};

TEST_F(NavigationRules, TheToolMenuAndAPlannersFirstScreen)
{
    EXPECT_EQ(view[Control::Form].caption, u"Orvanta  -  Quillan");
    EXPECT_EQ(view[Control::Label1].caption, u"Orvanta - A Toolkit for Sales Professionals");
    EXPECT_EQ(view[Control::Frame2].caption, u" Select a tool to use ");
    EXPECT_FALSE(enabled(Control::Back) || enabled(Control::Forward));
    EXPECT_TRUE(shown(Control::Frame3) && shown(Control::Picture2));
    EXPECT_FALSE(shown(Control::Text1) || shown(Control::Picture1) || shown(Control::Command2)
                 || shown(Control::Command3) || shown(Control::Print));
    EXPECT_EQ(view.screensShown, 1);

    startMeeting();
    EXPECT_EQ(state.currentScreen, 1);
    EXPECT_EQ(view[Control::Frame2].caption, u" Notes ");
    EXPECT_EQ(view[Control::Label1].caption, u" The Meeting Planner");
    EXPECT_TRUE(enabled(Control::Forward) && shown(Control::Picture1) && shown(Control::Command2));
    EXPECT_FALSE(enabled(Control::Back) || shown(Control::Frame3) || shown(Control::Picture2)
                 || shown(Control::Text1));
    EXPECT_EQ(view.screensShown, 2);

    navigation.Command4_Click(3); // the type finder, silently
    EXPECT_EQ(platform.started, QStringList{u"/opt/orvanta/velkin"_s});
    EXPECT_EQ(state.currentScreen, 1);
}

// Every step button first enables Back, and all but Finished and AboutBox hide the picture.
TEST_F(NavigationRules, TheCommonStepsOfEveryButton)
{
    const std::pair<Step, bool> steps[] = {
        {Finished, true}, {Back, false}, {Print, false}, {AboutBox, true}};
    for (const auto &[step, keepsPicture] : steps) {
        SCOPED_TRACE(step);
        startMeeting();
        platform.answers = {platform::No};
        navigation.Command1_Click(step);
        EXPECT_EQ(state.currentScreen, 1);
        EXPECT_TRUE(enabled(Control::Back));
        EXPECT_EQ(shown(Control::Picture1), keepsPicture);
    }
    EXPECT_EQ(view.aboutBoxes, 1);
}

TEST_F(NavigationRules, ForwardNeedsTheNameAndBackStopsAtTheNamingScreen)
{
    startMeeting();
    navigation.Command1_Click(Forward);
    EXPECT_EQ(state.currentScreen, 2);
    EXPECT_FALSE(enabled(Control::Back)); // Back stops at screen 2
    EXPECT_TRUE(shown(Control::Text1));
    EXPECT_EQ(view[Control::Text1].height, 300);
    EXPECT_EQ(view.mode, NameAnswer);
    EXPECT_EQ(view.focused, Control::Text1);

    navigation.Command1_Click(Forward);
    EXPECT_EQ(state.currentScreen, 2);
    const FakePlatform::Box mustEnter{u"You must enter a Meeting - Name."_s, 0, u"Orvanta"_s};
    EXPECT_EQ(platform.boxes, FakePlatform::Boxes{mustEnter});
    navigation.Command1_Click(Back); // enabled by the common steps, but goes nowhere
    EXPECT_EQ(state.currentScreen, 2);

    view.answer = u"Budget review"_s;
    navigation.Command1_Click(Forward);
    EXPECT_EQ(state.currentScreen, 3);
    EXPECT_EQ(state.workName, u"Budget review");
    EXPECT_EQ(view.mode, FreeAnswer);
    EXPECT_EQ(view[Control::Text1].height, 2175);
    EXPECT_TRUE(view.answer.isEmpty()); // a new screen shows an empty box

    view.answer = u"Room 4"_s;
    navigation.Command1_Click(Back);
    EXPECT_EQ(state.currentScreen, 2);
    EXPECT_EQ(view.answer, u"Budget review");
    EXPECT_EQ(state.screen(3).answer, u"Room 4");
    navigation.Command1_Click(Forward);
    EXPECT_EQ(view.answer, u"Room 4");
}

TEST_F(NavigationRules, TheClosingScreenLeadsToTheSheetAndBackPassesOverIt)
{
    startMeeting();
    forwardTo(12);
    view.answer = u"typed on the closing screen"_s;
    const int shownBefore = view.screensShown;
    navigation.Command1_Click(Forward);
    EXPECT_EQ(state.currentScreen, 12); // the sheet is shown on the closing screen
    EXPECT_EQ(view.screensShown, shownBefore + 1);
    EXPECT_EQ(view[Control::Label1].caption, u"The Meeting Planner Summary");
    EXPECT_FALSE(enabled(Control::Forward) || shown(Control::Frame2));
    EXPECT_TRUE(shown(Control::Print) && shown(Control::Command3) && shown(Control::Text1));
    EXPECT_EQ(view[Control::Text1].top, 720);
    EXPECT_TRUE(view.answer.startsWith(u"\r\nMEETING - NAME.\r\n\r\nBudget review"));
    EXPECT_TRUE(state.screen(12).answer.isEmpty()); // never stored

    // Edits of the sheet are not taken for an answer either.
    view.answer = u"edited sheet"_s;
    navigation.Command1_Click(Back);
    EXPECT_EQ(state.currentScreen, 11);
    EXPECT_FALSE(shown(Control::Print));
    EXPECT_TRUE(enabled(Control::Forward));
    EXPECT_TRUE(state.screen(11).answer.isEmpty());

    forwardTo(12);
    navigation.Command1_Click(Forward);
    platform.answers = {platform::No};
    navigation.Command3_Click();
    EXPECT_EQ(platform.boxes.back().text,
              u"Do you wish to store a copy of this Work Sheet on disk? "
              u"(/opt/orvanta/Docs/Budget review.doc)");
}

TEST_F(NavigationRules, FinishedAsksOnAPlannerAndClosesOnTheMenu)
{
    startMeeting();
    forwardTo(3);
    platform.answers = {platform::No};
    navigation.Command1_Click(Finished);
    EXPECT_EQ(platform.boxes.back(),
              (FakePlatform::Box{u"Are you sure that you wish to exit The Meeting Planner?"_s, 36,
                                 u"Orvanta"_s}));
    EXPECT_EQ(state.currentScreen, 3);

    platform.answers = {platform::Yes};
    navigation.Command1_Click(Finished);
    EXPECT_EQ(state.currentScreen, 0);
    EXPECT_TRUE(shown(Control::Frame3));
    EXPECT_EQ(state.workName, u"Budget review"); // kept until the next planner starts

    navigation.Command1_Click(AboutBox);
    EXPECT_EQ(view.aboutBoxes, 1);
    EXPECT_FALSE(enabled(Control::Back)); // disabled again on the menu
    EXPECT_EQ(view.closes, 0);
    navigation.Command1_Click(Finished);
    EXPECT_EQ(view.closes, 1);
    EXPECT_EQ(platform.boxes.size(), 2u); // no question on the menu
}

} // namespace
