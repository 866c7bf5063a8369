#include "PlannerWindow.h"

#include "Accessibility.h"

#include <QTextBlock>

namespace {

class MainWindow : public PlannerWindow
{
protected:
    // The tools whose description is red; the others must be black.
    QString reds() const
    {
        return namesWhere({"0", "1", "2", "3", "4"}, [this](const char *tool) {
            const QColor c = find<QLabel>(u"Label3_"_s + QLatin1StringView(tool))
                                 ->palette()
                                 .color(QPalette::WindowText);
            EXPECT_TRUE(c == Qt::red || c == Qt::black) << tool;
            return c == Qt::red;
        });
    }
};

TEST_F(MainWindow, TheToolMenuStartsEachPlannerAndFinishedThereEndsTheProgram)
{
    EXPECT_EQ(window->windowTitle(), u"Orvanta  -  Quillan");
    EXPECT_EQ(title(), u"Orvanta - A Toolkit for Sales Professionals");
    EXPECT_EQ(frameTitle(), u" Select a tool to use ");
    EXPECT_EQ(showing(), u"Frame2 Frame3 Picture2");
    EXPECT_FALSE(step(Back)->isEnabled() || step(Forward)->isEnabled());
    EXPECT_EQ(window->size(), QSize(601, 442)); // 9015 x 6630 twips
    press(Finished); // on the menu it ends the program; each planner is started in the walks
    EXPECT_EQ(platform.programEnds, 1);
    EXPECT_FALSE(window->isVisible());
}

TEST_F(MainWindow, EveryControlIsNamedAndTheButtonsTakeTheKeyboard)
{
    for (const QString &name : {u"Frame1"_s, u"Frame3"_s, u"Text1"_s, u"Picture1"_s, u"Picture2"_s})
        EXPECT_FALSE(find(name)->accessibleName().isEmpty()) << name.toStdString();
    for (QPushButton *b : window->findChildren<QPushButton *>()) {
        EXPECT_FALSE(b->text().isEmpty()) << b->objectName().toStdString();
        EXPECT_EQ(b->focusPolicy(), Qt::StrongFocus) << b->objectName().toStdString();
    }
    EXPECT_EQ(step(Back)->accessibleName() + step(Forward)->accessibleName(), u"BackForward");

    // Access keys: Alt+I is Finished, which asks while a planner runs; Alt+F is Forward.
    // A button pressed by its key shows itself pressed for a moment before it acts.
    start(Meeting);
    platform.answers = {platform::No};
    QTest::keyClick(window->windowHandle(), Qt::Key_I, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([this] { return !platform.boxes.empty(); }));
    QTest::keyClick(window->windowHandle(), Qt::Key_F, Qt::AltModifier);
    EXPECT_TRUE(QTest::qWaitFor([this] { return state().currentScreen == 2; }));
}

TEST_F(MainWindow, TheDescriptionUnderTheMouseTurnsRed)
{
    QTest::mouseMove(tool(Meeting));
    EXPECT_EQ(reds(), u"1");
    QTest::mouseMove(tool(Strategy));
    EXPECT_EQ(reds(), u"2");
    QTest::mouseMove(find(u"Frame2"_s), QPoint(10, 8)); // the frame's edge above the menu
    EXPECT_EQ(reds(), u"");
}

TEST_F(MainWindow, TheTypeFinderIsStartedSilentlyFromTheMenuAndWithAWordFromAPlanner)
{
    platform.startResult = platform::StartResult::FileNotFound;
    start(TypeFinder);
    EXPECT_EQ(platform.started, QStringList{u"/opt/orvanta/velkin"_s});
    EXPECT_TRUE(platform.boxes.empty());

    start(Meeting);
    click(find(u"Command2"_s));
    const Boxes missing{
        {u"Cannot find the Velkin.exe in the /opt/orvanta directory. "_s, 0, u"Orvanta"_s}};
    EXPECT_EQ(platform.boxes, missing);
    platform.startResult = platform::StartResult::Failed; // other failures pass silently
    click(find(u"Command2"_s));
    EXPECT_EQ(platform.boxes, missing);
    EXPECT_EQ(platform.started.size(), 3);
}

using Navigation = PlannerWindow;

// The rules of each step are NavigationTest's; here the buttons reach them, and the window
// shows what they said, in pixels, with the focus where they put it.
TEST_F(Navigation, TheStepButtonsReachTheLogicAndTheWindowShowsWhatItSaid)
{
    start(Meeting);
    EXPECT_EQ(showing(), u"Frame2 Picture1 Command2");
    press(Forward);
    EXPECT_EQ(box()->height(), 20); // 300 twips, the naming screen's one line
    press(Forward);
    EXPECT_EQ(platform.boxes, (Boxes{{u"You must enter a Meeting - Name."_s, 0, u"Orvanta"_s}}));
    EXPECT_TRUE(box()->hasFocus());
    type(u"Budget review"_s);
    press(Forward);
    EXPECT_EQ(title(), u"Meeting - Where and When.");
    EXPECT_EQ(box()->geometry(), QRect(box()->x(), 232, box()->width(), 145)); // 3480, 2175
    EXPECT_TRUE(text().isEmpty());
    type(u"Room 4"_s);
    press(Back);
    EXPECT_EQ(text(), u"Budget review");
    EXPECT_FALSE(step(Back)->isEnabled());
    press(Forward);
    EXPECT_EQ(text(), u"Room 4");

    walkToSheet();
    EXPECT_EQ(title(), u"The Meeting Planner Summary");
    EXPECT_EQ(showing(), u"Text1 Command2 Command3 Command1_3");
    EXPECT_EQ(box()->geometry(), QRect(box()->x(), 48, box()->width(), 320)); // 720, 4800
    EXPECT_TRUE(box()->hasFocus());
    EXPECT_TRUE(step(Back)->isEnabled() && !step(Forward)->isEnabled());
    const QString composed = window->answerText();
    type(u"edited"_s);
    press(Back); // over the closing screen
    EXPECT_EQ(title(), u"General Notes.");
    EXPECT_EQ(box()->geometry().top(), 232); // back under the guidance
    press(Forward);
    press(Forward);
    EXPECT_EQ(window->answerText(), composed); // the edits are gone

    platform.answers = {platform::No, platform::Yes};
    press(Finished);
    EXPECT_EQ(title(), u"The Meeting Planner Summary");
    press(Finished);
    EXPECT_EQ(showing(), u"Frame2 Frame3 Picture2");
    start(Strategy);
    window->close(); // the close box ends the program without a question
    EXPECT_EQ(platform.programEnds, 1);
    EXPECT_EQ(platform.boxes.size(), 3u);
}

// A screen reader finds every control named in every state, and hears each screen change
// as the focus landing on something new that reads what the screen shows.
TEST_F(Navigation, EveryStateReadsWellToAScreenReader)
{
    QWidget *last = nullptr;
    const auto read = [&] {
        EXPECT_EQ(accessibilityFaults(window.get()), QStringList());
        QWidget *now = QApplication::focusWidget();
        EXPECT_NE(now, last);
        last = now;
        return now;
    };
    EXPECT_EQ(read(), tool(TypeFinder)); // the tool menu
    start(Meeting);
    EXPECT_EQ(read(), find(u"Label2"_s)); // an introduction without a box
    EXPECT_TRUE(
        find(u"Label2"_s)
            ->accessibleName()
            .startsWith(
                u"The Meeting Planner\nThis program will help make your meetings more professional"));
    press(Forward);
    EXPECT_EQ(read(), box()); // the naming screen
    EXPECT_EQ(box()->accessibleName(), u"Meeting - Name.");
    type(u"Budget review"_s);
    press(Forward);
    EXPECT_EQ(read(), box());
    EXPECT_EQ(box()->accessibleName(), u"Meeting - Where and When.");
    EXPECT_EQ(box()->accessibleDescription(), find<QLabel>(u"Label2"_s)->text().trimmed());
    press(Back);
    EXPECT_EQ(read(), box());
    EXPECT_EQ(accessibleText(box()), u"Budget review");
    walkToSheet();
    EXPECT_EQ(read(), box()); // the work sheet
    EXPECT_EQ(box()->accessibleName(), u"The Meeting Planner Summary");
    EXPECT_TRUE(box()->accessibleDescription().isEmpty());
    EXPECT_EQ(box()->textCursor().block().text(), u"MEETING - NAME."); // read first
    platform.answers = {platform::Yes};
    press(Finished);
    EXPECT_EQ(read(), tool(TypeFinder));
}

// A press through the accessibility interface returns before the box or window it opens.
TEST_F(Navigation, AssistivePressesReturnBeforeTheirBoxesOpen)
{
    int aboutBoxes = 0;
    platform.onModal = [&](QDialog &) {
        ++aboutBoxes;
    };
    EXPECT_TRUE(pressReturnsAtOnce(step(AboutBox), [&] { return aboutBoxes == 1; }));
    start(Meeting);
    walkToSheet({{2, u"Budget review"_s}});
    const auto asked = [this](size_t n) {
        return [this, n] {
            return platform.boxes.size() == n;
        };
    };
    platform.answers = {platform::No, platform::No, platform::No};
    EXPECT_TRUE(pressReturnsAtOnce(find(u"Command3"_s), asked(1))); // Save to Disk
    EXPECT_TRUE(pressReturnsAtOnce(step(Print), asked(2)));
    EXPECT_TRUE(pressReturnsAtOnce(step(Finished), asked(3)));
}

TEST_F(Navigation, TheAboutBoxComesUpAfreshAndClosesBackToTheMenu)
{
    int opened = 0;
    platform.onModal = [&](QDialog &about) {
        ++opened;
        EXPECT_EQ(about.windowTitle(), u"About Orvanta");
        EXPECT_EQ(about.findChild<QLabel *>(u"Label1"_s)->text(),
                  u"     Orvanta - Professional Orvanta\n\n"
                  u"        Quillan\n\n"
                  u"          Version 1.0, December 2026\n\n"
                  u"          Contact: write to Quillan\n\n"
                  u"          Copyright (C) 2026 Quillan. All rights reserved.");
        auto *finished = about.findChild<QPushButton *>(u"Command1"_s);
        EXPECT_EQ(finished->text(), u"&Finished");
        click(finished);
        EXPECT_FALSE(about.isVisible());
    };
    press(AboutBox);
    EXPECT_EQ(showing(), u"Frame2 Frame3 Picture2");
    start(Strategy);
    press(AboutBox);
    EXPECT_EQ(opened, 2);
    EXPECT_TRUE(shown(u"Picture1"_s));
}

// Each planner from its tool button to its work sheet, one after another in one window;
// walkToSheet() checks on the way that every screen's texts fit their labels. What the
// sheets hold is WorkSheetTest's, and the Meeting's is read back from its file.
TEST_F(PlannerWindow, EachPlannerWalksToItsWorkSheet)
{
    const std::tuple<Tool, int, const char16_t *> walks[] = {
        {Presentation, 3, u"Presenting - the Presentation Planner"},
        {Meeting, 2, u"Meetings - the Meeting Planner"},
        {Strategy, 2, u"Strategies - the Strategy Planner"},
        {PhoneCall, 2, u"Calls - the Phone Call Planner"}};
    for (const auto &[tool, naming, caption] : walks) {
        start(tool);
        EXPECT_EQ(window->windowTitle(), QStringView(caption));
        walkToSheet({{naming, QString::fromUtf16(caption)}});
        EXPECT_EQ(title(), state().toolName + u" Summary");
        EXPECT_EQ(state().workName, QStringView(caption));
        platform.answers = {platform::Yes};
        press(Finished);
    }
}

} // namespace
