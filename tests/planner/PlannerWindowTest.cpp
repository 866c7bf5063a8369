#include "PlannerWindow.h"

#include "Accessibility.h"

#include <QAccessibleEditableTextInterface>

#include <QClipboard>
#include <QMimeData>
#include <QTextBlock>

namespace {

class MainWindow : public PlannerWindow
{
protected:
    void expectMenu() const
    {
        EXPECT_EQ(state().currentScreen, 0);
        EXPECT_EQ(window->windowTitle(), u"Orvanta  -  Quillan");
        EXPECT_EQ(title(), u"Orvanta - A Toolkit for Sales Professionals");
        EXPECT_EQ(frameTitle(), u" Select a tool to use ");
        EXPECT_TRUE(find<QLabel>(u"Label2"_s)->text().isEmpty());
        EXPECT_EQ(showing(), u"Frame2 Frame3 Picture2");
        EXPECT_FALSE(step(Back)->isEnabled() || step(Forward)->isEnabled());
        EXPECT_TRUE(step(Finished)->isEnabled() && step(AboutBox)->isEnabled());
    }

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

// The captions and first titles themselves are in the screen tables' test.
TEST_F(MainWindow, TheToolMenuStartsEachPlannerAndFinishedThereEndsTheProgram)
{
    expectMenu();
    EXPECT_EQ(window->size(), QSize(601, 442)); // 9015 x 6630 twips
    for (Tool t : {Presentation, Meeting, Strategy, PhoneCall}) {
        start(t);
        EXPECT_TRUE(window->windowTitle().endsWith(u"the " + state().toolName.mid(4)));
        EXPECT_EQ(title(), state().screen(1).title);
        EXPECT_EQ(frameTitle(), u" Notes ");
        EXPECT_EQ(showing(), u"Frame2 Picture1 Command2");
        EXPECT_FALSE(step(Back)->isEnabled());
        EXPECT_TRUE(step(Forward)->isEnabled());
        platform.answers = {platform::Yes};
        press(Finished);
        expectMenu();
    }
    press(Finished); // on the menu it ends the program
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
    expectMenu();

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

// Every screen's answer but one, which is left empty.
QString answerFor(int screen)
{
    return screen == 5 ? QString() : u"Answer " + QString::number(screen);
}

TEST_F(Navigation, ForwardAndBackKeepEveryAnswerAndTheNameIsRequired)
{
    start(Meeting);
    press(Forward);
    EXPECT_FALSE(step(Back)->isEnabled()); // screen 2 is as far back as Back goes
    step(Forward)->setFocus();
    press(Forward);
    const Boxes refusal{{u"You must enter a Meeting - Name."_s, 0, u"Orvanta"_s}};
    EXPECT_EQ(platform.boxes, refusal);
    EXPECT_TRUE(box()->hasFocus());
    for (int screen = 2; screen <= 11; ++screen) {
        ASSERT_EQ(state().currentScreen, screen);
        EXPECT_TRUE(text().isEmpty());
        type(answerFor(screen));
        press(Forward);
    }
    EXPECT_EQ(state().workName, u"Answer 2");
    EXPECT_EQ(platform.boxes, refusal);

    for (int screen = 11; screen >= 2; --screen) {
        press(Back);
        ASSERT_EQ(state().currentScreen, screen);
        EXPECT_EQ(text(), answerFor(screen));
        EXPECT_EQ(step(Back)->isEnabled(), screen >= 3);
    }
    press(Back); // nothing before screen 2
    EXPECT_EQ(state().currentScreen, 2);

    QTest::keyClick(box(), Qt::Key_End, Qt::ControlModifier);
    type(u" changed"_s);
    for (int screen = 3; screen <= 11; ++screen) {
        press(Forward);
        EXPECT_EQ(text(), answerFor(screen));
    }
    EXPECT_EQ(state().workName, u"Answer 2 changed");
}

TEST_F(Navigation, FinishedAsksBeforeLeavingAPlannerAndTheCloseBoxDoesNot)
{
    start(Presentation);
    press(Forward);
    press(Forward);
    type(u"Launch"_s);
    platform.answers = {platform::No};
    press(Finished);
    const FakePlatform::Box question{
        u"Are you sure that you wish to exit The Presentation Planner?"_s, 36, u"Orvanta"_s};
    EXPECT_EQ(platform.boxes, Boxes{question});
    EXPECT_EQ(state().currentScreen, 3);
    EXPECT_EQ(title(), u"Presentation - Title.");
    EXPECT_EQ(text(), u"Launch");

    platform.answers = {platform::Yes};
    press(Finished);
    EXPECT_EQ(state().currentScreen, 0);
    EXPECT_TRUE(shown(u"Frame3"_s));
    EXPECT_EQ(state().workName, u"Launch");
    // On a planner's first screen a step button enables Back, harmlessly.
    start(Meeting);
    platform.answers = {platform::No};
    press(Finished);
    EXPECT_TRUE(step(Back)->isEnabled());
    press(Back);
    EXPECT_EQ(state().currentScreen, 1);
    EXPECT_FALSE(shown(u"Picture1"_s));

    window->close(); // the close box ends the program without a question
    EXPECT_EQ(platform.programEnds, 1);
    EXPECT_EQ(platform.boxes.size(), 3u);
}

// A screen reader finds every control named in every state, and hears each screen change
// as a focus change to what it should read.
TEST_F(Navigation, EveryStateReadsWellToAScreenReader)
{
    const auto read = [this] {
        EXPECT_EQ(accessibilityFaults(window.get()), QStringList());
        return QApplication::focusWidget();
    };
    EXPECT_EQ(read(), tool(TypeFinder)); // the tool menu
    start(Meeting);
    EXPECT_EQ(read(), find(u"Label2"_s)); // an introduction without a box
    EXPECT_EQ(find(u"Label2"_s)->accessibleName(), u"The Meeting Planner");
    press(Forward);
    EXPECT_EQ(read(), box()); // the naming screen
    EXPECT_EQ(box()->accessibleName(), u"Meeting - Name.");
    type(u"Budget review"_s);
    press(Forward);
    EXPECT_EQ(read(), box());
    EXPECT_EQ(box()->accessibleName(), u"Meeting - Where and When.");
    EXPECT_EQ(box()->accessibleDescription(), find<QLabel>(u"Label2"_s)->text().trimmed());
    press(Back); // the box had the focus all along, and is given it again to be read anew
    EXPECT_EQ(read(), box());
    EXPECT_EQ(accessibleText(box()), u"Budget review");
    walkToSheet();
    EXPECT_EQ(read(), box()); // the work sheet
    EXPECT_EQ(box()->accessibleName(), u"The Meeting Planner Summary");
    EXPECT_TRUE(box()->accessibleDescription().isEmpty());
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

// Expected texts keep an item to a line of code.
// clang-format off
TEST_F(Navigation, TheAboutBoxComesUpAfreshAndClosesBackToTheMenu)
{
    std::vector<const QDialog *> opened;
    platform.onModal = [&](QDialog &about) {
        opened.push_back(&about);
        EXPECT_EQ(about.windowTitle(), u"About Orvanta");
        EXPECT_EQ(about.findChild<QLabel *>(u"Label1"_s)->text(),
                  u"     Orvanta - Professional Orvanta\n\n"
                  u"        Quillan\n\n"
                  u"          Version 1.0: planners for presentations, meetings, strategies and calls\n\n"
                  u"          Questions and suggestions: please write to Quillan\n\n"
                  u"          Copyright (C) 2026 Quillan. All rights reserved.");
        const auto *finished = about.findChild<QPushButton *>(u"Command1"_s);
        EXPECT_EQ(finished->text(), u"&Finished");
        QTest::mouseClick(const_cast<QPushButton *>(finished), Qt::LeftButton);
        EXPECT_FALSE(about.isVisible());
    };
    press(AboutBox);
    EXPECT_FALSE(step(Back)->isEnabled()); // as the menu wants it
    EXPECT_EQ(title(), u"Orvanta - A Toolkit for Sales Professionals");
    start(Strategy);
    press(AboutBox);
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(state().currentScreen, 1);
    EXPECT_TRUE(step(Back)->isEnabled());
    EXPECT_TRUE(shown(u"Picture1"_s));
}
// clang-format on

TEST_F(Navigation, TheWorkSheetFollowsTheClosingScreenAndIsComposedAfresh)
{
    start(PhoneCall);
    walkToSheet({{2, u"Call 2"_s}});
    EXPECT_EQ(state().currentScreen, 10);
    EXPECT_EQ(title(), u"The Phone Call Planner Summary");
    EXPECT_EQ(showing(), u"Text1 Command2 Command3 Command1_3");
    EXPECT_EQ(box()->geometry(), QRect(box()->x(), 48, box()->width(), 320)); // 720, 4800 twips
    EXPECT_TRUE(box()->hasFocus());
    EXPECT_TRUE(step(Back)->isEnabled() && !step(Forward)->isEnabled());
    const QString composed = window->answerText();
    QTest::keyClick(box(), Qt::Key_End, Qt::ControlModifier);
    type(u"edited"_s);

    press(Back); // over the closing screen
    EXPECT_EQ(state().currentScreen, 9);
    EXPECT_EQ(title(), u" Phone Tips.");
    EXPECT_EQ(showing(), u"Frame2 Command2");
    EXPECT_EQ(box()->geometry().top(), 232); // back under the guidance
    press(Forward);
    press(Forward);
    EXPECT_EQ(window->answerText(), composed); // the edits are gone
}

class AnswerBox : public PlannerWindow
{
protected:
    void SetUp() override
    {
        PlannerWindow::SetUp();
        start(Meeting);
        press(Forward);
        ASSERT_EQ(title(), u"Meeting - Name.");
    }

    void paste(const QString &text, const QString &html = {}) const
    {
        auto *data = new QMimeData;
        data->setText(text);
        if (!html.isEmpty())
            data->setHtml(html);
        QApplication::clipboard()->setMimeData(data);
        QTest::keyClick(box(), Qt::Key_V, Qt::ControlModifier);
    }
};

TEST_F(AnswerBox, TheNameBoxTakesOneLineOfFortyCharacters)
{
    type(u"Quarterly review"_s);
    QTest::keyClick(box(), Qt::Key_Return);
    QTest::keyClick(box(), Qt::Key_Enter);
    QTest::keyClick(box(), Qt::Key_Return, Qt::ShiftModifier);
    type(u" with the northern region sales team"_s);
    EXPECT_EQ(text(), u"Quarterly review with the northern regio");
    box()->selectAll();
    type(QString(40, u'W')); // the widest name stays on its one line
    EXPECT_EQ(box()->document()->lineCount(), 1);
    EXPECT_EQ(box()->verticalScrollBar()->maximum(), 0);
    paste(u"more"_s); // a full box takes nothing more, from any source
    commit(u"more"_s);
    EXPECT_EQ(text().size(), 40);

    // Pasted and committed text loses its line breaks and is cut; a full box can be typed over.
    QTest::keyClick(box(), Qt::Key_A, Qt::ControlModifier);
    paste(u"Q3 review\r\nnorthern region\nand more"_s, u"<b>Q3</b>"_s);
    EXPECT_EQ(text(), u"Q3 reviewnorthern regionand more");
    box()->clear();
    paste(QString(60, u'x'));
    EXPECT_EQ(text(), QString(40, u'x'));
    box()->clear();
    commit(u"Caf\u00e9\nnorth"_s + QString(50, u'y'));
    EXPECT_EQ(text(), u"Caf\u00e9north" + QString(31, u'y'));

    // A character outside the basic plane is kept whole or not at all.
    box()->clear();
    type(QString(39, u'z'));
    paste(u"\U0001F600"_s);
    EXPECT_EQ(text(), QString(39, u'z'));

    // Assistive input and the program itself are held to the same rule, and so are
    // tabs, escapes and NUL, which would make a file name nobody can find.
    auto *editable = QAccessible::queryAccessibleInterface(box())->editableTextInterface();
    ASSERT_NE(editable, nullptr);
    editable->replaceText(0, 39, QString(45, u'x') + u"\nsecond");
    EXPECT_EQ(text(), QString(40, u'x'));
    box()->setPlainText(u"Plan\tA\u001b[2J\u0000B\u2029C"_s);
    EXPECT_EQ(text(), u"PlanA[2JBC");
    box()->undo();
    EXPECT_NE(text(), u"Plan\tA\u001b[2J\u0000B\u2029C"); // undo brings no control back
    box()->setPlainText(QString(39, u'z'));
    press(Forward);
    EXPECT_EQ(state().workName, QString(39, u'z'));
}

TEST_F(AnswerBox, TheTallBoxTakesLinesAndPlainTextAndKeepsEveryCharacter)
{
    type(u"Budget review"_s);
    press(Forward);
    paste(u"Room 4\nMonday"_s, u"<h1>Room 4</h1><p>Monday</p>"_s);
    QTest::keyClick(box(), Qt::Key_Return);
    type(QString(200, u'a'));
    QTest::keyClick(box(), Qt::Key_Return, Qt::ShiftModifier);
    const QString exotic = u"Caf\u00e9\u00a0\u20ac 5\u00a0000, \u4f1a\u8b70 \U0001F600"_s;
    box()->insertPlainText(exotic);
    press(Forward);
    const QString answer = u"Room 4\r\nMonday\r\n" + QString(200, u'a') + u"\r\n" + exotic;
    EXPECT_EQ(state().screen(3).answer, answer); // the non-breaking spaces too
    press(Back);
    EXPECT_EQ(window->answerText(), answer);
}

// A long paragraph is held in short blocks, so that a key costs what it costs
// in a short text; whatever is done to the pieces, the text reads back as typed.
TEST_F(AnswerBox, AHugeParagraphIsHeldInShortPiecesAndReadsBackAsGiven)
{
    type(u"Budget review"_s);
    press(Forward);
    QString paragraph;
    for (int i = 0; paragraph.size() < 100000; ++i)
        paragraph += u"word" + QString::number(i) + u' ';
    const QString answer = paragraph + u"\r\nlast line";
    paste(answer);
    EXPECT_EQ(window->answerText(), answer);
    const QTextDocument &document = *box()->document();
    EXPECT_GE(document.blockCount(), 8);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        EXPECT_LE(block.length(), 16385);
        if (block.next().isValid() && block.next().next().isValid()) {
            EXPECT_TRUE(block.text().endsWith(u' ')) << "no word is cut";
        }
    }

    // A line break typed or pasted into a piece is a line break.
    const int second = document.begin().next().position();
    const int offset = second - 1; // where the second piece starts in the text
    QTextCursor cursor = box()->textCursor();
    cursor.setPosition(second + 5);
    box()->setTextCursor(cursor);
    QTest::keyClick(box(), Qt::Key_Return);
    EXPECT_EQ(window->answerText(), QString(answer).insert(offset + 5, u"\r\n"));
    paste(u"one\ntwo"_s);
    EXPECT_EQ(window->answerText(), QString(answer).insert(offset + 5, u"\r\none\r\ntwo"));
    box()->undo();
    box()->undo();
    EXPECT_EQ(window->answerText(), answer);

    // Joining two pieces changes no text; undone and redone, neither does the paste.
    cursor.setPosition(second);
    box()->setTextCursor(cursor);
    QTest::keyClick(box(), Qt::Key_Backspace);
    EXPECT_EQ(window->answerText(), answer);
    box()->undo();
    EXPECT_EQ(window->answerText(), answer);
    box()->undo();
    EXPECT_EQ(window->answerText(), u""_s);
    box()->redo();
    EXPECT_EQ(window->answerText(), answer);

    // A piece typed on past its limit is cut again.
    box()->setPlainText(u"x"_s.repeated(16384));
    box()->moveCursor(QTextCursor::End);
    QTest::keyClick(box(), Qt::Key_Y);
    EXPECT_EQ(document.blockCount(), 2);
    EXPECT_EQ(window->answerText(), u"x"_s.repeated(16384) + u'y');
}

// Expected texts keep a section of the sheet to a line of code.
// clang-format off
// Each planner walked from its tool button to its work sheet, one after another in one window;
// walkToSheet() checks on the way that every screen's texts fit their labels.
TEST_F(PlannerWindow, EachPlannerWalksToItsWorkSheet)
{
    const std::tuple<Tool, std::map<int, QString>, QString> walks[] = {
        {Presentation,
         {{3, u"Launch of the Q3 range"_s}, {4, u"Town hall, 3 March 10:00"_s}, {5, u"Two pilot sites agreed"_s},
          {7, u"Ms Shah\nsigns the order"_s}, {11, u"Cut costs by 30%"_s}, {13, u"Pilots\nPricing"_s}, {15, u"Book the pilots"_s},
          {16, u"Bring samples"_s}},
         lines({u"", u"PRESENTATION - TITLE.", u"", u"Launch of the Q3 range", u"", u"PRESENTATION - WHERE AND WHEN.", u"",
                u"Town hall, 3 March 10:00", u"", u"WHAT IS THE PURPOSE OF THIS PRESENTATION?", u"", u"Two pilot sites agreed", u"",
                u"BACKGROUND RESEARCH - KNOWING YOUR AUDIENCE?", u"", u"", u"", u"KEY ATTENDEE.", u"", u"Ms Shah", u"signs the order", u"",
                u"THE PRESENTATION.", u"", u"", u"", u"STRONG OPENING.", u"", u"Cut costs by 30%", u"",
                u"SUMMARY OF YOUR PRESENTATION.", u"", u"", u"", u"PRESENTATION TOPICS.", u"", u"Pilots", u"Pricing", u"",
                u"PRESENTATION CONCLUSION.", u"", u"", u"",
                u"FUTURE ACTION.", u"", u"Book the pilots", u"", u"GENERAL NOTES.", u"", u"Bring samples"})},
        {Meeting,
         {{2, u"Budget review"_s}, {3, u"Room 4, Monday 10:00"_s}, {7, u"Mr Okafor"_s}, {10, u"Laptop\nFigures"_s}},
         lines({u"", u"MEETING - NAME.", u"", u"Budget review", u"", u"MEETING - WHERE AND WHEN.", u"", u"Room 4, Monday 10:00", u"",
                u"WHAT IS THE PURPOSE OF THIS MEETING?", u"", u"", u"", u"BACKGROUND RESEARCH.", u"", u"", u"",
                u"SECOND KEY ATTENDEE.", u"", u"Mr Okafor", u"", u"THE MEETING / AGENDA.", u"", u"", u"",
                u"WHAT TO TAKE.", u"", u"Laptop", u"Figures", u"", u"GENERAL NOTES.", u"", u""})},
        {Strategy,
         {{2, u"Win the Hanson account"_s}, {5, u"Ms Hanson"_s}, {6, u"Buyers"_s}, {8, u"1. Call\n2. Visit"_s},
          {9, u"Good: growth\nBad: risk"_s}},
         lines({u"", u"TASK - NAME.", u"", u"Win the Hanson account", u"", u"WHAT IS THE PURPOSE OF THIS TASK?", u"", u"", u"",
                u"BACKGROUND RESEARCH.", u"", u"", u"", u"KEY PLAYER.", u"", u"Ms Hanson", u"", u"OTHER PLAYERS.", u"", u"Buyers", u"",
                u"THE STRATEGY.", u"", u"", u"", u"THE STRATEGY STEPS.", u"", u"1. Call", u"2. Visit", u"",
                u"THE GOOD AND THE BAD.", u"", u"Good: growth", u"Bad: risk", u"", u"GENERAL NOTES.", u"", u""})},
        {PhoneCall,
         {{2, u"Follow up the quote"_s}, {4, u"Agree a date"_s}, {6, u"Price?"_s}},
         lines({u"", u"PHONE CALL - DESCRIPTION.", u"", u"Follow up the quote", u"", u"WHAT IS THE PURPOSE OF THIS PHONE CALL?", u"",
                u"Agree a date", u"", u"BACKGROUND RESEARCH.", u"", u"", u"", u"LIKELY QUESTIONS.", u"", u"Price?", u"",
                u"THE PHONE CALL.", u"", u"", u"", u"GENERAL NOTES.", u"", u""})}};
    for (const auto &[tool, answers, sheet] : walks) {
        start(tool);
        walkToSheet(answers);
        EXPECT_EQ(window->answerText(), sheet) << state().toolName.toStdString();
        EXPECT_EQ(title(), state().toolName + u" Summary");
        EXPECT_EQ(state().workName, answers.at(tool == Presentation ? 3 : 2));
        platform.answers = {platform::Yes};
        press(Finished);
    }
}
// clang-format on

} // namespace
