#include "PlannerWindow.h"

#include <QClipboard>
#include <QInputMethodEvent>
#include <QMimeData>

namespace {

class AnswerBox : public PlannerWindow
{
protected:
    void toNameBox() const
    {
        start(Meeting);
        press(Forward);
        ASSERT_EQ(title(), u"Meeting - Name.");
    }

    void toTallBox() const
    {
        toNameBox();
        type(QStringLiteral("Budget review"));
        press(Forward);
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

    void commit(const QString &text) const
    {
        QInputMethodEvent event;
        event.setCommitString(text);
        QApplication::sendEvent(box(), &event);
    }

    QString boxText() const { return box()->toPlainText(); }
};

TEST_F(AnswerBox, TheNameBoxTakesOneLineOfFortyCharacters)
{
    toNameBox();
    type(QStringLiteral("Quarterly review"));
    QTest::keyClick(box(), Qt::Key_Return);
    QTest::keyClick(box(), Qt::Key_Enter);
    QTest::keyClick(box(), Qt::Key_Return, Qt::ShiftModifier);
    type(QStringLiteral(" with the northern region sales team"));
    EXPECT_EQ(boxText(), u"Quarterly review with the northern regio");

    // A full box takes nothing more, from any source.
    paste(QStringLiteral("more"));
    commit(QStringLiteral("more"));
    EXPECT_EQ(boxText().size(), 40);

    // Typing over a selection is still possible.
    QTest::keyClick(box(), Qt::Key_A, Qt::ControlModifier);
    type(QStringLiteral("Plan"));
    EXPECT_EQ(boxText(), u"Plan");
}

TEST_F(AnswerBox, PastedNamesLoseTheirLineBreaksAndAreCut)
{
    toNameBox();
    paste(QStringLiteral("Q3 review\r\nnorthern region\nand more"), QStringLiteral("<b>Q3</b>"));
    EXPECT_EQ(boxText(), u"Q3 reviewnorthern regionand more");

    box()->clear();
    paste(QString(60, u'x'));
    EXPECT_EQ(boxText(), QString(40, u'x'));

    box()->clear();
    commit(u"Caf\u00e9\nnorth" + QString(50, u'y'));
    EXPECT_EQ(boxText(), u"Caf\u00e9north" + QString(31, u'y'));

    // A character outside the basic plane is kept whole or not at all.
    box()->clear();
    type(QString(39, u'z'));
    paste(QStringLiteral("\U0001F600"));
    EXPECT_EQ(boxText(), QString(39, u'z'));

    press(Forward);
    EXPECT_EQ(state().workName, QString(39, u'z'));
}

TEST_F(AnswerBox, TheTallBoxTakesLinesAndPlainTextOnly)
{
    toTallBox();
    EXPECT_EQ(box()->geometry().height(), 145); // 2175 twips
    paste(QStringLiteral("Room 4\nMonday"), QStringLiteral("<h1>Room 4</h1><p>Monday</p>"));
    QTest::keyClick(box(), Qt::Key_Return);
    type(QString(200, u'a'));
    QTest::keyClick(box(), Qt::Key_Return, Qt::ShiftModifier);
    type(QStringLiteral("end"));
    press(Forward);
    EXPECT_EQ(state().screen(3).answer, u"Room 4\r\nMonday\r\n" + QString(200, u'a') + u"\r\nend");
}

TEST_F(AnswerBox, EveryCharacterComesBackAsTyped)
{
    toTallBox();
    const QString typed =
        QString::fromUtf16(u"Caf\u00e9\u00a0\u20ac 5\u00a0000, \u4f1a\u8b70 \U0001F600");
    box()->insertPlainText(typed);
    press(Forward);
    EXPECT_EQ(state().screen(3).answer, typed); // the non-breaking spaces too
    press(Back);
    EXPECT_EQ(box()->document()->toRawText(), typed);
}

} // namespace
