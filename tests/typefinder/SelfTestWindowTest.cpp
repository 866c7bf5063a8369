#include "VelkinWindow.h"

namespace {

// The answers reach the count, the bars stand where the count puts them, a bar
// shows its type's traits, and the result selects its steps in the main window.
TEST_F(VelkinWindow, TheTestChartsTheCountsAndItsResultSelectsItsSteps)
{
    click({"Option2"});
    int opened = 0;
    runTest([&](QDialog &test) {
        ++opened;
        EXPECT_EQ(line(test),
                  u"1 of 24 questions - click the answer that best suits the person at WORK.");
        answerLetters(test, u"IIIIIIIIIIEEEEEEEEFFFFDD");
        EXPECT_EQ(shown(&test, {"Label1", "Command2_1", "Frame2", "Command3"}), u"Frame2 Command3");
        QStringList bars; // as "top+height caption", standing on 3800 twips
        for (const char *name : {"Frame1_0", "Frame1_1", "Frame1_2", "Frame1_3"}) {
            const auto *bar = find<QPushButton>(&test, name);
            bars << u"%1+%2 %3"_s.arg(bar->y()).arg(bar->height()).arg(bar->text());
            click(&test, name);
            EXPECT_EQ(shown(&test, {"Label2", "Command4", "Frame1_0"}), u"Label2 Command4");
            EXPECT_LE(textHeight(find<QPlainTextEdit>(&test, "Label2")),
                      find(&test, "Command4")->y());
            click(&test, "Command4");
        }
        EXPECT_EQ(bars.join(u", "), u"40+213 10, 83+170 8, 168+85 4, 211+42 2");
        EXPECT_EQ(values.currentType, u"D"); // the last bar's
        EXPECT_TRUE(
            find<QPlainTextEdit>(&test, "Label2")->toPlainText().startsWith(u"  Some ''Details''"));
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
}

TEST_F(VelkinWindow, ClosingTheTestHalfWayOrOnlyDontKnowGivesNoResult)
{
    click({"Option4"});
    runTest([&](QDialog &test) { answerLetters(test, u"IIIIIIIIII"); });
    EXPECT_EQ(selection() + u'|' + showing(),
              u"Option1 Option8|Frame2 Frame3 Option5 Option6 Label5");
    runTest([&](QDialog &test) { // again, from question 1
        EXPECT_EQ(find<QPushButton>(&test, "Command2_1")->text(), u"Likes facts and figures");
        answerLetters(test, QString(24, u'-'));
        EXPECT_FALSE(test.isVisible()); // it closed itself after the message
        EXPECT_TRUE(
            line(test).startsWith(u"24 of 24")); // never above 24, behind the message either
    });
    EXPECT_EQ(
        platform.boxes,
        FakePlatform::Boxes(1, {u"Only 'Don't Know' answers were selected."_s, 48, u"Velkin"_s}));
    EXPECT_EQ(selection() + u'|' + showing(),
              u"Option1 Option8|Frame2 Frame3 Option5 Option6 Label5");
}

} // namespace
