#include "VelkinWindow.h"

#include "Description.h"
#include "QuickSelection.h"

using namespace typefinder;

namespace {

// Which type and wording each answer means is TypeFinderLogicTest's; here the
// options reach it and the window shows what it said.
using QuickSelection = VelkinWindow;

TEST_F(QuickSelection, StartsOnStepOneForACustomerAndFinishedEndsTheProgram)
{
    EXPECT_EQ(window->size(), QSize(593, 429)); // 8895 x 6435 twips
    EXPECT_EQ(selection(), u"Option1");
    EXPECT_EQ(showing(), StepsShown);
    EXPECT_EQ(frameTitle("Frame2"), audienceCaptions(Audience::Customer).step2Frame);
    EXPECT_TRUE(values.currentType.isEmpty());
    click({"Command1_0"});
    EXPECT_EQ(platform.programEnds, 1);
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(QuickSelection, TheAudienceSetsTheWordingOfEveryStep)
{
    for (const auto &[option, audience] : {std::pair{"Option7", Audience::Self},
                                           {"Option2", Audience::Associate},
                                           {"Option1", Audience::Customer}}) {
        click({option, "Option4"});
        const AudienceCaptions &captions = audienceCaptions(audience);
        EXPECT_EQ(frameTitle("Frame2"), captions.step2Frame);
        EXPECT_EQ(frameTitle("Frame3"), captions.step3Frame);
        EXPECT_EQ(caption("Option3"), captions.fast);
        EXPECT_EQ(caption("Option4"), captions.slow);
        EXPECT_EQ(caption("Option8"), captions.detailedTest);
        EXPECT_EQ(caption("Option5"), step3Captions(false, audience).first);
        click({"Option3"});
        EXPECT_EQ(caption("Option6"), step3Captions(true, audience).second);
    }
}

TEST_F(QuickSelection, EveryPathLeadsToItsDescriptionAndTraits)
{
    const std::pair<const char *, Audience> audiences[] = {
        {"Option1", Audience::Customer}, {"Option2", Audience::Associate}, {"Option7", Audience::Self}};
    for (const auto &[option, audience] : audiences) {
        for (const PersonalityType type : allTypes) {
            const QuickAnswers answers = quickAnswers(type);
            click({option, answers.fast ? "Option3" : "Option4",
                   answers.firstStep3Answer ? "Option5" : "Option6"});
            EXPECT_EQ(values.currentType, typeLetter(type));
            expectPanel(ComposeDescription(type, audience).section(u"\r\n"_s, 0, 0), {});
            click({"Command4"});
            expectPanel(u" Some ''", {});
            click({"Command2"});
        }
    }
    EXPECT_EQ(find("Label4")->accessibleName(), u"Details type traits");
}

// Every arrow moves between the answers of a step, as in any list of choices.
TEST_F(QuickSelection, EveryArrowMovesBetweenTheAnswersOfAStep)
{
    const auto arrow = [](Qt::Key key) {
        QTest::keyClick(QApplication::focusWidget(), key);
        return QApplication::focusWidget()->objectName();
    };
    EXPECT_EQ(arrow(Qt::Key_Down), u"Option2");
    EXPECT_EQ(arrow(Qt::Key_Right), u"Option7");
    EXPECT_EQ(arrow(Qt::Key_Up), u"Option2");
    EXPECT_EQ(arrow(Qt::Key_Left), u"Option1");
    find("Option3")->setFocus();
    EXPECT_EQ(arrow(Qt::Key_Down), u"Option4");
    EXPECT_EQ(arrow(Qt::Key_Up), u"Option3");
    click({"Option3"});
    find("Option5")->setFocus();
    EXPECT_EQ(arrow(Qt::Key_Down), u"Option6");
    EXPECT_EQ(arrow(Qt::Key_Up), u"Option5");
    EXPECT_EQ(selection(), u"Option1 Option3"); // a chosen answer moves with the arrows
}

TEST_F(QuickSelection, TheSameAnswerAgainOrANewAudience)
{
    click({"Option2", "Option3", "Option6", "Command4", "Command2"});
    EXPECT_EQ(showing(), u"Frame2 Frame3 Option5 Option6 Label5");
    EXPECT_EQ(selection(), u"Option2 Option3 Option6");
    EXPECT_FALSE(panel().isEmpty()); // the text stays until it is replaced

    click(window.get(), "Option6", Qt::RightButton); // any button repeats the answer
    expectPanel(u" MAIN TYPE:  'Enthusiastic'  person.", u"Enthusiastic type, a Work Associate");
    click({"Command2"});
    find(window.get(), "Option6")->setFocus(); // and so does the space bar
    QTest::keyClick(find(window.get(), "Option6"), Qt::Key_Space);
    expectPanel(u" MAIN TYPE:  'Enthusiastic'  person.", u"Enthusiastic type, a Work Associate");

    click({"Command2", "Option7"}); // a new audience empties the panel and starts again
    EXPECT_TRUE(panel().isEmpty());
    EXPECT_EQ(showing(), StepsShown);
    EXPECT_EQ(selection(), u"Option7");
}

// The keyboard alone chooses who and how, reads the description and traits, and runs the test.
TEST_F(QuickSelection, TheKeyboardAloneFindsATypeAndRunsTheTest)
{
    const auto key = [](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    };
    EXPECT_EQ(QApplication::focusWidget(), find("Option1")); // where a check starts
    key(Qt::Key_Right); // a Work Associate
    EXPECT_EQ(selection(), u"Option2");
    key(Qt::Key_Tab);
    key(Qt::Key_Space); // Step 2: the quick answer
    key(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), find("Option5"));
    key(Qt::Key_Space);
    expectPanel(u" MAIN TYPE:  'In Charge'  person.", u"In Charge type, a Work Associate");
    key(Qt::Key_Tab); // Clear, Print, Traits
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    key(Qt::Key_Space);
    QTRY_COMPARE(find<QPlainTextEdit>("Label4")->accessibleName(), u"In Charge type traits");
    EXPECT_EQ(QApplication::focusWidget(), find("Label4"));

    onModal([&](QDialog &test) {
        const QWidget *previous = nullptr; // each question's answers are new to a screen reader
        for (int q = 1; q <= 24; ++q) {
            EXPECT_EQ(test.focusWidget(), find(&test, "Command2_1")) << q;
            EXPECT_NE(test.focusWidget(), previous);
            previous = test.focusWidget();
            EXPECT_TRUE(test.focusWidget()->accessibleDescription().startsWith(
                QString::number(q) + u" of 24 questions"));
            QTest::keyClick(test.focusWidget(), Qt::Key_Space);
        }
        // Finished tells the counts; the bars are reached by Tab and read as type and count.
        EXPECT_EQ(test.focusWidget(), find(&test, "Command1"));
        EXPECT_EQ(test.focusWidget()->accessibleDescription(),
                  u"Results: In Charge 5, Enthusiastic 7, Friendly 7, Details 5");
        QWidget *bar = nullptr;
        for (int i = 0; i < 6 && !bar; ++i) {
            QTest::keyClick(test.focusWidget(), Qt::Key_Tab);
            if (test.focusWidget()->objectName().startsWith(u"Frame1_"))
                bar = test.focusWidget();
        }
        ASSERT_NE(bar, nullptr);
        QTest::keyClick(bar, Qt::Key_Space);
        EXPECT_EQ(test.focusWidget(), find(&test, "Label2"));
        QTest::keyClick(test.focusWidget(), Qt::Key_F, Qt::AltModifier);
    });
    key(Qt::Key_Tab); // from the panel to Clear, which goes back to the answer given
    key(Qt::Key_Space);
    EXPECT_EQ(QApplication::focusWidget(), find("Option5"));
    find("Option8")->setFocus();
    key(Qt::Key_Space);
    EXPECT_FALSE(values.testResult.isEmpty());
}

} // namespace
