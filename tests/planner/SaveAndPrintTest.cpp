#include "PlannerWindow.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

// Saving and printing the work sheet: files go into a folder of the test's own. How
// files are named and written is WorkSheetFileTest's; printing for real, QtTextPrinterTest's.
class Saving : public PlannerWindow
{
protected:
    void SetUp() override
    {
        PlannerWindow::SetUp();
        ASSERT_TRUE(folder.isValid());
        platform.folder = folder.path();
    }

    void save(int answer)
    {
        platform.answers = {answer};
        click(find(u"Command3"_s));
    }

    QTemporaryDir folder;
};

TEST_F(Saving, TheSheetAsShownGoesIntoDocs)
{
    start(Meeting);
    walkToSheet({{2, u"Q3/Q4 Sales plan for the northern region"_s}, {3, u"Room 4"_s}});
    QTest::keyClick(box(), Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(box(), Qt::Key_Return);
    type(u"Added in the sheet"_s);

    const QString path = folder.path() + u"/Docs/Q3Q4 Sales plan for.doc";
    save(platform::No);
    EXPECT_FALSE(QFile::exists(path));
    save(platform::Yes);
    ASSERT_EQ(platform.boxes.size(), 2u) << "no message after a good save";
    EXPECT_EQ(platform.boxes[1].text,
              u"Do you wish to store a copy of this Work Sheet on disk? (" + path + u')');
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(
        file.readAll(),
        "\r\nMEETING - NAME.\r\n\r\nQ3/Q4 Sales plan for the northern region\r\n\r\n"
        "MEETING - WHERE AND WHEN.\r\n\r\nRoom 4\r\n\r\nWHAT IS THE PURPOSE OF THIS MEETING?"
        "\r\n\r\n\r\n\r\nBACKGROUND RESEARCH.\r\n\r\n\r\n\r\nTHE MEETING / AGENDA.\r\n\r\n\r\n\r\n"
        "WHAT TO TAKE.\r\n\r\n\r\n\r\nGENERAL NOTES.\r\n\r\n\r\nAdded in the sheet\r\n\r\n"
        "POST-MORTEM.\r\nWas it successful and what can be improved for next time?\r\n");
}

// The keyboard alone walks a planner from the tool menu to a saved and printed sheet and back.
TEST_F(Saving, TheKeyboardAloneWalksAPlannerToASavedAndPrintedSheet)
{
    const auto key = [](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    };
    key(Qt::Key_Tab); // from the type finder's tool to the Presentation Planner's
    key(Qt::Key_Tab);
    key(Qt::Key_Space); // the Meeting Planner
    EXPECT_EQ(state().toolName, u"The Meeting Planner");
    // An access key clicks its button a moment later, as a press of the button would.
    const auto forward = [&] {
        const int16_t from = state().currentScreen;
        key(Qt::Key_F, Qt::AltModifier);
        return QTest::qWaitFor(
            [&] { return state().currentScreen != from || !step(Forward)->isEnabled(); }, 2000);
    };
    ASSERT_TRUE(forward());
    EXPECT_EQ(QApplication::focusWidget(), box());
    QTest::keyClicks(box(), u"Budget review"_s);
    while (step(Forward)->isEnabled())
        ASSERT_TRUE(forward());
    EXPECT_EQ(title(), u"The Meeting Planner Summary");
    EXPECT_EQ(QApplication::focusWidget(), box());
    const QString sheet = text();
    key(Qt::Key_F, Qt::AltModifier); // Forward is disabled: the access key types nothing
    EXPECT_EQ(text(), sheet);

    key(Qt::Key_Tab); // to Save to Disk
    EXPECT_EQ(QApplication::focusWidget(), find(u"Command3"_s));
    platform.answers = {platform::Yes, platform::Yes, platform::Yes};
    key(Qt::Key_Space);
    QTRY_COMPARE(platform.boxes.size(), 1u);
    EXPECT_TRUE(QFile::exists(folder.path() + u"/Docs/Budget review.doc"));
    key(Qt::Key_P, Qt::AltModifier);
    QTRY_COMPARE(platform.jobs, 1);
    key(Qt::Key_I, Qt::AltModifier);
    QTRY_COMPARE(state().currentScreen, 0);
    EXPECT_EQ(QApplication::focusWidget(), tool(TypeFinder));
}

TEST_F(Saving, AFailedSaveIsToldAndLosesNothing)
{
    QFile blocker(folder.filePath(u"Docs"_s)); // a plain file where the folder should be
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    start(Meeting);
    walkToSheet({{2, u"Budget review"_s}});
    const QString shown = window->answerText();
    save(platform::Yes);
    ASSERT_EQ(platform.boxes.size(), 2u);
    EXPECT_EQ(platform.boxes[1].flags, 48);
    EXPECT_TRUE(platform.boxes[1].text.endsWith(u"Not a directory"));
    EXPECT_EQ(window->answerText(), shown);
    EXPECT_TRUE(box()->isVisible());
}

TEST_F(PlannerWindow, WithoutAPrinterTheUserIsToldTheErrorNumber)
{
    // A print server that is not there: no printers at all.
    const QByteArray server = qgetenv("CUPS_SERVER");
    qputenv("CUPS_SERVER", QDir::temp().filePath(u"no-print-server.sock"_s).toUtf8());
    platform.printForReal({});
    start(PhoneCall);
    walkToSheet({{2, u"Quote"_s}});
    platform.answers = {platform::Yes};
    press(Print);
    if (server.isEmpty())
        qunsetenv("CUPS_SERVER");
    else
        qputenv("CUPS_SERVER", server);
    ASSERT_EQ(platform.boxes.size(), 2u);
    EXPECT_EQ(platform.boxes[1].text, u"Command1_Click_error 482");
    EXPECT_TRUE(step(Print)->isVisible()); // the sheet stays, ready for another try
}

} // namespace
