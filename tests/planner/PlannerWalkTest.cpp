#include "PlannerWindow.h"

#include <QFontMetrics>

#include <map>

// Expected texts keep one line of text to a line of code.
// clang-format off
namespace {

QString lines(std::initializer_list<const char16_t *> lines)
{
    QStringList list;
    for (const char16_t *line : lines)
        list.append(QString::fromUtf16(line));
    return list.join(QStringLiteral("\r\n"));
}

// Each planner walked from its tool button to its work sheet.
class PlannerWalk : public PlannerWindow
{
protected:
    // Forward through the planner, typing the given answer on each screen that has one,
    // and checking on the way that every screen's texts fit their labels.
    void walk(const std::map<int, QString> &answers)
    {
        while (step(Forward)->isEnabled()) {
            expectTextsFit();
            const auto answer = answers.find(state().currentScreen);
            if (answer != answers.end())
                type(answer->second);
            press(Forward);
        }
    }

    void expectTextsFit() const
    {
        for (const char16_t *name : {u"Label1", u"Label2"}) {
            const auto *label = find<QLabel>(QString::fromUtf16(name));
            const QRect room = label->contentsRect();
            const QRect needed = label->fontMetrics().boundingRect(
                room.adjusted(0, 0, 0, 10000), Qt::TextWordWrap | Qt::AlignLeft, label->text());
            EXPECT_LE(needed.height(), room.height())
                << "screen " << state().currentScreen << " of " << state().toolName.toStdString();
            EXPECT_LE(needed.width(), room.width()) << "screen " << state().currentScreen;
        }
    }

    QString sheet() const { return window->answerText(); }
};

TEST_F(PlannerWalk, PresentationPlanner)
{
    start(Presentation);
    walk({{3, QStringLiteral("Launch of the Q3 range")},
          {4, QStringLiteral("Town hall, 3 March 10:00")},
          {5, QStringLiteral("Two pilot sites agreed")},
          {7, QStringLiteral("Ms Shah\nsigns the order")},
          {11, QStringLiteral("Cut costs by 30%")},
          {13, QStringLiteral("Pilots\nPricing")},
          {15, QStringLiteral("Book the pilots")},
          {16, QStringLiteral("Bring samples")}});
    EXPECT_EQ(sheet(),
              lines({u"", u"PRESENTATION - TITLE.", u"", u"Launch of the Q3 range", u"",
                     u"PRESENTATION - WHERE AND WHEN.", u"", u"Town hall, 3 March 10:00", u"",
                     u"WHAT IS THE PURPOSE OF THIS PRESENTATION?", u"", u"Two pilot sites agreed", u"",
                     u"BACKGROUND RESEARCH - KNOWING YOUR AUDIENCE?", u"", u"", u"",
                     u"KEY ATTENDEE.", u"", u"Ms Shah", u"signs the order", u"",
                     u"THE PRESENTATION.", u"", u"", u"",
                     u"STRONG OPENING.", u"", u"Cut costs by 30%", u"",
                     u"SUMMARY OF YOUR PRESENTATION.", u"", u"", u"",
                     u"PRESENTATION TOPICS.", u"", u"Pilots", u"Pricing", u"",
                     u"PRESENTATION CONCLUSION.", u"", u"", u"",
                     u"FUTURE ACTION.", u"", u"Book the pilots", u"",
                     u"GENERAL NOTES.", u"", u"Bring samples"}));
    EXPECT_EQ(title(), u"The Presentation Planner Summary");
}

TEST_F(PlannerWalk, MeetingPlanner)
{
    start(Meeting);
    walk({{2, QStringLiteral("Budget review")}, {3, QStringLiteral("Room 4, Monday 10:00")}, {7, QStringLiteral("Mr Okafor")},
          {10, QStringLiteral("Laptop\nFigures")}});
    EXPECT_EQ(sheet(),
              lines({u"", u"MEETING - NAME.", u"", u"Budget review", u"",
                     u"MEETING - WHERE AND WHEN.", u"", u"Room 4, Monday 10:00", u"",
                     u"WHAT IS THE PURPOSE OF THIS MEETING?", u"", u"", u"",
                     u"BACKGROUND RESEARCH.", u"", u"", u"",
                     u"SECOND KEY ATTENDEE.", u"", u"Mr Okafor", u"",
                     u"THE MEETING / AGENDA.", u"", u"", u"",
                     u"WHAT TO TAKE.", u"", u"Laptop", u"Figures", u"",
                     u"GENERAL NOTES.", u"", u""}));

    // Edits in the sheet are lost when it is composed again.
    QTest::keyClick(box(), Qt::Key_End, Qt::ControlModifier);
    type(QStringLiteral("edited"));
    const QString composed = sheet().chopped(6);
    press(Back);
    EXPECT_EQ(title(), u"General Notes.");
    press(Forward);
    press(Forward);
    EXPECT_EQ(sheet(), composed);
}

TEST_F(PlannerWalk, StrategyPlanner)
{
    start(Strategy);
    walk({{2, QStringLiteral("Win the Hanson account")}, {5, QStringLiteral("Ms Hanson")}, {6, QStringLiteral("Buyers")},
          {8, QStringLiteral("1. Call\n2. Visit")}, {9, QStringLiteral("Good: growth\nBad: risk")}});
    EXPECT_EQ(sheet(),
              lines({u"", u"TASK - NAME.", u"", u"Win the Hanson account", u"",
                     u"WHAT IS THE PURPOSE OF THIS TASK?", u"", u"", u"",
                     u"BACKGROUND RESEARCH.", u"", u"", u"",
                     u"KEY PLAYER.", u"", u"Ms Hanson", u"",
                     u"OTHER PLAYERS.", u"", u"Buyers", u"",
                     u"THE STRATEGY.", u"", u"", u"",
                     u"THE STRATEGY STEPS.", u"", u"1. Call", u"2. Visit", u"",
                     u"THE GOOD AND THE BAD.", u"", u"Good: growth", u"Bad: risk", u"",
                     u"GENERAL NOTES.", u"", u""}));
}

TEST_F(PlannerWalk, PhoneCallPlannerAfterAnotherPlanner)
{
    start(Meeting);
    walk({{2, QStringLiteral("Budget review")}, {6, QStringLiteral("Ms Shah")}});
    platform.answers = {platform::Yes};
    press(Finished);

    start(PhoneCall);
    walk({{2, QStringLiteral("Follow up the quote")}, {4, QStringLiteral("Agree a date")}, {6, QStringLiteral("Price?")}});
    EXPECT_EQ(sheet(),
              lines({u"", u"PHONE CALL - DESCRIPTION.", u"", u"Follow up the quote", u"",
                     u"WHAT IS THE PURPOSE OF THIS PHONE CALL?", u"", u"Agree a date", u"",
                     u"BACKGROUND RESEARCH.", u"", u"", u"",
                     u"LIKELY QUESTIONS.", u"", u"Price?", u"",
                     u"THE PHONE CALL.", u"", u"", u"",
                     u"GENERAL NOTES.", u"", u""}));
    EXPECT_EQ(state().workName, u"Follow up the quote");
    EXPECT_EQ(title(), u"The Phone Call Planner Summary");
}

} // namespace
// clang-format on
