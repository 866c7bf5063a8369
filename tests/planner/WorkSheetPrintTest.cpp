#include "WorkSheetPrint.h"
#include "PlannerState.h"
#include "ScriptBuilder.h"

#include "FakePlatform.h"
#include "RecordingView.h"

using namespace planner;

namespace {

const QString Rule = u"line " + QString(80, u'_');

class PrintLayout : public ::testing::Test
{
protected:
    // A planner walked to its sheet, with these answers.
    void walked(PlannerTool tool, const std::map<int16_t, QString> &answers)
    {
        state.startTool(tool);
        RecordingView view;
        buildScript(tool, state, view, platform);
        for (const auto &[screen, answer] : answers)
            state.screen(screen).answer = answer;
        state.currentScreen = state.screenEnd - 1;
    }
    // The texts printed in 14 points, each with what follows it up to the next one.
    std::vector<QStringList> sections() const
    {
        std::vector<QStringList> found;
        for (qsizetype i = 0; i < platform.printed.size(); ++i) {
            if (platform.printed[i] == u"size 14")
                found.emplace_back();
            else if (!found.empty())
                found.back().append(platform.printed[i]);
        }
        return found;
    }

    PlannerState state;
    FakePlatform platform;
};

// A dated heading between two rules, then each listed section as its title and
// answer, each followed by an empty line and all but the first by a rule; the
// closing screen and unanswered optional sections stay out.
TEST_F(PrintLayout, TheSectionsOfAMeetingUnderADatedHeading)
{
    walked(PlannerTool::Meeting,
           {{2, u"Budget review"_s}, {3, u"Room 4\r\nMonday"_s}, {7, u"Mr Okafor"_s}});
    platform.answers = {platform::Yes};
    PrintWorkSheet(state, platform);
    const FakePlatform::Box question{u"Are you sure that you wish to print the Work Sheet?"_s, 36,
                                     u"Orvanta"_s};
    EXPECT_EQ(platform.boxes, FakePlatform::Boxes{question});
    EXPECT_EQ(platform.printed.mid(0, 10),
              QStringList({u"font Arial"_s, u"size 11"_s, Rule, u"y 340"_s, u"size 16"_s,
                           u"stay           The Meeting Planner"_s, u"size 11"_s,
                           u"line " + QString(40, u' ') + u"Printed: 5 December 2026", Rule,
                           u"line "_s}));
    const std::vector<QStringList> printed = sections();
    ASSERT_EQ(printed.size(), 9u);
    EXPECT_EQ(
        printed[0],
        QStringList({u"line Meeting - Name.\r\n"_s, u"size 11"_s, u"line Budget review\r\n"_s}));
    EXPECT_EQ(printed[1],
              QStringList({u"line Meeting - Where and When.\r\n"_s, u"size 11"_s,
                           u"line Room 4\r\nMonday\r\n"_s, u"size 11"_s, Rule}));
    EXPECT_EQ(printed[4][0], u"line Second Key Attendee.\r\n"); // 6 and 8 left empty
    EXPECT_EQ(printed[7][0], u"line General Notes.\r\n");
    EXPECT_EQ(
        printed[7].mid(1),
        QStringList({u"size 11"_s, u"line \r\n"_s, u"size 11"_s, Rule, u"line "_s, u"line "_s}));
    EXPECT_EQ(printed[8],
              QStringList({u"line Post-mortem - Was it successful and what can be "
                           u"improved for next time?"_s,
                           u"finish"_s}));

    // The job is told beforehand how much it prints, so that it can show how far it has got.
    qsizetype length = 0;
    for (const QString &operation : std::as_const(platform.printed)) {
        if (operation.startsWith(u"line ") || operation.startsWith(u"stay "))
            length += operation.size() - 5;
    }
    EXPECT_EQ(platform.printLength, length);
}

TEST_F(PrintLayout, NoPrintsNothingAndAFailingPrinterIsToldOnce)
{
    walked(PlannerTool::Strategy, {{2, u"Win"_s}});
    platform.answers = {platform::No, platform::Yes, platform::Yes};
    PrintWorkSheet(state, platform);
    EXPECT_EQ(platform.jobs, 0);

    platform.printerFailsAt = 3;
    PrintWorkSheet(state, platform);
    ASSERT_EQ(platform.boxes.size(), 3u); // the two questions and one message
    EXPECT_EQ(platform.boxes[2],
              (FakePlatform::Box{u"Command1_Click_error 482"_s, 0, u"Orvanta"_s}));
    EXPECT_EQ(platform.printed.size(), 3); // nothing after the failure

    platform.printed.clear(); // a cancelled job is not an error worth a word
    platform.printerError = platform::CancelledError;
    PrintWorkSheet(state, platform);
    EXPECT_EQ(platform.boxes.size(), 4u);
}

} // namespace
