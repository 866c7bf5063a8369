#include "VelkinWindow.h"

#include "QuickSelection.h"

namespace {

using SelfTestWindow = VelkinWindow;

// The answers reach the count, the bars stand where the count puts them, and
// the result selects its steps in the main window.
TEST_F(SelfTestWindow, ChartsTheCountsAndTheResultSelectsItsSteps)
{
    int opened = 0;
    click({"Option2"});
    runTest([&](QDialog &test) {
        ++opened;
        EXPECT_EQ(line(test),
                  u"1 of 24 questions - click the answer that best suits the person at WORK.");
        answerLetters(test, u"IIIIIIIIIIEEEEEEEEFFFFDD");
        EXPECT_FALSE(find(&test, "Label1")->isVisible() || find(&test, "Command2_1")->isVisible());
        EXPECT_TRUE(find(&test, "Frame2")->isVisible() && find(&test, "Command3")->isVisible());
        QStringList bars; // as "top+height caption", standing on 3800 twips
        for (const char *name : {"Frame1_0", "Frame1_1", "Frame1_2", "Frame1_3"}) {
            const auto *bar = find<QPushButton>(&test, name);
            bars << u"%1+%2 %3"_s.arg(bar->y()).arg(bar->height()).arg(bar->text());
        }
        EXPECT_EQ(bars, QStringList({u"40+213 10"_s, u"83+170 8"_s, u"168+85 4"_s, u"211+42 2"_s}));
    });
    EXPECT_EQ(opened, 1); // a press opens the test once
    EXPECT_EQ(selection(), u"Option2 Option3 Option5");
    expectPanel(u" MAIN TYPE:  'In Charge'  person.", u"In Charge type, a Work Associate");

    click({"Command2", "Option7"});
    runTest([&](QDialog &test) {
        EXPECT_EQ(line(test), u"1 of 24 questions - click the answer that best suits you at WORK.");
        answerLetters(test, u"FFFFFFFFFFFFDDDDD-------");
    });
    EXPECT_EQ(selection(), u"Option7 Option4 Option5");
    expectPanel(u" MAIN TYPE:  'Friendly'  person.", u"Friendly type, Yourself");
}

TEST_F(SelfTestWindow, ClosingHalfWayOrOnlyDontKnowGivesNoResult)
{
    click({"Option4"});
    runTest([&](QDialog &test) { answerLetters(test, u"IIIIIIIIII"); });
    const QString unchanged = u"Frame2 Frame3 Option5 Option6 Label5"_s; // as Step 2 left them
    EXPECT_TRUE(values.testResult.isEmpty());
    EXPECT_EQ(selection(), u"Option1 Option8");
    EXPECT_EQ(showing(), unchanged);

    // Pressing the selected option runs the test again, from question 1.
    runTest([&](QDialog &test) {
        EXPECT_EQ(find<QPushButton>(&test, "Command2_1")->text(), u"Likes facts and figures");
        answerLetters(test, QString(24, u'-'));
        EXPECT_FALSE(test.isVisible()); // it closed itself after the message
        EXPECT_TRUE(
            line(test).startsWith(u"24 of 24")); // never above 24, behind the message either
    });
    EXPECT_EQ(
        platform.boxes,
        (FakePlatform::Boxes{{u"Only 'Don't Know' answers were selected."_s, 48, u"Velkin"_s}}));
    EXPECT_EQ(selection(), u"Option1 Option8");
    EXPECT_EQ(showing(), unchanged);
}

TEST_F(SelfTestWindow, ABarShowsTheTraitsOfItsType)
{
    runTest([&](QDialog &test) {
        answerLetters(test, u"DDDDDDDDDIIIIIIIIIEEEFFF");
        const auto *traits = find<QPlainTextEdit>(&test, "Label2");
        for (const char *bar : {"Frame1_0", "Frame1_1", "Frame1_2", "Frame1_3"}) {
            click(&test, bar);
            EXPECT_TRUE(traits->isVisible() && find(&test, "Command4")->isVisible());
            EXPECT_FALSE(find(&test, "Frame1_0")->isVisible());
            EXPECT_EQ(test.focusWidget(), traits);
            EXPECT_LE(textHeight(traits), find(&test, "Command4")->y()) << bar; // above Clear
            click(&test, "Command4");
            EXPECT_FALSE(traits->isVisible());
            EXPECT_TRUE(find(&test, "Frame1_0")->isVisible());
        }
        EXPECT_EQ(values.currentType, u"D");
        EXPECT_TRUE(traits->toPlainText().startsWith(u"  Some ''Details''"));
        EXPECT_EQ(traits->accessibleName(), u"Details type traits");
    });
    EXPECT_EQ(values.testResult, u"I"); // a tie at 9 goes to In Charge
}

} // namespace
