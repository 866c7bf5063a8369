#include "VelkinWindow.h"

#include "Accessibility.h"

#include "AboutText.h"
#include "HelpViewer.h"

#include <QCoreApplication>
#include <QTextBlock>

namespace {

using AboutAndHelp = VelkinWindow;

TEST_F(AboutAndHelp, TheAboutWindowComesUpAfresh)
{
    int opened = 0;
    onModal([&](QDialog &about) {
        ++opened;
        EXPECT_EQ(about.windowTitle(), u"About Velkin");
        EXPECT_EQ(find<QLabel>(&about, "Label1")->text(),
                  typefinder::aboutText().replace(u"\r\n"_s, u"\n"_s));
        QTest::mouseClick(find<QPushButton>(&about, "Command1"), Qt::LeftButton);
        EXPECT_FALSE(about.isVisible());
    });
    click({"Command1_1"});
    click({"Command1_1"});
    EXPECT_EQ(opened, 2);
    EXPECT_EQ(platform.programEnds, 0);
}

TEST_F(AboutAndHelp, HelpOpensTheProgramsHelpFileAtItsContents)
{
    click({"Command1_2"});
    platform.folder = u"/media/stick/Velkin/"_s; // the path is joined as it stands
    click({"Command1_2"});
    EXPECT_EQ(
        platform.help,
        QStringList({u"/opt/orvanta/Velkin.hlp#1"_s, u"/media/stick/Velkin//Velkin.hlp#1"_s}));
    EXPECT_TRUE(platform.boxes.empty());
}

// A press through the accessibility interface returns before the box or window it opens.
TEST_F(AboutAndHelp, AssistivePressesReturnBeforeTheirWindowsOpen)
{
    int modals = 0;
    onModal([&](QDialog &dialog) {
        if (++modals == 3) { // the detailed test: print its results
            answerLetters(dialog, QString(24, u'E'));
            platform.answers = {platform::No};
            EXPECT_TRUE(pressReturnsAtOnce(find(&dialog, "Command3"),
                                           [&] { return platform.boxes.size() == 2; }));
        }
    });
    EXPECT_TRUE(pressReturnsAtOnce(find("Command1_1"), [&] { return modals == 1; })); // About
    EXPECT_TRUE(pressReturnsAtOnce(find("Command1_2"), [&] { return platform.help.size() == 1; }));
    click({"Option3", "Option5"});
    platform.answers = {platform::No};
    EXPECT_TRUE(pressReturnsAtOnce(find("Command3"), [&] { return platform.boxes.size() == 1; }));
    click({"Command2"});
    modals = 2;
    EXPECT_TRUE(pressReturnsAtOnce(find("Option8"), [&] { return modals == 3; }));
}

// A screen reader finds every control named, and reads the panels' whole text.
TEST_F(AboutAndHelp, EveryStateReadsWellToAScreenReader)
{
    EXPECT_EQ(accessibilityFaults(window.get()), QStringList());
    click({"Option2", "Option4", "Option5"});
    EXPECT_EQ(accessibilityFaults(window.get()), QStringList());
    auto *panel = find<QPlainTextEdit>("Label4");
    EXPECT_EQ(accessibleText(panel), panel->toPlainText());
    EXPECT_TRUE(accessibleText(panel).startsWith(u" MAIN TYPE:  'Friendly'  person."));
    click({"Command4"});
    EXPECT_EQ(accessibilityFaults(window.get()), QStringList());
    EXPECT_TRUE(accessibleText(panel).startsWith(u" Some ''Friendly''  type  personality  traits"));
    onModal([&](QDialog &dialog) {
        if (dialog.objectName() == u"frmAbout") {
            EXPECT_EQ(accessibilityFaults(&dialog), QStringList());
            return;
        }
        EXPECT_EQ(accessibilityFaults(&dialog), QStringList()); // the questions
        answerLetters(dialog, u"DDDDDDDDDDDDIIIIIIIIIIII");
        EXPECT_EQ(accessibilityFaults(&dialog), QStringList()); // the results
        EXPECT_EQ(find(&dialog, "Frame1_3")->accessibleName(), u"Details 12");
        click(&dialog, "Frame1_3");
        EXPECT_EQ(accessibilityFaults(&dialog), QStringList());
        auto *traits = find<QPlainTextEdit>(&dialog, "Label2");
        EXPECT_EQ(accessibleText(traits), traits->toPlainText());
    });
    click({"Command1_1", "Command2", "Option8"});
}

// The help file the build lays beside the programs, and the tests.
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
    for (QTextBlock block = viewer.document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QString link = it.fragment().charFormat().anchorHref();
            HelpViewer topic(shipped, nullptr);
            if (!link.isEmpty())
                Q_EMIT topic.anchorClicked(QUrl(link));
            if (!link.isEmpty())
                titles.append(topic.accessibleName());
        }
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
