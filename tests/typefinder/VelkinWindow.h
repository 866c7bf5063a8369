#pragma once

#include "TraitAnswer.h"
#include "Velkin.h"
#include "WindowTest.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

// Joined texts in failures as readable as QStrings.
template<typename A, typename B> void PrintTo(const QStringBuilder<A, B> &text, std::ostream *out)
{
    PrintTo(QString(text), out);
}

class VelkinWindow : public WindowTest<typefinder::Velkin>
{
protected:
    // The panel's text; none before the panel is first needed.
    QString panel() const
    {
        const auto *shown = window->findChild<QPlainTextEdit *>(u"Label4"_s);
        return shown ? shown->toPlainText() : QString();
    }
    // How high a panel's text is once wrapped to the panel's width.
    static int textHeight(const QPlainTextEdit *panel)
    {
        const QRect area(0, 0, panel->viewport()->width() - 8, 100000);
        const QFontMetrics metrics = panel->fontMetrics();
        return metrics.boundingRect(area, Qt::TextWordWrap, panel->toPlainText()).height() + 8;
    }
    // Which of the controls that come and go are shown now, and which options are selected.
    QString showing() const
    {
        return shown({"Frame2", "Frame3", "Option5", "Option6", "Label4", "Label5", "Command2",
                      "Command3", "Command4"});
    }
    QString selection() const
    {
        return which(
            window.get(),
            {"Option1", "Option2", "Option7", "Option3", "Option4", "Option8", "Option5",
             "Option6"},
            [](const QWidget *o) { return static_cast<const QAbstractButton *>(o)->isChecked(); });
    }
    // The panel shows the text, all of it above the buttons, and has the focus.
    void expectPanel(const QString &text) const
    {
        EXPECT_EQ(panel(), QString(text).replace(u"\r\n"_s, u"\n"_s));
        EXPECT_EQ(showing() + u'|' + focused(), u"Label4 Command2 Command3 Command4|Label4");
        const auto *shown = find<QPlainTextEdit>("Label4");
        EXPECT_LE(textHeight(shown),
                  std::min(shown->viewport()->height(), find("Command2")->y() - shown->y()))
            << panel().toStdString();
    }

    // What printing a window changes for paper: the panel's colours, or the results' wording.
    static QString printFace(const QWidget &window)
    {
        if (const auto *panel = window.findChild<QPlainTextEdit *>(u"Label4"_s))
            return panel->palette().color(QPalette::Text).name()
                + panel->palette().color(QPalette::Base).name();
        return find<QLabel>(&window, "Label5")->text() + u'|'
            + find<QLabel>(&window, "Label3")->text();
    }
    // Opens the detailed test and lets `drive` work it before it closes.
    void runTest(const std::function<void(QDialog &)> &drive)
    {
        onModal(drive);
        click({"Option8"});
    }
    // Answers question after question with the trait of each letter in turn ("-" for Don't Know).
    static void answerLetters(QDialog &test, QStringView letters)
    {
        for (int q = 0; q < letters.size(); ++q)
            click(&test, u"Command2_%1"_s.arg(traitAnswer(q, letters[q])));
    }
};
