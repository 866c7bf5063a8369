#include "VelkinWindow.h"

using namespace typefinder;

namespace {

using QuickSelection = VelkinWindow;

TEST_F(QuickSelection, StartsOnStepOneForACustomerAndFinishedEndsTheProgram)
{
    EXPECT_EQ(window->windowTitle(), u"Velkin");
    EXPECT_EQ(window->size(), QSize(593, 429)); // 8895 x 6435 twips
    EXPECT_EQ(selection(), u"Option1");
    EXPECT_EQ(showing(), StepsShown);
    EXPECT_EQ(frameTitle("Frame1"), u"Step 1 - Who do you wish to check");
    EXPECT_EQ(frameTitle("Frame2"), u"Step 2 - Which best describes the customer");
    EXPECT_EQ(frameTitle("Frame3"), u"Step 3 - Which best describes the customer");
    EXPECT_EQ(caption("Option8"), u"You would like to do a detailed test on this person.");
    EXPECT_EQ(find<QLabel>("Label5")->text(), u"Quillan");
    EXPECT_TRUE(values.currentType.isEmpty());
    click({"Command1_0"});
    EXPECT_EQ(platform.programEnds, 1);
    EXPECT_TRUE(platform.boxes.empty());
}

// Expected texts keep one caption to a line of code.
// clang-format off
TEST_F(QuickSelection, TheAudienceSetsTheWording)
{
    click({"Option7", "Option3"});
    EXPECT_EQ(frameTitle("Frame2"), u"Step 2 - Which best describes you");
    EXPECT_EQ(frameTitle("Frame3"), u"Step 3 - Which best describes you");
    EXPECT_EQ(caption("Option3"), u"Do you move and act quickly? Are you direct, assertive and confident? Do you accept change and 'tell' more than 'ask'?");
    EXPECT_EQ(caption("Option8"), u"You would like to do a detailed test on yourself.");
    EXPECT_EQ(caption("Option5"), u"Are you forceful, no nonsense, cooler and formal. Do you want results and not excuses?");
    EXPECT_EQ(caption("Option6"), u"Are you open, friendly, animated and enhusiastic?");

    const QString details = u"Are they cooler, organised and disciplined? Do they pay attention to detail?"_s;
    click({"Option2"});
    EXPECT_EQ(frameTitle("Frame2"), u"Step 2 - Which best describes the associate");
    EXPECT_EQ(caption("Option3"), u"Do they move and act quickly? Are they direct and confident?  Do they accept change and 'tell' more than 'ask'?");
    EXPECT_EQ(caption("Option4"), u"Are their actions slow and steady? Are they are reserved, not assertive and sensitive? Do they 'ask' more than 'tell'?");
    click({"Option4"});
    EXPECT_EQ(caption("Option5"), u"Are they warm, relaxed and friendly? Do they like stability and get along with others?");
    EXPECT_EQ(caption("Option6"), details);

    click({"Option1", "Option4"}); // the customer's Step 3 is the associate's
    EXPECT_EQ(caption("Option4"), u"Are their actions slow and steady? Are they are reserved, sensitive, not assertive and tend to 'ask' more than 'tell'?");
    EXPECT_EQ(caption("Option6"), details);

    click({"Option7"}); // the detailed test speaks to the user
    runTest([&](QDialog &test) {
        EXPECT_EQ(line(test), u"1 of 24 questions - click the answer that best suits you at WORK.");
        click(&test, "Command2_2");
        EXPECT_EQ(find<QPushButton>(&test, "Command2_1")->text(), u"Likes to Talk"); // question 2
        click(&test, "Command1");
    });
}
// clang-format on

// Expected texts keep one path to a line of code.
// clang-format off
TEST_F(QuickSelection, EveryPathLeadsToItsDescription)
{
    const std::tuple<const char *, const char *, const char16_t *, const char16_t *, const char16_t *> paths[] = {
        {"Option3", "Option5", u"I", u" MAIN TYPE:  'In Charge'  person.", u"In Charge"},
        {"Option3", "Option6", u"E", u" MAIN TYPE:  'Enthusiastic'  person.", u"Enthusiastic"},
        {"Option4", "Option5", u"F", u" MAIN TYPE:  'Friendly'  person.", u"Friendly"},
        {"Option4", "Option6", u"D", u" MAIN TYPE:  'Details'  person.", u"Details"}};
    const std::pair<const char *, const char16_t *> audiences[] = {
        {"Option1", u"a Customer"}, {"Option2", u"a Work Associate"}, {"Option7", u"Yourself"}};
    const char16_t *traitLists[] = {u" Some ''InCharge''  type  personality  traits",
                                    u" Some ''Enthusiastic''  type  personality  traits",
                                    u" Some ''Friendly''  type  personality  traits",
                                    u" Some ''Details''  type  personality  traits"};
    for (const auto &[option, audience] : audiences) {
        int t = 0;
        for (const auto &[step2, step3, letter, heading, type] : paths) {
            SCOPED_TRACE(std::string(option) + step2 + step3);
            click({option, step2, step3});
            EXPECT_EQ(values.currentType, QStringView(letter));
            expectPanel(heading, QString(QStringView(type) + u" type, " + QStringView(audience)));
            click({"Command4"});
            expectPanel(traitLists[t++], QString(QStringView(type) + u" type traits"));
            click({"Command2"});
        }
    }
}
// clang-format on

TEST_F(QuickSelection, TraitsClearTheSameAnswerAgainAndANewAudience)
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
    click({"Option3", "Option5"});
    expectPanel(u" MAIN TYPE:  'In Charge'  person.", u"In Charge type, Yourself");
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
    key(Qt::Key_Space); // Step 2: fast
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

    platform.onModal = [&](QDialog &test) {
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
    };
    key(Qt::Key_Tab); // from the panel to Clear, which goes back to the answer given
    key(Qt::Key_Space);
    EXPECT_EQ(QApplication::focusWidget(), find("Option5"));
    find("Option8")->setFocus();
    key(Qt::Key_Space);
    EXPECT_FALSE(values.testResult.isEmpty());
}

} // namespace
