#include "PlannerWindow.h"

#include "Accessibility.h"

#include <QAccessibleEditableTextInterface>
#include <QClipboard>
#include <QMimeData>
#include <QScrollBar>

namespace {

// The answer box on the naming screen of the Meeting Planner. What the name
// box takes is the logic's rule; here every way in reaches it.
class AnswerBox : public PlannerWindow
{
protected:
    void SetUp() override
    {
        PlannerWindow::SetUp();
        start(Tool::Meeting);
        press(Step::Forward);
    }
    QString text() const { return window->answerText(); }
    void paste(const QString &text) const
    {
        auto *data = new QMimeData;
        data->setText(text);
        data->setHtml(u"<h1>"_s + text);
        QApplication::clipboard()->setMimeData(data);
        QTest::keyClick(box(), Qt::Key_V, Qt::ControlModifier);
    }
    void undoAll() const
    {
        while (box()->document()->isUndoAvailable())
            QTest::keyClick(box(), Qt::Key_Z, Qt::ControlModifier);
    }
    void redoAll() const
    {
        while (box()->document()->isRedoAvailable())
            QTest::keyClick(box(), Qt::Key_Y, Qt::ControlModifier);
    }
    void toFreeBox() const
    {
        type(u"Budget review"_s);
        press(Step::Forward);
    }
};

const QString letters = u"Quarterly review with the northern region sales team"_s;

// The name is one line of at most 40 characters, however wide, whatever else is typed.
TEST_F(AnswerBox, TheNameBoxTakesOneLineOfFortyCharacters)
{
    QTest::keyClicks(box(), letters.first(16));
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter})
        QTest::keyClick(box(), key, Qt::ShiftModifier);
    QTest::keyClicks(box(), letters.sliced(16));
    EXPECT_EQ(text(), letters.first(40));
    box()->selectAll();
    QTest::keyClicks(box(), QString(40, u'W'));
    EXPECT_EQ(box()->verticalScrollBar()->maximum(), 0);
}

TEST_F(AnswerBox, UndoAndRedoTakeBackAndBringAgainEachKey)
{
    QTest::keyClicks(box(), letters);
    undoAll();
    EXPECT_EQ(text(), u""_s);
    redoAll();
    EXPECT_EQ(text() + u'|' + QString::number(box()->textCursor().position()),
              letters.first(40) + u"|40");
}

// A paste and an input method's text are fitted to the name and undone in one step; a name
// the program or an assistive tool leaves broken is mended, and its history starts afresh.
TEST_F(AnswerBox, EveryWayInKeepsTheNameBoxsRule)
{
    const std::tuple<std::function<void()>, QString, bool> ways[] = {
        {[&] { paste(u"Q3 review\r\nnorthern\u2029and more "_s + QString(30, u'x')); },
         u"Q3 reviewnorthernand more " + QString(14, u'x'), true},
        {[&] {
             QInputMethodEvent input;
             input.setCommitString(u"Caf\u00e9\tnorth"_s + QString(50, u'y'));
             QApplication::sendEvent(box(), &input);
         },
         u"Caf\u00e9north" + QString(31, u'y'), true},
        {[&] { box()->setPlainText(u"Plan\tA\u001b[2J\u0000B"_s); }, u"PlanA[2JB"_s, false},
        {[&] {
             QAccessible::queryAccessibleInterface(box())->editableTextInterface()->replaceText(
                 0, 2, QString(45, u'x') + u"\nsecond");
         },
         QString(40, u'x'), false},
    };
    QTest::keyClicks(box(), u"Start"_s);
    for (const auto &[way, kept, undoable] : ways) {
        const QString before = text();
        box()->selectAll();
        way();
        EXPECT_EQ(text(), kept);
        QTest::keyClick(box(), Qt::Key_Z, Qt::ControlModifier);
        EXPECT_EQ(text(), undoable ? before : kept);
    }
    press(Step::Forward);
    EXPECT_EQ(state().workName, QString(40, u'x'));
}

// Shift+Return ends a paragraph as Return does, so an answer holds only line breaks
// that a file and a printer know.
TEST_F(AnswerBox, ShiftReturnBreaksTheLineAsReturnDoes)
{
    toFreeBox();
    type(u"Room 4"_s);
    QTest::keyClick(box(), Qt::Key_Return, Qt::ShiftModifier);
    type(u"Monday"_s);
    EXPECT_EQ(text(), u"Room 4\r\nMonday");
}

// A long paragraph keeps every key where it fell, reads to a screen reader as it holds,
// undoes to empty and redoes whole, and survives a cut and paste and leaving the screen.
TEST_F(AnswerBox, ALongParagraphKeepsEveryKeyWhereItFell)
{
    toFreeBox();
    QString paragraph;
    for (int i = 0; paragraph.size() < 24000; ++i)
        paragraph += u"word" + QString::number(i) + u'\u00a0';
    paste(paragraph);
    QString typed = paragraph; // with a document's one-character line breaks
    QTextCursor cursor = box()->textCursor();
    for (const int at : {8292, 16484}) {
        typed.replace(at - 1, 1, u"\nz"_s);
        cursor.setPosition(at);
        box()->setTextCursor(cursor);
        for (const Qt::Key key :
             {Qt::Key_Return, Qt::Key_Backspace, Qt::Key_Backspace, Qt::Key_Return, Qt::Key_Z})
            QTest::keyClick(box(), key);
    }
    typed.replace(u'\n', u"\r\n"_s);
    EXPECT_EQ(text(), typed);
    EXPECT_EQ(accessibleText(box()).replace(u"\n"_s, u"\r\n"_s), typed);
    undoAll();
    EXPECT_EQ(text(), u""_s);
    redoAll();
    EXPECT_EQ(text(), typed);
    box()->selectAll();
    QTest::keyClick(box(), Qt::Key_X, Qt::ControlModifier);
    paste(QApplication::clipboard()->text());
    press(Step::Forward);
    press(Step::Back);
    EXPECT_EQ(text(), typed);
}

} // namespace
