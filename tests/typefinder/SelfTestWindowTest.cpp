#include "VelkinWindow.h"

namespace {

using SelfTestWindow = VelkinWindow;

TEST_F(SelfTestWindow, ChartsTheCountsAndEachResultSelectsItsSteps)
{
    int opened = 0;
    runTest([&](QDialog &test) {
        ++opened;
        EXPECT_EQ(line(test), FirstLine);
        EXPECT_EQ(find<QPushButton>(&test, "Command2_1")->text(), u"Likes facts and figures");
        EXPECT_FALSE(find(&test, "Frame2")->isVisible());

        answerLetters(test, u"IIIIIIIIIIEEEEEEEEFFFFDD");
        EXPECT_EQ(line(test),
                  u"24 of 24 questions - click the button that best suits the person at WORK.");
        EXPECT_FALSE(find(&test, "Label1")->isVisible());
        EXPECT_FALSE(find(&test, "Command2_1")->isVisible());
        EXPECT_TRUE(find(&test, "Frame2")->isVisible() && find(&test, "Command3")->isVisible());
        EXPECT_EQ(test.focusWidget(), find(&test, "Command1"));
        EXPECT_EQ(values.testResult, u"I");
        QStringList bars; // as "top+height caption", standing on 3800 twips
        for (const char *name : {"Frame1_0", "Frame1_1", "Frame1_2", "Frame1_3"}) {
            const auto *bar = find<QPushButton>(&test, name);
            bars << u"%1+%2 %3"_s.arg(bar->y()).arg(bar->height()).arg(bar->text());
        }
        EXPECT_EQ(bars, QStringList({u"40+213 10"_s, u"83+170 8"_s, u"168+85 4"_s, u"211+42 2"_s}));
        click(&test, "Command1");
    });
    EXPECT_EQ(opened, 1); // a press opens the test once
    EXPECT_EQ(selection(), u"Option1 Option3 Option5");
    EXPECT_EQ(values.currentType, u"I");
    expectPanel(u" MAIN TYPE:  'In Charge'  person.", u"In Charge type, a Customer");

    // The other results select their steps too, here for an associate.
    const std::tuple<const char16_t *, const char16_t *, const char16_t *> results[] = {
        {u"EEEEEEEEEEEE------------", u"Option2 Option3 Option6", u"Enthusiastic"},
        {u"FFFFFFFFFFFFDDDDD-------", u"Option2 Option4 Option5", u"Friendly"},
        {u"DDDDDDDIIIIII-----------", u"Option2 Option4 Option6", u"Details"}};
    click({"Option2"});
    for (const auto &[answers, options, type] : results) {
        runTest([&, answers = answers](QDialog &test) {
            answerLetters(test, answers);
            click(&test, "Command1");
        });
        EXPECT_EQ(selection(), QStringView(options));
        const QString name = QString::fromUtf16(type);
        expectPanel(QString(u" MAIN TYPE:  '" + name + u"'  person."),
                    QString(name + u" type, a Work Associate"));
        click({"Command2"});
    }
}

TEST_F(SelfTestWindow, ClosingHalfWayOrOnlyDontKnowGivesNoResult)
{
    click({"Option4"});
    runTest([&](QDialog &test) {
        answerLetters(test, u"IIIIIIIIII");
        click(&test, "Command1");
    });
    const QString unchanged = u"Frame2 Frame3 Option5 Option6 Label5"_s; // as Step 2 left them
    EXPECT_TRUE(values.testResult.isEmpty());
    EXPECT_EQ(selection(), u"Option1 Option8");
    EXPECT_EQ(showing(), unchanged);

    // Pressing the selected option runs the test again, from question 1 with nothing counted.
    runTest([&](QDialog &test) {
        EXPECT_EQ(line(test), FirstLine);
        answerLetters(test, Dunno);
        EXPECT_FALSE(test.isVisible()); // it closed itself after the message
        EXPECT_TRUE(line(test).startsWith(
            u"24 of 24")); // never a number above 24, behind the message either
    });
    const FakePlatform::Box message{u"Only 'Don't Know' answers were selected."_s, 48, u"Velkin"_s};
    EXPECT_EQ(platform.boxes, FakePlatform::Boxes{message});
    EXPECT_TRUE(values.testResult.isEmpty());
    EXPECT_EQ(selection(), u"Option1 Option8");
    EXPECT_EQ(showing(), unchanged);
}

TEST_F(SelfTestWindow, ABarShowsTheTraitsOfItsType)
{
    runTest([&](QDialog &test) {
        answerLetters(test, u"DDDDDDDDDDDDIIIIIIIIIIII");
        click(&test, "Frame1_3");
        EXPECT_EQ(values.currentType, u"D");
        const auto *traits = find<QPlainTextEdit>(&test, "Label2");
        EXPECT_TRUE(traits->isVisible() && find(&test, "Command4")->isVisible());
        EXPECT_FALSE(find(&test, "Frame1_0")->isVisible());
        EXPECT_TRUE(
            traits->toPlainText().startsWith(u"  Some ''Details''  type  personality  traits\n"));
        EXPECT_EQ(traits->accessibleName(), u"Details type traits");
        EXPECT_EQ(test.focusWidget(), traits);

        for (const char *bar : {"Frame1_0", "Frame1_1", "Frame1_2", "Frame1_3"}) {
            click(&test, "Command4");
            click(&test, bar);
            EXPECT_LE(textHeight(traits), find(&test, "Command4")->y()) << bar; // above Clear
        }
        click(&test, "Command4");
        EXPECT_FALSE(traits->isVisible());
        EXPECT_TRUE(find(&test, "Frame1_0")->isVisible());
        click(&test, "Command1");
    });
    EXPECT_EQ(values.testResult, u"I"); // a tie at 12 goes to In Charge
}

} // namespace
