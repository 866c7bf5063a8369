#include "WorkSheetPrint.h"
#include "PlannerState.h"
#include "ScriptBuilder.h"

#include "FakePlatform.h"
#include "RecordingView.h"

#include <QRegularExpression>

using namespace planner;

namespace {

class PrintLayout : public ::testing::Test
{
protected:
    void SetUp() override
    {
        state.startTool(PlannerTool::Meeting);
        buildScript(PlannerTool::Meeting, state, view, platform);
        state.screen(2).answer = u"Budget review"_s;
        state.screen(3).answer = u"Room 4\r\nMonday"_s;
        state.screen(7).answer = u"Mr Okafor"_s; // the second key attendee, not the first
    }
    void print(std::deque<platform::Answer> answers = {platform::Answer::Yes})
    {
        view.answers = std::move(answers);
        PrintWorkSheet(state, platform, view);
    }

    FakePlatform platform;
    PlannerState state;
    RecordingView view;
};

// A dated heading between two rules, then each listed section as its title and answer, each
// followed by an empty line and all but the first by a rule; the closing screen is left out.
TEST_F(PrintLayout, TheSectionsOfAMeetingUnderADatedHeading)
{
    print();
    // The printer's operations, each after a bar.
    const QString rule = u"|line " + QString(80, u'_');
    const QString sheet = u'|' + platform.printed.join(u'|');
    EXPECT_TRUE(sheet.startsWith(
        u"|font Arial|size 11" + rule + u"|y 340|size 16|stay           The Meeting Planner"
        + u"|size 11|line " + QString(40, u' ') + u"Printed: 5 December 2026" + rule + u"|line "
        + u"|size 14|line Meeting - Name.\r\n|size 11|line Budget review\r\n"
        + u"|size 14|line Meeting - Where and When.\r\n|size 11|line Room 4\r\nMonday\r\n"
        + u"|size 11" + rule));
    EXPECT_TRUE(sheet.endsWith(
        u"|line General Notes.\r\n|size 11|line \r\n|size 11" + rule
        + u"|line |line |size 14|line Post-mortem - Was it successful and what can be improved for next time?|finish"));
    EXPECT_EQ(sheet.count(u"|size 14|"), 9); // 6 and 8 left empty, 12 the closing screen
    EXPECT_TRUE(sheet.contains(u"|line Second Key Attendee.\r\n|"));
    // Told beforehand, so that the job can show how far it has got.
    const QStringList texts = platform.printed.filter(QRegularExpression(u"^(line|stay) "_s));
    EXPECT_EQ(platform.printLength, texts.join(QString()).size() - 5 * texts.size());
}

// Printing asks first; a failing printer is told once, a cancelled job not at all.
TEST_F(PrintLayout, PrintingAsksFirstAndTellsAFailureButNotACancel)
{
    print({platform::Answer::No});
    EXPECT_EQ(platform.jobs, 0);
    const platform::Message asked{u"Are you sure that you wish to print the Work Sheet?"_s,
                                  platform::Buttons::YesNo, platform::Icon::Question, u"Orvanta"_s};
    EXPECT_EQ(view.boxes, std::vector{asked});
    platform.printerFailsAt = 3;
    print();
    EXPECT_EQ(view.boxes.back(),
              (platform::Message{.text = u"Command1_Click_error 482"_s, .title = u"Orvanta"_s}));
    platform.printed.clear();
    platform.printerError = platform::CancelledError;
    print();
    EXPECT_EQ(view.boxes.size(), 4u); // the questions and one message
    EXPECT_EQ(platform.printed.size(), 3);
}

} // namespace
