#include "PlannerWindow.h"

#include "AboutText.h"
#include "Accessibility.h"

#include <QTextBlock>

namespace {

// What the buttons do is NavigationTest's; here they reach it, and the window
// shows what it said, in pixels, with the focus where it put it.
using MainWindow = PlannerWindow;

TEST_F(MainWindow, TheToolMenuLightsTheDescriptionUnderTheMouse)
{
    EXPECT_EQ(window->size(), QSize(601, 442)); // 9015 x 6630 twips
    EXPECT_EQ(showing(), u"Frame2 Frame3 Picture2");
    const auto reds = [this] {
        return namesWhere({"0", "1", "2", "3", "4"}, [this](const char *tool) {
            const QColor c = find<QLabel>(u"Label3_"_s + QLatin1StringView(tool))
                                 ->palette()
                                 .color(QPalette::WindowText);
            EXPECT_TRUE(c == Qt::red || c == Qt::black) << tool;
            return c == Qt::red;
        });
    };
    QTest::mouseMove(tool(1));
    EXPECT_EQ(reds(), u"1");
    QTest::mouseMove(tool(2));
    EXPECT_EQ(reds(), u"2");
    QTest::mouseMove(find(u"Frame2"_s), QPoint(10, 8)); // the frame's edge above the menu
    EXPECT_EQ(reds(), u"");
    press(Step::Finished); // on the menu it ends the program
    EXPECT_EQ(platform.programEnds, 1);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindow, TheStepButtonsShowEachScreenInItsPlace)
{
    start(Tool::Meeting);
    EXPECT_EQ(showing(), u"Frame2 Picture1 Command2");
    click(find(u"Command2"_s));
    EXPECT_EQ(platform.started, QStringList{u"/opt/orvanta/velkin"_s});
    press(Step::Forward);
    EXPECT_EQ(box()->height(), 20); // 300 twips, the naming screen's one line
    EXPECT_TRUE(box()->hasFocus());
    type(u"Budget review"_s);
    press(Step::Forward);
    EXPECT_EQ(box()->geometry(), QRect(box()->x(), 232, box()->width(), 145)); // 3480, 2175

    walkToSheet({{11, u"Ask for the order by Friday"_s}});
    EXPECT_EQ(title(), u"The Meeting Planner Summary");
    EXPECT_EQ(showing(), u"Text1 Command2 Command3 Command1_3");
    EXPECT_EQ(box()->geometry(), QRect(box()->x(), 48, box()->width(), 320)); // 720, 4800
    EXPECT_TRUE(box()->hasFocus());
    EXPECT_TRUE(find(u"Command3"_s)->isVisibleTo(window.get()));
    EXPECT_EQ(window->childAt(find(u"Command3"_s)->mapTo(window.get(), QPoint(4, 4))),
              find(u"Command3"_s))
        << "Save to Disk lies on top";

    // The sheet is saved as shown, edits included.
    QTest::keyClick(box(), Qt::Key_End, Qt::ControlModifier);
    type(u"\nAdded in the sheet"_s);
    platform.answers = {platform::Yes};
    click(find(u"Command3"_s));
    EXPECT_TRUE(platform.files[u"/opt/orvanta/Docs/Budget review.doc"_s].startsWith(
        window->answerText() + u"\r\n\r\nPOST-MORTEM."));
    EXPECT_TRUE(window->answerText().endsWith(u"by Friday\r\nAdded in the sheet"));

    platform.answers = {platform::No, platform::Yes};
    press(Step::Finished);
    EXPECT_EQ(title(), u"The Meeting Planner Summary");
    press(Step::Finished);
    EXPECT_EQ(showing(), u"Frame2 Frame3 Picture2");
    start(Tool::Strategy);
    window->close(); // the close box ends the program without a question
    EXPECT_EQ(platform.programEnds, 1);
    EXPECT_EQ(platform.boxes.size(), 3u);
}

// Each planner from its tool button to its work sheet, one after another in one
// window; walkToSheet() checks on the way that every screen's texts fit their labels.
TEST_F(MainWindow, EachPlannerWalksToItsWorkSheet)
{
    for (const auto &[tool, naming] : {std::pair{Tool::Presentation, 3}, {Tool::Meeting, 2},
                                       {Tool::Strategy, 2}, {Tool::PhoneCall, 2}}) {
        start(tool);
        walkToSheet({{naming, window->windowTitle()}});
        EXPECT_EQ(title(), state().toolName + u" Summary");
        EXPECT_EQ(state().workName, window->windowTitle());
        platform.answers = {platform::Yes};
        press(Step::Finished);
    }
}

TEST_F(MainWindow, TheAboutBoxComesUpAfreshAndClosesBackToTheMenu)
{
    int opened = 0;
    onModal([&](QDialog &about) {
        ++opened;
        EXPECT_EQ(about.windowTitle(), u"About Orvanta");
        EXPECT_EQ(about.findChild<QLabel *>(u"Label1"_s)->text(),
                  planner::aboutText().replace(u"\r\n"_s, u"\n"_s));
        click(about.findChild<QPushButton *>(u"Command1"_s));
        EXPECT_FALSE(about.isVisible());
    });
    press(Step::AboutBox);
    EXPECT_FALSE(step(Step::Back)->isEnabled());
    start(Tool::Strategy);
    press(Step::AboutBox);
    EXPECT_EQ(opened, 2);
    EXPECT_TRUE(shown(u"Picture1"_s));
}

// The keyboard alone walks a planner from the tool menu to a saved and printed sheet and back.
TEST_F(MainWindow, TheKeyboardAloneWalksAPlannerToASavedAndPrintedSheet)
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
            [&] { return state().currentScreen != from || !step(Step::Forward)->isEnabled(); },
            2000);
    };
    ASSERT_TRUE(forward());
    EXPECT_EQ(QApplication::focusWidget(), box());
    QTest::keyClicks(box(), u"Budget review"_s);
    while (step(Step::Forward)->isEnabled())
        ASSERT_TRUE(forward());
    EXPECT_EQ(QApplication::focusWidget(), box());
    const QString sheet = text();
    key(Qt::Key_F, Qt::AltModifier); // Forward is disabled: the access key types nothing
    EXPECT_EQ(text(), sheet);

    key(Qt::Key_Tab); // to Save to Disk
    EXPECT_EQ(QApplication::focusWidget(), find(u"Command3"_s));
    platform.answers = {platform::Yes, platform::Yes, platform::Yes};
    key(Qt::Key_Space);
    QTRY_COMPARE(platform.files.size(), 1u);
    key(Qt::Key_P, Qt::AltModifier);
    QTRY_COMPARE(platform.jobs, 1);
    key(Qt::Key_I, Qt::AltModifier);
    QTRY_COMPARE(state().currentScreen, 0);
    EXPECT_EQ(QApplication::focusWidget(), tool(planner::Navigation::TypeFinderTool));
}

