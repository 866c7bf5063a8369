#include "VelkinWindow.h"

#include "AboutText.h"
#include "Accessibility.h"
#include "Description.h"
#include "QuickSelection.h"

using namespace typefinder;

namespace {

// Which type and wording each answer means is TypeFinderLogicTest's; here the
// options reach it and the window shows what it said.
using QuickSelection = VelkinWindow;

TEST_F(QuickSelection, TheAudienceSetsTheWordingOfEveryStep)
{
    EXPECT_EQ(window->size(), QSize(593, 429)); // 8895 x 6435 twips
    EXPECT_EQ(selection(), u"Option1");
    EXPECT_EQ(showing(), StepsShown);
    for (const auto &[option, audience] : {std::pair{"Option1", Audience::Customer},
                                           {"Option7", Audience::Self},
                                           {"Option2", Audience::Associate}}) {
        click({option, "Option4"});
        const AudienceCaptions &captions = audienceCaptions(audience);
        EXPECT_EQ(frameTitle("Frame2") + frameTitle("Frame3"),
                  captions.step2Frame + captions.step3Frame);
        EXPECT_EQ(caption("Option3") + caption("Option4") + caption("Option8"),
                  captions.fast + captions.slow + captions.detailedTest);
        EXPECT_EQ(caption("Option5"), step3Captions(false, audience).first);
        click({"Option3"});
        EXPECT_EQ(caption("Option6"), step3Captions(true, audience).second);
    }
    click({"Command1_0"}); // Finished ends the program without a word
    EXPECT_EQ(platform.programEnds, 1);
    EXPECT_TRUE(platform.boxes.empty());
}

TEST_F(QuickSelection, EveryPathLeadsToItsDescriptionAndTraits)
{
    for (const auto &[option, audience] : {std::pair{"Option1", Audience::Customer},
                                           {"Option2", Audience::Associate},
                                           {"Option7", Audience::Self}}) {
        for (const PersonalityType type : allTypes) {
            const QuickAnswers answers = quickAnswers(type);
            click({option, answers.fast ? "Option3" : "Option4",
                   answers.firstStep3Answer ? "Option5" : "Option6"});
            EXPECT_EQ(values.currentType, typeLetter(type));
            expectPanel(ComposeDescription(type, audience).section(u"\r\n"_s, 0, 0));
            click({"Command4"});
            expectPanel(u" Some ''");
            click({"Command2"});
        }
    }
    EXPECT_EQ(find("Label4")->accessibleName(), u"Details type traits");
}

TEST_F(QuickSelection, TheSameAnswerAgainOrANewAudience)
{
    click({"Option2", "Option3", "Option6", "Command4", "Command2"});
    EXPECT_EQ(showing(), u"Frame2 Frame3 Option5 Option6 Label5");
    EXPECT_EQ(selection(), u"Option2 Option3 Option6");
    click(window.get(), "Option6", Qt::RightButton); // any button repeats the answer
    expectPanel(u" MAIN TYPE:  'Enthusiastic'  person.", u"Enthusiastic type, a Work Associate");
    click({"Command2"});
    find("Option6")->setFocus(); // and so does the space bar
    key(Qt::Key_Space);
    expectPanel(u" MAIN TYPE:  'Enthusiastic'  person.");
    click({"Command2", "Option7"}); // a new audience empties the panel and starts again
    EXPECT_TRUE(panel().isEmpty());
    EXPECT_EQ(showing(), StepsShown);
    EXPECT_EQ(selection(), u"Option7");
}

// The keyboard alone chooses who and how, by any arrow, reads the description and
// traits, and runs the test. A screen reader finds every control named and every
// panel's whole text, hears every question and result, and each press through its
// interface returns before what it opens.
TEST_F(QuickSelection, TheKeyboardAndAScreenReaderReachEverything)
{
    const auto arrows = [](std::initializer_list<Qt::Key> keys) { // where the focus goes
        QString path = focused();
        for (const Qt::Key arrow : keys) {
            key(arrow);
            path += u' ' + focused();
        }
        return path;
    };
    EXPECT_EQ(accessibilityFaults(window.get()), QStringList());
    EXPECT_EQ(arrows({Qt::Key_Down, Qt::Key_Right, Qt::Key_Up}),
              u"Option1 Option2 Option7 Option2"); // a Work Associate
    key(Qt::Key_Tab);
    EXPECT_EQ(arrows({Qt::Key_Down, Qt::Key_Up}), u"Option3 Option4 Option3"); // nothing chosen yet
    key(Qt::Key_Space); // Step 2: the quick answer
    key(Qt::Key_Tab);
    EXPECT_EQ(arrows({Qt::Key_Down, Qt::Key_Left}), u"Option5 Option6 Option5");
    EXPECT_EQ(selection(), u"Option2 Option3");
    key(Qt::Key_Space);
    expectPanel(u" MAIN TYPE:  'In Charge'  person.", u"In Charge type, a Work Associate");
    auto *panel = find<QPlainTextEdit>("Label4");
    EXPECT_EQ(accessibleText(panel), panel->toPlainText());
    EXPECT_EQ(accessibilityFaults(window.get()), QStringList());
    for (int i = 0; i < 3; ++i) // Clear, Print, Traits
        key(Qt::Key_Tab);
    key(Qt::Key_Space);
    QTRY_COMPARE(panel->accessibleName(), u"In Charge type traits");
    EXPECT_EQ(focused(), u"Label4");
    platform.answers = {platform::No, platform::No};
    EXPECT_TRUE(pressReturnsAtOnce(find("Command3"), [&] { return platform.boxes.size() == 1; }));

    QString about;
    onModal([&](QDialog &dialog) { // the window opened has the focus of its own
        EXPECT_EQ(accessibilityFaults(&dialog), QStringList()); // About, or the questions
        if (dialog.objectName() == u"frmAbout") {
            about = find<QLabel>(&dialog, "Label1")->text();
            return;
        }
        const auto press = [&](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
            QTest::keyClick(dialog.focusWidget(), key, modifiers);
            return dialog.focusWidget()->objectName();
        };
        const QWidget *previous = nullptr; // each question's answers are new to a screen reader
        for (int q = 1; q <= 24; ++q) {
            EXPECT_EQ(dialog.focusWidget(), find(&dialog, "Command2_1")) << q;
            EXPECT_NE(std::exchange(previous, dialog.focusWidget()), dialog.focusWidget());
            EXPECT_TRUE(
                previous->accessibleDescription().startsWith(QString::number(q) + u" of 24"));
            press(Qt::Key_Space);
        }
        EXPECT_EQ(accessibilityFaults(&dialog), QStringList()); // the results
        EXPECT_EQ(dialog.focusWidget()->accessibleDescription(), // Finished tells the counts
                  u"Results: In Charge 5, Enthusiastic 7, Friendly 7, Details 5");
        EXPECT_TRUE(pressReturnsAtOnce(find(&dialog, "Command3"),
                                       [&] { return platform.boxes.size() == 2; }));
        for (int i = 0; i < 6 && !press(Qt::Key_Tab).startsWith(u"Frame1_"); ++i) { } // to a bar
        EXPECT_EQ(press(Qt::Key_Space), u"Label2"); // its traits
        EXPECT_EQ(accessibleText(dialog.focusWidget()),
                  find<QPlainTextEdit>(&dialog, "Label2")->toPlainText());
        press(Qt::Key_F, Qt::AltModifier);
    });
    EXPECT_TRUE(pressReturnsAtOnce(find("Command1_1"), [&] { return !about.isEmpty(); }));
    EXPECT_EQ(about, typefinder::aboutText().replace(u"\r\n"_s, u"\n"_s));
    EXPECT_TRUE(pressReturnsAtOnce(find("Command1_2"), [&] { return platform.help.size() == 1; }));
    find("Label4")->setFocus();
    key(Qt::Key_Tab); // from the panel to Clear, which goes back to the answer given
    key(Qt::Key_Space);
    EXPECT_EQ(focused(), u"Option5");
    find("Option8")->setFocus();
    key(Qt::Key_Space);
    EXPECT_FALSE(values.testResult.isEmpty());
}

} // namespace
