#include "ScriptBuilder.h"
#include "WorkSheetPrint.h"

#include "CaptionView.h"
#include "FakePlatform.h"

#include <gtest/gtest.h>

using namespace planner;

namespace {

const QString Rule = u"line " + QString(80, u'_');

class PrintLayout : public ::testing::Test
{
protected:
    // A planner walked to its sheet, with these answers.
    void walked(PlannerTool tool, std::map<int16_t, QString> answers)
    {
        state.startTool(tool);
        CaptionView view;
        buildScript(tool, state, view, platform);
        for (const auto &[screen, answer] : answers)
            state.screen(screen).answer = answer;
        state.currentScreen = state.screenEnd - 1;
    }

    // The 14-point lines: the section titles as printed.
    QStringList titles() const
    {
        QStringList titles;
        for (qsizetype i = 1; i < platform.printed.size(); ++i) {
            if (platform.printed[i - 1] == u"size 14")
                titles.append(platform.printed[i].mid(5));
        }
        return titles;
    }

    PlannerState state;
    FakePlatform platform;
};

TEST_F(PrintLayout, AMeetingSheetLineByLine)
{
    walked(PlannerTool::Meeting,
           {{2, QStringLiteral("Budget review")},
            {3, QStringLiteral("Room 4\r\nMonday")},
            {7, QStringLiteral("Mr Okafor")}});
    platform.answers = {platform::Yes};
    PrintWorkSheet(state, platform);

    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].text, u"Are you sure that you wish to print the Work Sheet?");
    EXPECT_EQ(platform.boxes[0].flags, 36);
    EXPECT_EQ(platform.boxes[0].title, u"Orvanta");
    EXPECT_EQ(platform.jobs, 1);

    QStringList expected{QStringLiteral("font Arial"),
                         QStringLiteral("size 11"),
                         Rule,
                         QStringLiteral("y 340"),
                         QStringLiteral("size 16"),
                         QStringLiteral("stay           The Meeting Planner"),
                         QStringLiteral("size 11"),
                         u"line " + QString(40, u' ') + u"Printed: 5 December 2026",
                         Rule,
                         QStringLiteral("line "),
                         QStringLiteral("size 14"),
                         QStringLiteral("line Meeting - Name.\r\n"),
                         QStringLiteral("size 11"),
                         QStringLiteral("line Budget review\r\n")};
    const auto section = [&](const QString &title, const QString &answer) {
        expected << QStringLiteral("size 14") << u"line " + title + u"\r\n"
                 << QStringLiteral("size 11") << u"line " + answer + u"\r\n"
                 << QStringLiteral("size 11") << Rule;
    };
    section(QStringLiteral("Meeting - Where and When."), QStringLiteral("Room 4\r\nMonday"));
    section(QStringLiteral("What is the purpose of this meeting?"), {});
    section(QStringLiteral("Background Research."), {});
    section(QStringLiteral("Second Key Attendee."), QStringLiteral("Mr Okafor"));
    section(QStringLiteral("The Meeting / Agenda."), {});
    section(QStringLiteral("What to Take."), {});
    section(QStringLiteral("General Notes."), {});
    expected << QStringLiteral("line ") << QStringLiteral("line ") << QStringLiteral("size 14")
             << QStringLiteral(
                    "line Post-mortem - Was it successful and what can be improved for next time?")
             << QStringLiteral("finish");
    EXPECT_EQ(platform.printed, expected);
}

TEST_F(PrintLayout, ThePresentationSheetOpensWithItsTitle)
{
    walked(PlannerTool::Presentation,
           {{3, QStringLiteral("Launch")},
            {8, QStringLiteral("Ms Shah")},
            {18, QStringLiteral("never")}});
    layOutWorkSheet(state, QStringLiteral("1 March 2027"), *platform.openTextPrinter());
    EXPECT_TRUE(platform.printed.contains(u"line " + QString(40, u' ') + u"Printed: 1 March 2027"));
    EXPECT_EQ(
        titles(),
        QStringList(
            {QStringLiteral("Presentation - Title.\r\n"),
             QStringLiteral("Presentation - Where and When.\r\n"),
             QStringLiteral("What is the purpose of this presentation?\r\n"),
             QStringLiteral("Background Research - Knowing your audience?\r\n"),
             QStringLiteral("Second Key Attendee.\r\n"), QStringLiteral("The Presentation.\r\n"),
             QStringLiteral("Strong Opening.\r\n"),
             QStringLiteral("Summary of your Presentation.\r\n"),
             QStringLiteral("Presentation Topics.\r\n"),
             QStringLiteral("Presentation Conclusion.\r\n"), QStringLiteral("Future Action.\r\n"),
             QStringLiteral("General Notes.\r\n"),
             QStringLiteral(
                 "Post-mortem - Was it successful and what can be improved for next time?")}));
    // No rule line after the first item; one after each section of the loop.
    EXPECT_EQ(platform.printed.count(Rule), 2 + 11);
}

TEST_F(PrintLayout, ClosingScreensAndEmptyOptionalSectionsAreLeftOut)
{
    walked(PlannerTool::PhoneCall,
           {{2, QStringLiteral("Quote")}, {10, QStringLiteral("typed on the closing screen")}});
    layOutWorkSheet(state, QStringLiteral("5 December 2026"), *platform.openTextPrinter());
    const QStringList printed = titles();
    EXPECT_FALSE(printed.contains(QStringLiteral("Who are you calling?\r\n")));
    EXPECT_FALSE(printed.contains(QStringLiteral("Phone Tips.\r\n")));
    EXPECT_FALSE(printed.contains(QStringLiteral("The Phone Call Planner is finished\r\n")));
    EXPECT_EQ(printed.size(), 7);
}

TEST_F(PrintLayout, NoPrintsNothingAndAFailingPrinterIsToldOnce)
{
    walked(PlannerTool::Strategy, {{2, QStringLiteral("Win")}});
    platform.answers = {platform::No};
    PrintWorkSheet(state, platform);
    EXPECT_EQ(platform.jobs, 0);
    EXPECT_TRUE(platform.printed.isEmpty());

    platform.printerFailsAt = 3;
    platform.answers = {platform::Yes};
    PrintWorkSheet(state, platform);
    ASSERT_EQ(platform.boxes.size(), 3u); // the two questions and one message
    EXPECT_EQ(platform.boxes[2].text, u"Command1_Click_error 482");
    EXPECT_EQ(platform.boxes[2].flags, 0);
    EXPECT_EQ(platform.boxes[2].title, u"Orvanta");
    EXPECT_EQ(platform.printed.size(), 3); // nothing after the failure

    // A cancelled job is not an error worth a word.
    platform.printed.clear();
    platform.printerError = platform::CancelledError;
    platform.answers = {platform::Yes};
    PrintWorkSheet(state, platform);
    EXPECT_EQ(platform.boxes.size(), 4u);
}

} // namespace