// A press through the accessibility interface returns before the box or window it opens.
TEST_F(MainWindow, AssistivePressesReturnBeforeTheirBoxesOpen)
{
    int aboutBoxes = 0;
    platform.onModal = [&](QDialog &) {
        ++aboutBoxes;
    };
    EXPECT_TRUE(pressReturnsAtOnce(step(Step::AboutBox), [&] { return aboutBoxes == 1; }));
    start(Tool::Meeting);
    walkToSheet({{2, u"Budget review"_s}});
    const auto asked = [this](size_t n) {
        return [this, n] {
            return platform.boxes.size() == n;
        };
    };
    platform.answers = {platform::No, platform::No, platform::No};
    EXPECT_TRUE(pressReturnsAtOnce(find(u"Command3"_s), asked(1))); // Save to Disk
    EXPECT_TRUE(pressReturnsAtOnce(step(Step::Print), asked(2)));
    EXPECT_TRUE(pressReturnsAtOnce(step(Step::Finished), asked(3)));
}

// A screen reader finds every control named in every state, and hears each screen change
// once, as the focus landing on something new that reads what the screen shows.
TEST_F(MainWindow, EveryStateReadsWellToAScreenReader)
{
    QWidget *last = nullptr;
    const auto read = [&] {
        EXPECT_EQ(accessibilityFaults(window.get()), QStringList());
        QWidget *now = QApplication::focusWidget();
        EXPECT_NE(now, last);
        last = now;
        return now;
    };
    EXPECT_EQ(read(), tool(planner::Navigation::TypeFinderTool)); // the tool menu
    int focusMoves = 0;
    tool(int16_t(Tool::Meeting))->setFocus(); // as the mouse press puts it
    const auto counter = QObject::connect(qApp, &QApplication::focusChanged,
                                          [&](QWidget *, QWidget *now) { focusMoves += bool(now); });
    start(Tool::Meeting);
    QObject::disconnect(counter);
    EXPECT_EQ(focusMoves, 1) << "the first screen is heard once";
    EXPECT_EQ(read(), find(u"Label1"_s)); // an introduction without a box: its title,
    EXPECT_EQ(find(u"Label1"_s)->accessibleDescription(), // described by its guidance
              find<QLabel>(u"Label2"_s)->text().trimmed());
    press(Step::Forward);
    EXPECT_EQ(read(), box()); // the naming screen
    EXPECT_EQ(box()->accessibleName(), u"Meeting - Name.");
    type(u"Budget review"_s);
    press(Step::Forward);
    EXPECT_EQ(read(), box());
    EXPECT_EQ(box()->accessibleName(), u"Meeting - Where and When.");
    EXPECT_EQ(box()->accessibleDescription(), find<QLabel>(u"Label2"_s)->text().trimmed());
    press(Step::Back);
    EXPECT_EQ(read(), box());
    EXPECT_EQ(accessibleText(box()), u"Budget review");
    walkToSheet();
    EXPECT_EQ(read(), box()); // the work sheet
    EXPECT_EQ(box()->accessibleName(), u"The Meeting Planner Summary");
    EXPECT_TRUE(box()->accessibleDescription().isEmpty());
    EXPECT_EQ(box()->textCursor().block().text(), u"MEETING - NAME."); // read first
    platform.answers = {platform::Yes};
    press(Step::Finished);
    EXPECT_EQ(read(), tool(planner::Navigation::TypeFinderTool));
}

} // namespace
