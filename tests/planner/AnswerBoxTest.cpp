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
};

// The name box keeps its rule on every way in, the free box after it every key of a long
// paragraph, and undo and redo take back and bring again what each kept.
TEST_F(AnswerBox, EveryWayInKeepsTheBoxesRulesAndUndoesToTheStart)
{
    const QString letters = u"Quarterly review with the northern region sales team"_s;
    QTest::keyClicks(box(), letters.first(16));
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter})
        QTest::keyClick(box(), key, Qt::ShiftModifier);
    QTest::keyClicks(box(), letters.sliced(16));
    EXPECT_EQ(text(), letters.first(40));
    for (int i = 0; i < letters.size(); ++i)
        QTest::keyClick(box(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(text(), u""_s);
    for (int i = 0; i < letters.size(); ++i)
        QTest::keyClick(box(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(text() + u'|' + QString::number(box()->textCursor().position()),
              letters.first(40) + u"|40");
    box()->selectAll();
    QTest::keyClicks(box(), QString(40, u'W')); // the widest name stays on its one line
    EXPECT_EQ(box()->verticalScrollBar()->maximum(), 0);

    // The user's ways are one undo step, mend included; the program's and an
    // assistive tool's start the history afresh.
    const std::tuple<std::function<void()>, QString, bool> ways[] = {
        {[&] { paste(u"Q3 review\r\nnorthern\u2029and more "_s + QString(30, u'x')); },
         u"Q3 reviewnorthernand more " + QString(14, u'x'), true},
        {[&] {
             QInputMethodEvent input; // as an input method commits it
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

    // The next screen's free box, with keys falling wherever in a long paragraph.
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

    while (box()->document()->isUndoAvailable())
        QTest::keyClick(box(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(text(), u""_s);
    while (box()->document()->isRedoAvailable())
        QTest::keyClick(box(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(text(), typed);
    box()->selectAll();
    QTest::keyClick(box(), Qt::Key_X, Qt::ControlModifier); // cut and pasted back, it is the same
    paste(QApplication::clipboard()->text());
    press(Step::Forward);
    press(Step::Back);
    EXPECT_EQ(text(), typed);
}

} // namespace
