#include "PlannerState.h"
#include "WorkSheet.h"

#include <gtest/gtest.h>

using namespace planner;

namespace {

TEST(PlannerState, NamingTitlesMatchExactlyAndStartingAToolKeepsTheName)
{
    for (const QString &title : {u"Meeting - Name"_s, u"meeting - name."_s, u" Meeting - Name."_s})
        EXPECT_FALSE(isNamingTitle(title));
    PlannerState state;
    state.script.fill({u"title"_s, u"guidance"_s, TrueFlag, u"answer"_s});
    state.workName = u"Budget review"_s;
    state.startTool(PlannerTool::PhoneCall);
    EXPECT_EQ(std::tuple(state.currentScreen, state.screenEnd, state.activeTool),
              std::tuple(1, 0, 4));
    EXPECT_EQ(QString(state.toolName + state.workName), u"The Phone Call PlannerBudget review");
    for (int16_t i = 1; i < PlannerState::Capacity; ++i)
        EXPECT_EQ(state.screen(i).title + state.screen(i).guidance + state.screen(i).answer, u"");
}

// The sheet lists the naming screen, then each later screen but the closing one,
// optional sections only when answered and without their marking blank.
TEST(WorkSheet, TheMeetingExample)
{
    PlannerState state;
    state.startTool(PlannerTool::Meeting);
    int16_t i = 0;
    for (const auto &[title, answer] : {std::pair{u" The Meeting Planner", u"ignored"},
                                        {u"Meeting - Name.", u"Budget review"},
                                        {u"Meeting - Where and When.", u"Room 4,\r\nMonday 10:00"},
                                        {u" Key Attendee.", u"Mr Okafor"},
                                        {u" Other Attendees.", u""},
                                        {u"Background Research.", u""},
                                        {u"The Meeting Planner is finished", u"never"}})
        state.screen(++i) = {QString::fromUtf16(title), {}, FalseFlag, QString::fromUtf16(answer)};
    state.screenEnd = 8;
    state.currentScreen = 7;
    EXPECT_EQ(workSheetText(state),
              u"\r\nMEETING - NAME.\r\n\r\nBudget review\r\n\r\nMEETING - WHERE AND WHEN."
              u"\r\n\r\nRoom 4,\r\nMonday 10:00\r\n\r\nKEY ATTENDEE.\r\n\r\nMr Okafor"
              u"\r\n\r\nBACKGROUND RESEARCH.\r\n\r\n");
    state.activeTool = int16_t(PlannerTool::Presentation); // whose naming screen is 3
    EXPECT_TRUE(workSheetText(state).startsWith(u"\r\nMEETING - WHERE AND WHEN.\r\n\r\nRoom 4,"));
}

} // namespace
