#include "WorkSheet.h"
#include "PlannerState.h"

#include <QElapsedTimer>

#include <gtest/gtest.h>

using namespace planner;

namespace {

struct Row
{
    const char16_t *title;
    const char16_t *answer;
};

// A walked script: the state as it is when the sheet is composed, on the closing screen.
PlannerState walked(PlannerTool tool, std::initializer_list<Row> rows)
{
    PlannerState state;
    state.startTool(tool);
    int16_t i = 1;
    for (const Row &row : rows) {
        state.screen(i).title = QString::fromUtf16(row.title);
        state.screen(i).guidance = QStringLiteral("\r\nSome guidance.");
        state.screen(i).answer = QString::fromUtf16(row.answer);
        ++i;
    }
    state.screenEnd = i;
    state.currentScreen = i - 1;
    return state;
}

TEST(WorkSheet, TheMeetingExample)
{
    const PlannerState state = walked(PlannerTool::Meeting,
                                      {{u" The Meeting Planner", u""},
                                       {u"Meeting - Name.", u"Budget review"},
                                       {u"Meeting - Where and When.", u"Room 4, Monday 10:00"},
                                       {u" Key Attendee.", u""},
                                       {u"The Meeting Planner is finished", u""}});
    EXPECT_EQ(workSheetText(state),
              u"\r\nMEETING - NAME.\r\n\r\nBudget review\r\n\r\nMEETING - WHERE AND WHEN.\r\n\r\n"
              u"Room 4, Monday 10:00");
}

TEST(WorkSheet, ListsSectionsByTheirTitles)
{
    const PlannerState state = walked(PlannerTool::Presentation,
                                      {{u" The Presentation Planner", u"ignored"},
                                       {u" Presenting - Overview", u"ignored"},
                                       {u"Presentation - Title.", u"Launch"},
                                       {u" Key Attendee.", u"Ms Shah\r\nsigns off"},
                                       {u" Second Key Attendee.", u""},
                                       {u"The Presentation.", u""},
                                       {u"Future Action.", u""},
                                       {u" Important Presentation Tips.", u""},
                                       {u" The Presentation Planner is finished", u"never"}});
    EXPECT_EQ(workSheetText(state),
              u"\r\nPRESENTATION - TITLE.\r\n\r\nLaunch"
              u"\r\n\r\nKEY ATTENDEE.\r\n\r\nMs Shah\r\nsigns off"
              u"\r\n\r\nTHE PRESENTATION.\r\n\r\n"
              u"\r\n\r\nFUTURE ACTION.\r\n\r\n");
}

TEST(WorkSheet, ComposesLongAnswersInLinearTime)
{
    // Twenty pasted documents of 512 KB each.
    PlannerState state;
    state.startTool(PlannerTool::Strategy);
    const QString document(512 * 1024, u'x');
    for (int16_t i = 1; i <= 22; ++i) {
        state.screen(i).title = u"Section " + QString::number(i);
        state.screen(i).answer = document;
    }
    state.currentScreen = 22;
    QElapsedTimer timer;
    timer.start();
    const QString sheet = workSheetText(state);
    EXPECT_EQ(sheet.size(), 2 + 20 * document.size() + 19 * 4 + 20 * 4 + 8 * 9 + 12 * 10);
    EXPECT_LT(timer.elapsed(), 1000);
}

} // namespace
