#include "VelkinWindow.h"

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
