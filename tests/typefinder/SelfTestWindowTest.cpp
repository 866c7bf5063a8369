#include "VelkinWindow.h"

#include "Description.h"
#include "TraitList.h"
#include "Twips.h"

#include <QPushButton>

using namespace typefinder;

namespace {

class SelfTestWindow : public VelkinWindow
{
protected:
    // Answers question after question with the trait of each letter in turn ("-" for Don't Know).
    void answerLetters(QDialog &test, QStringView letters) const
    {
        for (int q = 0; q < letters.size(); ++q) {
            int choice = 0;
            for (int i = 1; i <= 4; ++i) {
                if (values.traitTable.row(int16_t(q * 4 + i)).typeLetter == letters[q])
                    choice = i;
            }
            const QByteArray name = "Command2_" + QByteArray::number(choice);
            click(&test, name.constData());
        }
    }

    static QString line(const QDialog &test) { return find<QLabel>(&test, "Label1")->text(); }
};

TEST_F(SelfTestWindow, ChartsTheCountsAndShowsTheWinner)
{
    int opened = 0;
    runTest([&](QDialog &test) {
        ++opened;
        EXPECT_EQ(test.windowTitle(), u"Velkin - Personality Tester");
        EXPECT_EQ(line(test),
                  u"1 of 24 questions - click the answer that best suits the person at WORK.");
        EXPECT_EQ(find<QPushButton>(&test, "Command2_1")->text(), u"Likes facts and figures");
        EXPECT_EQ(find<QPushButton>(&test, "Command2_0")->text(), u"Don't Know");
        EXPECT_FALSE(find(&test, "Frame2")->isVisible());

        answerLetters(test, u"IIIIIIIIIIEEEEEEEEFFFFDD");
        EXPECT_EQ(line(test),
                  u"25 of 24 questions - click the button that best suits the person at WORK.");
        EXPECT_FALSE(find(&test, "Label1")->isVisible()); // never seen above 24
        EXPECT_FALSE(find(&test, "Command2_1")->isVisible());
        EXPECT_TRUE(find(&test, "Frame2")->isVisible());
        EXPECT_TRUE(find(&test, "Command3")->isVisible());
        EXPECT_EQ(test.focusWidget(), find(&test, "Command1"));
        EXPECT_EQ(values.testResult, u"I");

        const int tops[] = {600, 1240, 2520, 3160};
        const char16_t *captions[] = {u"10", u"8", u"4", u"2"};
        for (int b = 0; b < 4; ++b) {
            const auto *bar =
                find<QPushButton>(&test, QByteArray("Frame1_" + QByteArray::number(b)).constData());
            EXPECT_EQ(bar->geometry().top(), platform::pixels(tops[b]));
            EXPECT_EQ(bar->geometry().bottom() + 1,
                      platform::pixels(tops[b]) + platform::pixels(3800 - tops[b]));
            EXPECT_EQ(bar->text(), QStringView(captions[b]));
        }
        click(&test, "Command1");
    });
    EXPECT_EQ(opened, 1); // a press opens the test once
    EXPECT_TRUE(selected("Option3"));
    EXPECT_TRUE(selected("Option5"));
    EXPECT_EQ(values.currentType, u"I");
    EXPECT_EQ(panel(),
              ComposeDescription(PersonalityType::InCharge, Audience::Customer)
                  .replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

TEST_F(SelfTestWindow, EachResultSelectsItsSteps)
{
    const struct
    {
        const char16_t *answers;
        const char *step2;
        const char *step3;
        PersonalityType type;
    } results[] = {
        {u"EEEEEEEEEEEE------------", "Option3", "Option6", PersonalityType::Enthusiastic},
        {u"FFFFFFFFFFFFDDDDD-------", "Option4", "Option5", PersonalityType::Friendly},
        {u"DDDDDDDIIIIII", "Option4", "Option6", PersonalityType::Details},
        {u"EEEEEE------FFFFFFDDDDDD", "Option3", "Option6", PersonalityType::Enthusiastic}};
    click("Option2");
    for (const auto &r : results) {
        runTest([&](QDialog &test) {
            QString answers = QString::fromUtf16(r.answers);
            answers = answers.leftJustified(24, u'-');
            answerLetters(test, answers);
            click(&test, "Command1");
        });
        EXPECT_TRUE(selected(r.step2));
        EXPECT_TRUE(selected(r.step3));
        EXPECT_EQ(panel(),
                  ComposeDescription(r.type, Audience::Associate)
                      .replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
        click("Command2");
    }
}

TEST_F(SelfTestWindow, OnlyDontKnowGivesNoResult)
{
    click("Option4");
    runTest([&](QDialog &test) {
        answerAll(test, {0});
        EXPECT_FALSE(test.isVisible()); // it closed itself after the message
    });
    ASSERT_EQ(platform.boxes.size(), 1u);
    EXPECT_EQ(platform.boxes[0].text, u"Only 'Don't Know' answers were selected.");
    EXPECT_EQ(platform.boxes[0].flags, 48);
    EXPECT_EQ(platform.boxes[0].title, u"Velkin");
    EXPECT_TRUE(values.testResult.isEmpty());
    EXPECT_TRUE(selected("Option8"));
    EXPECT_FALSE(selected("Option5"));
    EXPECT_TRUE(shown("Option5")); // as the Step 2 answer before the test left it
    EXPECT_TRUE(shown("Frame2"));
    EXPECT_FALSE(shown("Label4"));
}

TEST_F(SelfTestWindow, ClosingHalfWayLeavesNoResultAndTheNextTestStartsAfresh)
{
    runTest([&](QDialog &test) {
        answerLetters(test, u"IIIIIIIIII");
        click(&test, "Command1");
    });
    EXPECT_TRUE(values.testResult.isEmpty());
    EXPECT_TRUE(selected("Option8"));
    EXPECT_TRUE(shown("Frame3"));

    // Pressing the selected option runs the test again, from question 1 with nothing counted.
    runTest([&](QDialog &test) {
        EXPECT_EQ(line(test),
                  u"1 of 24 questions - click the answer that best suits the person at WORK.");
        answerAll(test, {0});
    });
    EXPECT_EQ(platform.boxes.size(), 1u);
}

TEST_F(SelfTestWindow, SpeaksToTheUserWhenTestingYourself)
{
    click("Option7");
    runTest([&](QDialog &test) {
        EXPECT_EQ(line(test), u"1 of 24 questions - click the answer that best suits you at WORK.");
        click(&test, "Command2_2");
        EXPECT_EQ(line(test), u"2 of 24 questions - click the answer that best suits you at WORK.");
        EXPECT_EQ(find<QPushButton>(&test, "Command2_1")->text(), u"Likes to Talk");
        EXPECT_EQ(test.focusWidget(), find(&test, "Command2_1"));
        click(&test, "Command1");
    });
    click("Option1");
    runTest([&](QDialog &test) {
        click(&test, "Command2_0");
        EXPECT_EQ(line(test),
                  u"2 of 24 questions - click the button that best suits the person at WORK.");
        click(&test, "Command1");
    });
}

TEST_F(SelfTestWindow, ABarShowsTheTraitsOfItsType)
{
    runTest([&](QDialog &test) {
        answerLetters(test, u"DDDDDDDDDDDDIIIIIIIIIIII");
        click(&test, "Frame1_3");
        EXPECT_EQ(values.currentType, u"D");
        auto *traits = find<QLabel>(&test, "Label2");
        EXPECT_TRUE(traits->isVisible());
        EXPECT_TRUE(find(&test, "Command4")->isVisible());
        EXPECT_FALSE(find(&test, "Frame1_0")->isVisible());
        EXPECT_EQ(traits->text(),
                  ComposeTraitList(values.traitTable, QStringLiteral("D"), TraitLayout::TestWindow)
                      .replace(QStringLiteral("\r\n"), QStringLiteral("\n")));

        // Every type's list fits above the Clear button.
        for (const char *bar : {"Frame1_0", "Frame1_1", "Frame1_2", "Frame1_3"}) {
            click(&test, "Command4");
            click(&test, bar);
            const QRect needed = traits->fontMetrics().boundingRect(
                QRect(0, 0, traits->width(), 10000), Qt::TextWordWrap, traits->text());
            EXPECT_LE(needed.height(), find(&test, "Command4")->y()) << bar;
        }

        click(&test, "Command4");
        EXPECT_FALSE(traits->isVisible());
        EXPECT_TRUE(find(&test, "Frame1_0")->isVisible());
        click(&test, "Command1");
    });
    EXPECT_EQ(values.testResult, u"I"); // a tie at 12 goes to In Charge
}

} // namespace
