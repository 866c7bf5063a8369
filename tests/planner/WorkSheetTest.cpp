#include "WorkSheet.h"
#include "PlannerState.h"

#include <gtest/gtest.h>

using namespace planner;

namespace {

// Screens before the naming screen, empty optional sections and the closing screen stay
// out; an optional section's title loses its leading blank.
TEST(WorkSheet, TheMeetingExample)
{
    PlannerState state;
    state.startTool(PlannerTool::Meeting);
    int16_t i = 0;
    for (const auto &[title, answer] : {std::pair{u" The Meeting Planner", u"ignored"},
                                        {u"Meeting - Name.", u"Budget review"},
                                        {u"Meeting - Where and When.", u"Room 4, Monday 10:00"},
                                        {u" Key Attendee.", u"Mr Okafor"},
                                        {u" Other Attendees.", u""},
                                        {u"The Meeting Planner is finished", u"never"}})
        state.screen(++i) = {QString::fromUtf16(title), {}, FalseFlag, QString::fromUtf16(answer)};
    state.screenEnd = 7;
    state.currentScreen = 6;
    EXPECT_EQ(workSheetText(state),
              u"\r\nMEETING - NAME.\r\n\r\nBudget review\r\n\r\nMEETING - WHERE AND WHEN.\r\n\r\n"
              u"Room 4, Monday 10:00\r\n\r\nKEY ATTENDEE.\r\n\r\nMr Okafor");
}

// Pasted documents as answers are taken whole.
TEST(WorkSheet, LongAnswersAreWhole)
{
    PlannerState state;
    state.startTool(PlannerTool::Strategy);
    const QString document = QString(qsizetype(512) * 1024, u'x') + u'\u00e9';
    for (int16_t i = 1; i <= 22; ++i)
        state.screen(i) = {u"Section " + QString::number(i), {}, FalseFlag, document};
    state.currentScreen = 22;
    const QString sheet = workSheetText(state);
    EXPECT_EQ(sheet.size(), 20 * document.size() + (2 + 19 * 4 + 20 * 4 + 8 * 9 + 12 * 10));
    EXPECT_EQ(sheet.count(document), 20);
}

} // namespace
