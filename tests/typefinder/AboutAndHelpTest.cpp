#include "VelkinWindow.h"

#include "Accessibility.h"

#include "AboutText.h"
#include "HelpViewer.h"

#include <QCoreApplication>
#include <QTextBlock>

namespace {

using AboutAndHelp = VelkinWindow;

// Help opens the help file beside the program at its contents; the path is joined as it stands.
TEST_F(AboutAndHelp, HelpOpensTheProgramsHelpFileAtItsContents)
{
    click({"Command1_2"});
    platform.folder = u"/media/stick/Velkin/"_s;
    click({"Command1_2"});
    EXPECT_EQ(
        platform.help,
        QStringList({u"/opt/orvanta/Velkin.hlp#1"_s, u"/media/stick/Velkin//Velkin.hlp#1"_s}));
    EXPECT_TRUE(platform.boxes.empty());
}

// A screen reader finds every control named, reads the panels' whole text, and
// each press through its interface returns before what it opens.
TEST_F(AboutAndHelp, EveryStateReadsWellToAScreenReader)
{
    EXPECT_EQ(accessibilityFaults(window.get()), QStringList());
    QString about;
    onModal([&](QDialog &dialog) {
        EXPECT_EQ(accessibilityFaults(&dialog), QStringList()); // About, or the questions
        if (dialog.objectName() == u"frmAbout") {
            about = find<QLabel>(&dialog, "Label1")->text();
            return;
        }
        answerLetters(dialog, u"DDDDDDDDDDDDIIIIIIIIIIII");
        EXPECT_EQ(accessibilityFaults(&dialog), QStringList()); // the results
        EXPECT_EQ(find(&dialog, "Frame1_3")->accessibleName(), u"Details 12");
        platform.answers = {platform::No};
        EXPECT_TRUE(pressReturnsAtOnce(find(&dialog, "Command3"),
                                       [&] { return platform.boxes.size() == 1; }));
        click(&dialog, "Frame1_3");
        EXPECT_EQ(accessibilityFaults(&dialog), QStringList());
        auto *traits = find<QPlainTextEdit>(&dialog, "Label2");
        EXPECT_EQ(accessibleText(traits), traits->toPlainText());
    });
    EXPECT_TRUE(pressReturnsAtOnce(find("Command1_1"), [&] { return !about.isEmpty(); }));
    EXPECT_EQ(about, typefinder::aboutText().replace(u"\r\n"_s, u"\n"_s));
    EXPECT_TRUE(pressReturnsAtOnce(find("Command1_2"), [&] { return platform.help.size() == 1; }));
    EXPECT_TRUE(pressReturnsAtOnce(find("Option8"), [&] { return values.testResult == u"I"; }));
    click({"Command2", "Option2", "Option4", "Option5"});
    auto *panel = find<QPlainTextEdit>("Label4");
    EXPECT_EQ(accessibilityFaults(window.get()), QStringList());
    EXPECT_EQ(accessibleText(panel), panel->toPlainText());
    platform.answers = {platform::No};
    EXPECT_TRUE(pressReturnsAtOnce(find("Command3"), [&] { return platform.boxes.size() == 2; }));
    click({"Command4"});
    EXPECT_TRUE(accessibleText(panel).startsWith(u" Some ''Friendly''  type  personality  traits"));
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
