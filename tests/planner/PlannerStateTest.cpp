#include "PlannerState.h"

#include <gtest/gtest.h>

using namespace planner;

namespace {

TEST(PlannerState, NamingTitlesMatchExactlyAndStartingAToolKeepsTheName)
{
    for (const char16_t *title : {u"Presentation - Title.", u"Meeting - Name.", u"Task - Name.",
                                  u"Phone Call - Description."})
        EXPECT_TRUE(isNamingTitle(QString::fromUtf16(title)));
    for (const char16_t *title :
         {u"Meeting - Name", u"meeting - name.", u" Meeting - Name.", u"Meeting - Name. ", u""})
        EXPECT_FALSE(isNamingTitle(QString::fromUtf16(title)));
    PlannerState state;
    state.script.fill({u"title"_s, u"guidance"_s, TrueFlag, u"answer"_s});
    state.currentScreen = 7;
    state.screenEnd = 13;
    state.workName = u"Budget review"_s;
    state.startTool(PlannerTool::PhoneCall);
    EXPECT_EQ(std::tuple(state.currentScreen, state.screenEnd, state.activeTool),
              std::tuple(1, 0, 4));
    EXPECT_EQ(state.toolName, u"The Phone Call Planner");
    EXPECT_EQ(state.workName, u"Budget review");
    for (int16_t i = 1; i < PlannerState::Capacity; ++i) {
        const Screen &s = state.screen(i);
        EXPECT_TRUE(s.title.isEmpty() && s.guidance.isEmpty() && s.answer.isEmpty()) << i;
    }
    EXPECT_EQ(state.screen(0).answer, u"answer"); // entry 0 is never part of a script
}

// The sheet and the printout list the naming screen first, then what follows it, optional
// sections only when answered.
TEST(PlannerState, ListedScreensStartAtTheNamingScreen)
{
    PlannerState state;
    state.startTool(PlannerTool::Meeting);
    for (int16_t i = 1; i <= 6; ++i)
        state.screen(i).title = i == 4 || i == 5 ? u" Optional"_s : u"Required"_s;
    state.screen(5).answer = u"kept"_s;
    EXPECT_EQ(listedScreens(state, 7), (std::vector<int16_t>{2, 3, 5, 6}));
    EXPECT_EQ(listedScreens(state, 4), (std::vector<int16_t>{2, 3}));
    EXPECT_EQ(listedScreens(state, 2), (std::vector<int16_t>{2})); // the naming screen always
    state.activeTool = int16_t(PlannerTool::Presentation);
    EXPECT_EQ(listedScreens(state, 7), (std::vector<int16_t>{3, 5, 6}));
}

} // namespace
