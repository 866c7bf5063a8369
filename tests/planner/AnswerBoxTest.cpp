#include "PlannerWindow.h"

#include "Accessibility.h"

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
        start(Tool::Meeting);
        press(Step::Forward);
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
    box()->setPlainText(QString(39, u'z'));
    press(Step::Forward);
    EXPECT_EQ(state().workName, QString(39, u'z'));
}

TEST_F(AnswerBox, TheTallBoxTakesLinesAndPlainTextAndKeepsEveryCharacter)
{
    type(u"Budget review"_s);
    press(Step::Forward);
    paste(u"Room 4\nMonday"_s, u"<h1>Room 4</h1><p>Monday</p>"_s);
    QTest::keyClick(box(), Qt::Key_Return);
    type(QString(200, u'a'));
    QTest::keyClick(box(), Qt::Key_Return, Qt::ShiftModifier);
    const QString exotic = u"Caf\u00e9\u00a0\u20ac 5\u00a0000, \u4f1a\u8b70 \U0001F600"_s;
    box()->insertPlainText(exotic);
    press(Step::Forward);
    const QString answer = u"Room 4\r\nMonday\r\n" + QString(200, u'a') + u"\r\n" + exotic;
    EXPECT_EQ(state().screen(3).answer, answer); // the non-breaking spaces too
    press(Step::Back);
    EXPECT_EQ(window->answerText(), answer);
}

// What is typed is what is kept, whatever the length of the paragraph and
// wherever the keys fall; undo takes it all back and redo brings it again.
TEST_F(AnswerBox, ALongParagraphKeepsEveryKeyAndUndoesToTheStart)
{
    type(u"Budget review"_s);
    press(Step::Forward);
    QString paragraph;
    for (int i = 0; paragraph.size() < 24000; ++i)
        paragraph += u"word" + QString::number(i) + u' ';
    paste(paragraph);
    QString typed = paragraph; // with a document's one-character line breaks
    QTextCursor cursor = box()->textCursor();
    for (const int at : {8292, 16484}) {
        typed.replace(at - 1, 1, u"\nz"_s);
        cursor.setPosition(at);
        box()->setTextCursor(cursor);
        QTest::keyClick(box(), Qt::Key_Return);
        QTest::keyClick(box(), Qt::Key_Backspace);
        QTest::keyClick(box(), Qt::Key_Backspace);
        QTest::keyClick(box(), Qt::Key_Return);
        QTest::keyClick(box(), Qt::Key_Z);
    }
    typed.replace(u'\n', u"\r\n"_s);
    EXPECT_EQ(window->answerText(), typed);
    EXPECT_EQ(accessibleText(box()).replace(u"\n"_s, u"\r\n"_s), typed);

    const auto key = [this](Qt::Key key) {
        QTest::keyClick(box(), key, Qt::ControlModifier);
    };
    while (box()->document()->isUndoAvailable())
        key(Qt::Key_Z);
    EXPECT_EQ(window->answerText(), u""_s);
    while (box()->document()->isRedoAvailable())
        key(Qt::Key_Y);
    EXPECT_EQ(window->answerText(), typed);
    press(Step::Forward);
    press(Step::Back);
    EXPECT_EQ(window->answerText(), typed);
}

TEST_F(AnswerBox, UndoTakesBackTypingTheNameBoxCut)
{
    const QString letters = u"abcdefghijklmnopqrstuvwxyzabcdefghijklmnopqrs"_s;
    QTest::keyClicks(box(), letters);
    EXPECT_EQ(text(), letters.first(40));
    for (int i = 0; i < 45; ++i)
        QTest::keyClick(box(), Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(text(), u""_s);
    for (int i = 0; i < 45; ++i)
        QTest::keyClick(box(), Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(text(), letters.first(40));
    EXPECT_EQ(box()->textCursor().position(), 40);
}

} // namespace
