#include "Navigation.h"
#include "PlannerState.h"

#include "RecordingView.h"

using namespace planner;
using platform::Answer;
using Box = platform::Message;

namespace {

// The tool menu and the step buttons without a window. The Meeting Planner has
// 12 screens: 1 the introduction, 2 the naming screen, 12 the closing screen.
class NavigationRules : public ::testing::Test
{
protected:
    void SetUp() override
    {
        navigation.ShowMainMenu();
        navigation.Command4_Click(int16_t(PlannerTool::Meeting));
    }
    void press(Navigation::Step step) { navigation.Command1_Click(step); }
    void forwardTo(int16_t screen)
    {
        while (state.currentScreen < screen) {
            view.text = state.currentScreen == 2 ? u"Budget review"_s : QString();
            press(Navigation::Forward);
        }
    }
    // Back and Forward as "BF" when enabled, "--" when not.
    QString steps()
    {
        return QString(view[Control::Back].enabled ? u'B' : u'-')
            + (view[Control::Forward].enabled ? u'F' : u'-');
    }

    PlannerState state;
    RecordingView view;
    FakePlatform platform;
    Navigation navigation{state, view, platform};
};

// A tool button starts its planner on its first screen. Forward on the naming screen needs a
// name, however the box came to be empty: the message names the screen and the focus goes back
// to the box. With a name, it is the work's name.
TEST_F(NavigationRules, ForwardLeavesTheNamingScreenOnlyWithAName)
{
    EXPECT_EQ(QString(view[Control::Frame2].caption + view[Control::Label1].caption),
              u" Notes  The Meeting Planner");
    EXPECT_EQ(QString(view.shown() + steps()), u"Frame2 Picture1 Command2-F");
    forwardTo(2);
    EXPECT_EQ(view.mode, NameAnswer);
    for (const QString &empty : {QString(), u""_s}) { // never typed, or typed and deleted
        view.text = empty;
        view.focus = Control::Form;
        press(Navigation::Forward);
        EXPECT_EQ(state.currentScreen, 2);
        EXPECT_EQ(view.focus, Control::Text1);
    }
    EXPECT_EQ(view.boxes,
              std::vector<Box>(
                  2, {.text = u"You must enter a Meeting - Name."_s, .title = u"Orvanta"_s}));
    forwardTo(3);
    EXPECT_EQ(state.workName, u"Budget review");
    EXPECT_EQ(view.mode, FreeAnswer);
}

// Each screen keeps its answer: Back and Forward refill the box, and a new screen opens empty.
TEST_F(NavigationRules, EachScreenKeepsItsAnswer)
{
    forwardTo(3);
    EXPECT_TRUE(view.text.isEmpty());
    view.text = u"Room 4"_s;
    press(Navigation::Back);
    EXPECT_EQ(view.text, u"Budget review");
    press(Navigation::Forward);
    EXPECT_EQ(view.text, u"Room 4");
}

// Forward on the closing screen composes the sheet, shown "on" the closing screen, whose
// answer is kept nowhere, nor are the sheet's edits; Back from the sheet passes over it.
TEST_F(NavigationRules, TheClosingScreenLeadsToTheSheetAndBackPassesOverIt)
{
    forwardTo(12);
    view.text = u"typed on the closing screen"_s;
    press(Navigation::Forward);
    EXPECT_EQ(state.currentScreen, 12);
    EXPECT_EQ(QString(steps() + view.shown()), u"B-Text1 Command3 Command2 Print");
    EXPECT_EQ(view[Control::Label1].caption, u"The Meeting Planner Summary");
    EXPECT_TRUE(view.text.startsWith(u"\r\nMEETING - NAME.\r\n\r\nBudget review"));
    EXPECT_TRUE(state.screen(12).answer.isEmpty());
    view.text = u"edited sheet"_s;
    press(Navigation::Back);
    EXPECT_EQ(state.currentScreen, 11);
    EXPECT_EQ(QString(steps() + view.shown()), u"BFFrame2 Text1 Command2");
    EXPECT_TRUE(state.screen(11).answer.isEmpty());
}

// Back never leads to the opening screen: from the Presentation Planner's naming screen (3)
// it leads to 2, and from 2 nowhere, though every step button enables it.
TEST_F(NavigationRules, BackNeverLeadsToTheOpeningScreen)
{
    navigation.Command4_Click(int16_t(PlannerTool::Presentation));
    forwardTo(3);
    EXPECT_EQ(steps(), u"BF");
    press(Navigation::Back);
    EXPECT_EQ(QString::number(state.currentScreen) + steps(), u"2-F");
    press(Navigation::Back);
    EXPECT_EQ(QString::number(state.currentScreen) + steps(), u"2BF");
}

// Every step button first enables Back; all but Finished and AboutBox hide the picture.
TEST_F(NavigationRules, EveryStepButtonEnablesBackAndMostHideThePicture)
{
    using enum Navigation::Step;
    for (const auto &[step, keepsPicture] :
         {std::pair{Finished, true}, {Back, false}, {Print, false}, {AboutBox, true}}) {
        navigation.Command4_Click(int16_t(PlannerTool::Meeting));
        view.answers = {Answer::No};
        press(step);
        EXPECT_EQ(state.currentScreen, 1);
        EXPECT_EQ(QString(steps() + view.shown()),
                  keepsPicture ? u"BFFrame2 Picture1 Command2" : u"BFFrame2 Command2")
            << step;
    }
    EXPECT_EQ(view.closes, 0) << "Finished on a planner's first screen asks";
}

// A planner's Finished asks; No stays, Yes leads to the tool menu, which keeps the names. On
// the menu Finished closes at once, and AboutBox leaves Back disabled.
TEST_F(NavigationRules, FinishedAsksInAPlannerAndClosesOnTheMenu)
{
    forwardTo(3);
    view.answers = {Answer::No, Answer::Yes};
    press(Navigation::Finished);
    EXPECT_EQ(view.boxes.back(),
              (Box{u"Are you sure that you wish to exit The Meeting Planner?"_s,
                   platform::Buttons::YesNo, platform::Icon::Question, u"Orvanta"_s}));
    EXPECT_EQ(state.currentScreen, 3);
    press(Navigation::Finished);
    EXPECT_EQ(
        QString(view[Control::Form].caption + view[Control::Frame2].caption
                + view[Control::Label1].caption),
        u"Orvanta  -  Quillan Select a tool to use Orvanta - A Toolkit for Sales Professionals");
    EXPECT_EQ(QString(view.shown() + steps()), u"Frame2 Frame3 Picture2--");
    EXPECT_EQ(state.toolName + state.workName, u"The Meeting PlannerBudget review");
    press(Navigation::AboutBox);
    EXPECT_EQ(QString::number(view.abouts) + steps(), u"1--");
    press(Navigation::Finished);
    EXPECT_EQ(view.closes, 1);
    EXPECT_EQ(view.boxes.size(), 2u);
}

// The type finder starts from the menu silently, and from a planner screen with a message
// when it is missing; other failures pass silently.
TEST_F(NavigationRules, AMissingTypeFinderIsToldOnlyOnAPlannerScreen)
{
    platform.startResult = platform::StartResult::FileNotFound;
    navigation.Command2_Click();
    const Box missing{.text = u"Cannot find the Velkin.exe in the /opt/orvanta directory. "_s,
                      .title = u"Orvanta"_s};
    EXPECT_EQ(view.boxes, std::vector<Box>{missing});
    platform.startResult = platform::StartResult::Failed;
    navigation.Command2_Click();
    navigation.ShowMainMenu();
    platform.startResult = platform::StartResult::FileNotFound;
    navigation.Command4_Click(Navigation::TypeFinderTool);
    EXPECT_EQ(view.boxes.size(), 1u);
    EXPECT_EQ(platform.started, QStringList(3, u"/opt/orvanta/velkin"_s));
    EXPECT_EQ(view.shown(), u"Frame2 Frame3 Picture2");
}

} // namespace
