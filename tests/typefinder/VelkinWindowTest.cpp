#include "VelkinWindow.h"

#include "AboutText.h"
#include "Accessibility.h"
#include "Description.h"
#include "HelpViewer.h"
#include "QuickSelection.h"

#include <QRegularExpression>

using namespace typefinder;

namespace {

// Which type and wording each answer means is TypeFinderLogicTest's; here the
// options reach it and the window shows what it said.
using QuickSelection = VelkinWindow;

// Each audience's wording in Steps 2 and 3, each pair of answers, by any mouse button, its
// type's description and traits; a new audience starts afresh. Clear keeps the answers and
// goes back to the one given, which the space bar or a click gives again.
TEST_F(QuickSelection, EachPathShowsItsDescriptionAndTraitsInTheAudiencesWording)
{
    EXPECT_EQ(window->size(), QSize(593, 429)); // 8895 x 6435 twips
    EXPECT_EQ(selection() + u'|' + showing(), u"Option1|Frame2 Frame3 Label5");
    for (const auto &[option, audience] : {std::pair{"Option7", Audience::Self},
                                           {"Option2", Audience::Associate},
                                           {"Option1", Audience::Customer}}) {
        click({option});
        EXPECT_EQ(selection() + u'|' + showing() + panel(),
                  QLatin1String(option) + u"|Frame2 Frame3 Label5");
        const AudienceCaptions &captions = audienceCaptions(audience);
        EXPECT_EQ(frameTitle("Frame2") + frameTitle("Frame3") + caption("Option3")
                      + caption("Option4") + caption("Option8"),
                  captions.step2Frame + captions.step3Frame + captions.fast + captions.slow
                      + captions.detailedTest);
        for (const PersonalityType type : allTypes) {
            const QuickAnswers answers = quickAnswers(type);
            click({answers.fast ? "Option3" : "Option4"});
            const Step3Captions questions = step3Captions(answers.fast, audience);
            EXPECT_EQ(caption("Option5") + caption("Option6"), questions.first + questions.second);
            click(window.get(), answers.firstStep3Answer ? "Option5" : "Option6", Qt::RightButton);
            EXPECT_EQ(values.currentType, typeLetter(type));
            expectPanel(ComposeDescription(type, audience).section(u"\r\n"_s, 0, 0));
            click({"Command4"});
            expectPanel(u" Some ''");
            click({"Command2"});
        }
    }
    EXPECT_EQ(showing(), u"Frame2 Frame3 Option5 Option6 Label5");
    key(Qt::Key_Space);
    expectPanel(u" MAIN TYPE:  'Details'  person.", u"Details type, a Customer");
    click({"Command2", "Option6"});
    expectPanel(u" MAIN TYPE:  'Details'  person.");
    platform.folder = u"/media/stick/Velkin/"_s; // Help's file lies beside the program
    click({"Command1_2", "Command1_0"}); // Finished ends the program without a word
    EXPECT_EQ(platform.help, QStringList{u"/media/stick/Velkin//Velkin.hlp#1"_s});
    EXPECT_EQ(platform.programEnds, 1);
    EXPECT_TRUE(platform.boxes.empty());
}

// The keyboard alone chooses who and how, by any arrow, reads the description and
// traits, and runs the test. A screen reader finds every control named and every
// panel's whole text, hears every question and result, and each press through its
// interface returns before what it opens.
TEST_F(QuickSelection, TheKeyboardAndAScreenReaderReachEverything)
{
    EXPECT_EQ(accessibilityFaults(window.get()), QStringList());
    // Arrows move within a step, choosing in Step 1 (a Work Associate) but not in Step 3,
    // where Space chooses; Tab goes on to the next step, and from the panel to its buttons.
    QString path = focused();
    for (const Qt::Key next : {Qt::Key_Down, Qt::Key_Right, Qt::Key_Up, Qt::Key_Tab, Qt::Key_Down,
                               Qt::Key_Up, Qt::Key_Space, Qt::Key_Tab, Qt::Key_Down, Qt::Key_Left,
                               Qt::Key_Space, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab}) {
        key(next);
        path += u' ' + focused();
    }
    EXPECT_EQ(path,
              u"Option1 Option2 Option7 Option2 Option3 Option4 Option3 Option3 Option5 Option6 "
              u"Option5 Label4 Command2 Command3 Command4");
    EXPECT_EQ(find("Label4")->accessibleName() + u'|' + accessibleText(find("Label4")),
              u"In Charge type, a Work Associate|" + panel());
    EXPECT_EQ(accessibilityFaults(window.get()), QStringList());
    key(Qt::Key_Space);
    expectPanel(u" Some ''InCharge''", u"In Charge type traits");
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
    key(Qt::Key_Tab); // Clear
    key(Qt::Key_Space);
    find("Option8")->setFocus();
    key(Qt::Key_Space);
    EXPECT_FALSE(values.testResult.isEmpty());
}

// The help file the build lays beside the programs: each link of its contents
// leads to a topic of its own, which a screen reader hears by name when the
// link is followed from the keyboard.
TEST(HelpViewer, EachLinkLeadsToATopicOfItsOwnHeardByName)
{
    const QString shipped = QCoreApplication::applicationDirPath() + u"/Velkin.hlp";
    HelpViewer viewer(shipped, nullptr);
    viewer.showTopic(1);
    const QString contents = viewer.accessibleName();
    EXPECT_EQ(contents, viewer.toPlainText().section(u'\n', 0, 0));
    QStringList titles;
    static const QRegularExpression link(u"<a href=\"([^\"]+)\""_s);
    for (const QRegularExpressionMatch &m : link.globalMatch(viewer.toHtml())) {
        HelpViewer topic(shipped, nullptr);
        Q_EMIT topic.anchorClicked(QUrl(m.captured(1)));
        titles.append(topic.accessibleName());
    }
    EXPECT_GE(titles.size(), 5);
    EXPECT_EQ(titles.removeDuplicates(), 0) << titles.join(u", ").toStdString();
    EXPECT_FALSE(titles.contains(contents));

    viewer.show();
    viewer.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&viewer));
    QTest::keyClick(&viewer, Qt::Key_Tab); // to the first link
    QTest::keyClick(&viewer, Qt::Key_Return);
    EXPECT_EQ(viewer.accessibleName(), titles.value(0));
    EXPECT_TRUE(viewer.hasFocus());

    HelpViewer missing(u"/nowhere/Velkin.hlp"_s, nullptr);
    missing.showTopic(1);
    EXPECT_EQ(missing.toPlainText(), u"The help file /nowhere/Velkin.hlp could not be read.");
}

} // namespace
