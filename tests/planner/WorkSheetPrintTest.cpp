#include "WorkSheetPrint.h"
#include "PlannerState.h"
#include "ScriptBuilder.h"

#include "FakePlatform.h"
#include "RecordingView.h"

#include <gtest/gtest.h>

#include <map>

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

    PlannerState state;
    FakePlatform platform;
};

TEST_F(PrintLayout, AMeetingSheetLineByLine)
{
    walked(PlannerTool::Meeting,
           {{2, u"Budget review"_s}, {3, u"Room 4\r\nMonday"_s}, {7, u"Mr Okafor"_s}});
    platform.answers = {platform::Yes};
    PrintWorkSheet(state, platform);
    const FakePlatform::Box question{u"Are you sure that you wish to print the Work Sheet?"_s, 36,
                                     u"Orvanta"_s};
    EXPECT_EQ(platform.boxes, FakePlatform::Boxes{question});
    EXPECT_EQ(platform.jobs, 1);

    // Expected operations keep a section to a line of code.
    // clang-format off
    QStringList expected{u"font Arial"_s, u"size 11"_s, Rule, u"y 340"_s, u"size 16"_s, u"stay           The Meeting Planner"_s,
                         u"size 11"_s, u"line " + QString(40, u' ') + u"Printed: 5 December 2026", Rule, u"line "_s,
                         u"size 14"_s, u"line Meeting - Name.\r\n"_s, u"size 11"_s, u"line Budget review\r\n"_s};
    for (const auto &[title, answer] : {std::pair{u"Meeting - Where and When."_s, u"Room 4\r\nMonday"_s},
                                        {u"What is the purpose of this meeting?"_s, QString()}, {u"Background Research."_s, QString()},
                                        {u"Second Key Attendee."_s, u"Mr Okafor"_s}, {u"The Meeting / Agenda."_s, QString()},
                                        {u"What to Take."_s, QString()}, {u"General Notes."_s, QString()}})
        expected << u"size 14"_s << u"line " + title + u"\r\n" << u"size 11"_s << u"line " + answer + u"\r\n" << u"size 11"_s << Rule;
    expected << u"line "_s << u"line "_s << u"size 14"_s
             << u"line Post-mortem - Was it successful and what can be improved for next time?"_s << u"finish"_s;
    // clang-format on
    EXPECT_EQ(platform.printed, expected);

    // The job is told beforehand how much it prints, so that it can show how far it has got.
    qsizetype printed = 0;
    for (const QString &operation : std::as_const(platform.printed)) {
        if (operation.startsWith(u"line ") || operation.startsWith(u"stay "))
            printed += operation.size() - 5;
    }
    EXPECT_EQ(platform.printLength, printed);
}

TEST_F(PrintLayout, NoPrintsNothingAndAFailingPrinterIsToldOnce)
{
    walked(PlannerTool::Strategy, {{2, u"Win"_s}});
    platform.answers = {platform::No};
    PrintWorkSheet(state, platform);
    EXPECT_EQ(platform.jobs, 0);
    EXPECT_TRUE(platform.printed.isEmpty());

    platform.printerFailsAt = 3;
    platform.answers = {platform::Yes};
    PrintWorkSheet(state, platform);
    ASSERT_EQ(platform.boxes.size(), 3u); // the two questions and one message
    EXPECT_EQ(platform.boxes[2],
              (FakePlatform::Box{u"Command1_Click_error 482"_s, 0, u"Orvanta"_s}));
    EXPECT_EQ(platform.printed.size(), 3); // nothing after the failure

    // A cancelled job is not an error worth a word.
    platform.printed.clear();
    platform.printerError = platform::CancelledError;
    platform.answers = {platform::Yes};
    PrintWorkSheet(state, platform);
    EXPECT_EQ(platform.boxes.size(), 4u);
}

} // namespace
