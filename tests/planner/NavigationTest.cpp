#include "Navigation.h"
#include "PlannerState.h"

#include "FakePlatform.h"
#include "RecordingView.h"

using namespace planner;

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

// A planner's Finished asks before it leads back to the tool menu, where Finished closes
// at once. A missing type finder is told on a planner screen only.
TEST_F(NavigationRules, TheToolMenuAndAPlannerLeadToEachOther)
{
    EXPECT_EQ(QString(view[Control::Frame2].caption + view[Control::Label1].caption),
              u" Notes  The Meeting Planner");
    EXPECT_EQ(QString(view.shown() + steps()), u"Frame2 Picture1 Command2-F");
    platform.startResult = platform::StartResult::FileNotFound;
    navigation.Command2_Click();
    EXPECT_EQ(platform.boxes.back(),
              (FakePlatform::Box{u"Cannot find the Velkin.exe in the /opt/orvanta directory. "_s, 0,
                                 u"Orvanta"_s}));
    platform.startResult = platform::StartResult::Failed; // other failures pass silently
    navigation.Command2_Click();

    press(Navigation::Forward);
    view.answer = u"Budget review"_s;
    press(Navigation::Forward);
    platform.answers = {platform::No, platform::Yes};
    press(Navigation::Finished);
    EXPECT_EQ(platform.boxes.back(),
              (FakePlatform::Box{u"Are you sure that you wish to exit The Meeting Planner?"_s, 36,
                                 u"Orvanta"_s}));
    EXPECT_EQ(state.currentScreen, 3);
    press(Navigation::Finished);
    EXPECT_EQ(QString(view[Control::Form].caption + view[Control::Frame2].caption),
              u"Orvanta  -  Quillan Select a tool to use ");
    EXPECT_EQ(QString(view.shown() + steps()), u"Frame2 Frame3 Picture2--");
    EXPECT_EQ(state.workName, u"Budget review"); // kept until the next planner starts
    platform.startResult = platform::StartResult::FileNotFound;
    navigation.Command4_Click(Navigation::TypeFinderTool);
    press(Navigation::AboutBox);
    EXPECT_FALSE(view[Control::Back].enabled) << "Back enabled on the menu";
    press(Navigation::Finished);
    EXPECT_EQ(view.closes, 1);
    EXPECT_EQ(platform.boxes.size(), 3u); // nothing told or asked on the menu
    EXPECT_EQ(platform.started, QStringList(3, u"/opt/orvanta/velkin"_s));
}

// Forward needs the name, each screen keeps its answer, and the closing screen
// leads to the sheet, which Back passes over. Every step button first enables
// Back, and all but Finished and AboutBox hide the picture.
TEST_F(NavigationRules, TheStepButtonsWalkAPlannerAndKeepEachAnswer)
{
    press(Navigation::Forward);
    EXPECT_EQ(steps(), u"-F");
    press(Navigation::Forward);
    press(Navigation::Back); // enabled by the common steps, but goes nowhere
    EXPECT_EQ(state.currentScreen, 2);
    EXPECT_EQ(platform.boxes,
              FakePlatform::Boxes(1, {u"You must enter a Meeting - Name."_s, 0, u"Orvanta"_s}));

    view.answer = u"Budget review"_s;
    press(Navigation::Forward);
    EXPECT_EQ(state.workName, u"Budget review");
    EXPECT_TRUE(view.answer.isEmpty()); // a new screen shows an empty box
    view.answer = u"Room 4"_s;
    press(Navigation::Back);
    EXPECT_EQ(view.answer, u"Budget review");
    press(Navigation::Forward);
    EXPECT_EQ(view.answer, u"Room 4");

    while (state.currentScreen < 12)
        press(Navigation::Forward);
    view.answer = u"typed on the closing screen"_s;
    press(Navigation::Forward);
    EXPECT_EQ(state.currentScreen, 12); // the sheet is shown on the closing screen
    EXPECT_EQ(QString(steps() + view.shown()), u"B-Text1 Command3 Command2 Print");
    EXPECT_TRUE(view.answer.startsWith(u"\r\nMEETING - NAME.\r\n\r\nBudget review"));
    EXPECT_TRUE(state.screen(12).answer.isEmpty()); // never stored
    view.answer = u"edited sheet"_s; // nor the sheet's edits
    press(Navigation::Back);
    EXPECT_EQ(state.currentScreen, 11);
    EXPECT_EQ(QString(steps() + view.shown()), u"BFFrame2 Text1 Command2");
    EXPECT_TRUE(state.screen(11).answer.isEmpty());

    navigation.ShowMainMenu();
    using enum Navigation::Step;
    for (const auto &[step, keepsPicture] :
         {std::pair{Finished, true}, {Back, false}, {Print, false}, {AboutBox, true}}) {
        navigation.Command4_Click(int16_t(PlannerTool::Meeting));
        platform.answers = {platform::No};
        press(step);
        EXPECT_EQ(state.currentScreen, 1);
        EXPECT_EQ(QString(steps() + view.shown()),
                  keepsPicture ? u"BFFrame2 Picture1 Command2" : u"BFFrame2 Command2")
            << step;
    }
}

} // namespace
