#include "PlannerState.h"

#include <gtest/gtest.h>

using namespace planner;

TEST(PlannerState, NamingTitlesMatchExactly)
{
    for (const char16_t *title : {u"Presentation - Title.", u"Meeting - Name.", u"Task - Name.",
                                  u"Phone Call - Description."})
        EXPECT_TRUE(isNamingTitle(QString::fromUtf16(title)));
    for (const char16_t *title :
         {u"Meeting - Name", u"meeting - name.", u" Meeting - Name.", u"Meeting - Name. ", u""})
        EXPECT_FALSE(isNamingTitle(QString::fromUtf16(title)));
}

TEST(PlannerState, StartingAToolClearsTheScriptButKeepsTheName)
{
    PlannerState state;
    for (int16_t i = 0; i < PlannerState::Capacity; ++i)
        state.screen(i) = {QStringLiteral("title"), QStringLiteral("guidance"), TrueFlag,
                           QStringLiteral("answer")};
    state.currentScreen = 7;
    state.screenEnd = 13;
    state.workName = QStringLiteral("Budget review");

    state.startTool(PlannerTool::PhoneCall);

    EXPECT_EQ(state.currentScreen, 1);
    EXPECT_EQ(state.screenEnd, 0);
    EXPECT_EQ(state.activeTool, 4);
    EXPECT_EQ(state.toolName, u"The Phone Call Planner");
    EXPECT_EQ(state.workName, u"Budget review");
    for (int16_t i = 1; i < PlannerState::Capacity; ++i) {
        EXPECT_TRUE(state.screen(i).title.isEmpty());
        EXPECT_TRUE(state.screen(i).guidance.isEmpty());
        EXPECT_TRUE(state.screen(i).answer.isEmpty());
    }
    EXPECT_EQ(state.screen(0).answer, u"answer"); // entry 0 is never part of a script
}
