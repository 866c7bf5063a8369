#include "PlannerState.h"
#include "WorkSheet.h"

#include <gtest/gtest.h>

using namespace planner;
using enum ScreenRole;

namespace {

TEST(PlannerState, NamingTitlesMatchExactly)
{
    EXPECT_TRUE(isNamingTitle(u"Phone Call - Description."_s));
    for (const QString &title : {u"Meeting - Name"_s, u"meeting - name."_s, u" Meeting - Name."_s})
        EXPECT_FALSE(isNamingTitle(title));
}

TEST(PlannerState, StartingAToolEmptiesTheScriptButKeepsTheWorksName)
{
    PlannerState state;
    state.script.fill({u"title"_s, u"guidance"_s, TrueFlag, u"answer"_s, Answer});
    state.workName = u"Budget review"_s;
    state.startTool(PlannerTool::PhoneCall);
    EXPECT_EQ(std::tuple(state.currentScreen, state.screenEnd, state.activeTool),
              std::tuple(1, 0, 4));
    EXPECT_EQ(QString(state.toolName + state.workName), u"The Phone Call PlannerBudget review");
    for (int16_t i = 1; i < PlannerState::Capacity; ++i) {
        const Screen &s = state.screen(i);
        EXPECT_TRUE(QString(s.title + s.guidance + s.answer).isEmpty() && s.role == None) << i;
    }
}

// The sheet lists the naming screen first, then each later screen but the closing one:
// optional sections only when answered and without their marking blank, headings always,
// information never. Headings are in capitals, answers as typed.
TEST(WorkSheet, ListsTheNamingScreenThenEveryAnsweredOrRequiredSection)
{
    PlannerState state;
    state.startTool(PlannerTool::Meeting);
    int16_t i = 0;
    for (const auto &[title, role, answer] :
         {std::tuple{u" The Meeting Planner", Opening, u"ignored"},
          {u" Overview", Information, u""},
          {u"Meeting - Name.", Naming, u"Budget review"},
          {u"Meeting - Where and When.", Answer, u"Room 4,\r\nMonday 10:00"},
          {u" Key Attendee.", OptionalAnswer, u"Mr Okafor"},
          {u" Other Attendees.", OptionalAnswer, u""},
          {u"The Meeting.", Heading, u""},
          {u"Background Research.", Answer, u""},
          {u" Tips.", Information, u""},
          {u"The Meeting Planner is finished", Closing, u"never"}})
        state.screen(++i) = {QString::fromUtf16(title), u"guidance"_s, FalseFlag,
                             QString::fromUtf16(answer), role};
    EXPECT_EQ(workSheetText(state),
              u"\r\nMEETING - NAME.\r\n\r\nBudget review\r\n\r\nMEETING - WHERE AND WHEN."
              u"\r\n\r\nRoom 4,\r\nMonday 10:00\r\n\r\nKEY ATTENDEE.\r\n\r\nMr Okafor"
              u"\r\n\r\nTHE MEETING.\r\n\r\n\r\n\r\nBACKGROUND RESEARCH.\r\n\r\n");
}

} // namespace
