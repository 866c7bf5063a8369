#include "PlannerWindow.h"

#include "Accessibility.h"
#include "WorkSheetFile.h"

#include <QPointer>
#include <QTextBlock>

namespace {

// What the buttons do is NavigationTest's; here they reach it, and the window
// shows what it said, in pixels, with the focus where it put it.
using MainWindow = PlannerWindow;

// The description of the tool with the focus, or under the mouse, is red and the others black.
TEST_F(MainWindow, AToolsDescriptionLightsUpForTheFocusOrTheMouse)
{
    const auto reds = [this] {
        return which(window.get(), {"Label3_0", "Label3_1", "Label3_2", "Label3_3", "Label3_4"},
                     [](const QWidget *l) { return l->palette().windowText().color() == Qt::red; });
    };
    key(Qt::Key_Tab);
    const QString focusedTool = reds();
    QTest::mouseMove(tool(1));
    QTest::mouseMove(tool(2));
    const QString underTool = reds();
    QTest::mouseMove(find("Frame2"), QPoint(10, 8)); // the frame's edge above the menu
    EXPECT_EQ(QString(focused() + u'|' + focusedTool + u'|' + underTool + u'|' + reds()),
              u"Command4_0|Label3_0|Label3_2|");
}

// The window's size, the one-line name box, the answer box and the sheet where their twips put
// them, Save to Disk on top of the sheet, and the type-finder button starting it.
TEST_F(MainWindow, EachScreenShowsInItsPlace)
{
    EXPECT_EQ(window->size(), QSize(601, 442)); // 9015 x 6630 twips
    start(Tool::Meeting);
    EXPECT_EQ(showing(), u"Frame2 Picture1 Command2");
    click({"Command2"});
    EXPECT_EQ(platform.started, QStringList{u"/opt/orvanta/velkin"_s});
    press(Step::Forward);
    EXPECT_EQ(box()->height(), 20); // 300 twips, the naming screen's one line
    type(u"Budget review"_s);
    press(Step::Forward);
    EXPECT_EQ(box()->geometry(), QRect(box()->x(), 232, box()->width(), 145)); // 3480, 2175
    walkToSheet();
    EXPECT_EQ(showing(), u"Text1 Command2 Command3 Command1_3");
    EXPECT_EQ(box()->geometry(), QRect(box()->x(), 48, box()->width(), 320)); // 720, 4800
    QWidget *save = find("Command3");
    EXPECT_EQ(window->childAt(save->mapTo(window.get(), QPoint(4, 4))), save);
}

// Every planner walks to its sheet in the same window, each screen's title and guidance
// fitting their labels; the sheet is saved as shown, edits included.
TEST_F(MainWindow, EachPlannerWalksToASheetSavedAsShown)
{
    for (const Tool tool : {Tool::Presentation, Tool::Meeting, Tool::Strategy, Tool::PhoneCall}) {
        start(tool);
        walkToSheet({{2, u"Q3 review"_s}, {3, u"Q3 review"_s}}); // either may be the naming screen
        platform.answers = {platform::Answer::Yes};
        press(Step::Finished);
    }
    start(Tool::Strategy);
    walkToSheet({{2, u"Launch"_s}, {10, u"Ask for the order by Friday"_s}});
    QTest::keyClick(box(), Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(box(), Qt::Key_Return);
    type(u"Added in the sheet"_s);
    platform.answers = {platform::Answer::Yes};
    click({"Command3"});
    EXPECT_TRUE(window->answerText().endsWith(u"by Friday\r\nAdded in the sheet"));
    EXPECT_EQ(platform.files[u"/opt/orvanta/Docs/Launch.doc"_s],
              planner::workSheetFileText(window->answerText()));
}

// On a screen without an answer box the notes take the focus, labelled by the title and
// described by the whole guidance, which a screen reader speaks in that order; from one such
// screen to the next, where the focus stays, they are a new object, which is read anew.
TEST_F(MainWindow, TheNotesReadAScreenWithoutABox)
{
    start(Tool::Presentation);
    QWidget *notes = find("Frame2");
    EXPECT_EQ(focused(), u"Frame2");
    QAccessibleInterface *read = QAccessible::queryAccessibleInterface(notes);
    const auto labels = read->relations(QAccessible::Label);
    ASSERT_EQ(labels.size(), 1);
    EXPECT_EQ(QString(labels.front().first->text(QAccessible::Name) + u'|'
                      + read->text(QAccessible::Description)),
              QString(title() + u'|' + find<QLabel>("Label2")->text().trimmed()));
    const QAccessible::Id first = QAccessible::uniqueId(read);
    key(Qt::Key_F, Qt::AltModifier); // to the overview, with the focus where it was
    ASSERT_TRUE(QTest::qWaitFor([&] { return state().currentScreen == 2; }));
    EXPECT_EQ(notes->height(), 320); // 4800 twips: the notes take the box's room too
    read = QAccessible::queryAccessibleInterface(notes);
    EXPECT_NE(QAccessible::uniqueId(read), first);
    EXPECT_EQ(read->text(QAccessible::Description), find<QLabel>("Label2")->text().trimmed());
}

// The keyboard alone walks a planner to a saved and printed sheet and back, and closing the
// window ends the program without a question. A screen reader finds every control named, hears
// each screen once as the focus lands on something new that reads it, and each press through
// its interface returns before the box or window it opens.
TEST_F(MainWindow, TheKeyboardAndAScreenReaderReachEverything)
{
    QPointer<QWidget> last; // a new box may take an old one's address
    const auto read = [&] {
        EXPECT_EQ(accessibilityFaults(window.get()), QStringList());
        EXPECT_NE(std::exchange(last, QApplication::focusWidget()), QApplication::focusWidget());
        return focused();
    };
    // An access key clicks its button a moment later, as a press of the button would.
    const auto forward = [&] {
        const int16_t from = state().currentScreen;
        key(Qt::Key_F, Qt::AltModifier);
        return QTest::qWaitFor(
            [&] { return state().currentScreen != from || !step(Step::Forward)->isEnabled(); });
    };
    EXPECT_EQ(read(), u"Command4_3"); // the tool menu
    key(Qt::Key_Tab);
    key(Qt::Key_Tab); // to the Meeting Planner
    int moves = 0;
    const auto counter = QObject::connect(qApp, &QApplication::focusChanged,
                                          [&](QWidget *, QWidget *now) { moves += bool(now); });
    key(Qt::Key_Space);
    QObject::disconnect(counter);
    EXPECT_EQ(moves, 1) << "the first screen is heard once";
    EXPECT_EQ(read(), u"Frame2"); // a screen without a box: its notes (see below)
    ASSERT_TRUE(forward());
    EXPECT_EQ(read(), u"Text1"); // the naming screen
    type(u"Budget review"_s);
    ASSERT_TRUE(forward());
    EXPECT_EQ(read(), u"Text1");
    EXPECT_EQ(box()->accessibleName() + u'|' + box()->accessibleDescription(),
              u"Meeting - Where and When.|" + find<QLabel>("Label2")->text().trimmed());
    while (step(Step::Forward)->isEnabled())
        ASSERT_TRUE(forward());
    EXPECT_EQ(read(), u"Text1"); // the work sheet
    EXPECT_EQ(box()->accessibleName(), u"The Meeting Planner Summary");
    EXPECT_EQ(box()->textCursor().block().text(), u"MEETING - NAME."); // read first
    const QString sheet = window->answerText();
    key(Qt::Key_F, Qt::AltModifier); // Forward is disabled: the access key types nothing
    EXPECT_EQ(window->answerText(), sheet);

    QString about;
    onModal([&](QDialog &dialog) { about = find<QLabel>(&dialog, "Label1")->text(); });
    EXPECT_TRUE(pressReturnsAtOnce(step(Step::AboutBox), [&] { return !about.isEmpty(); }));
    using enum platform::Answer;
    platform.answers = {No, No, No, Yes, Yes, Yes};
    for (const char *name : {"Command3", "Command1_3", "Command1_0"}) { // Save, Print, Finished
        const size_t n = platform.boxes.size() + 1;
        EXPECT_TRUE(pressReturnsAtOnce(find(name), [&] { return platform.boxes.size() == n; }))
            << name;
    }
    find("Text1")->setFocus();
    key(Qt::Key_Tab);
    EXPECT_EQ(focused(), u"Command3");
    key(Qt::Key_Space);
    EXPECT_TRUE(QTest::qWaitFor([&] { return platform.files.size() == 1; }));
    key(Qt::Key_P, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return platform.jobs == 1; }));
    key(Qt::Key_I, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([&] { return state().currentScreen == 0; }));
    EXPECT_EQ(read(), u"Command4_3");
    start(Tool::Strategy);
    platform.boxes.clear();
    window->close(); // Alt+F4, or the close box
    EXPECT_TRUE(platform.programEnds == 1 && platform.boxes.empty());
}

} // namespace
