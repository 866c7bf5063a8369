#include "PlannerWindow.h"

#include <QAccessibleEditableTextInterface>
#include <QClipboard>
#include <QMimeData>
#include <QTextBlock>

namespace {

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

} // namespace
