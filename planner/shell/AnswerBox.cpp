#include "AnswerBox.h"

#include "Twips.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>

namespace planner {

namespace {

bool isLineBreak(QChar c)
{
    return c == u'\n' || c == u'\r' || c == QChar::LineSeparator || c == QChar::ParagraphSeparator;
}

} // namespace

AnswerBox::AnswerBox(QWidget *parent)
    : QPlainTextEdit(parent)
{
    setTabChangesFocus(true);
}

bool AnswerBox::isOneLine() const
{
    return platform::twips(height()) < 1000;
}

QString AnswerBox::text() const
{
    // toRawText() keeps non-breaking spaces, which toPlainText() turns into blanks.
    const QString raw = document()->toRawText();
    QString text;
    text.reserve(raw.size() + document()->blockCount());
    for (const QChar c : raw) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            text += u"\r\n";
        else
            text += c;
    }
    return text;
}

void AnswerBox::setText(const QString &text)
{
    setPlainText(text);
}

void AnswerBox::resizeEvent(QResizeEvent *event)
{
    // One line of 12 points only fits a box this short without wrapping,
    // margins, frame or scroll bar; the text scrolls sideways instead.
    const bool oneLine = isOneLine();
    setLineWrapMode(oneLine ? NoWrap : WidgetWidth);
    setFrameShape(oneLine ? NoFrame : StyledPanel);
    setVerticalScrollBarPolicy(oneLine ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    document()->setDocumentMargin(oneLine ? 0 : 4);
    setViewportMargins(oneLine ? 3 : 0, 0, 0, 0);
    QPlainTextEdit::resizeEvent(event);
}

void AnswerBox::keyPressEvent(QKeyEvent *event)
{
    const QString typed = event->text();
    const bool inserts = !typed.isEmpty() && typed.front().isPrint()
        && !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (inserts && m_maxLength > 0 && fitted(typed).size() < typed.size()) {
        event->accept(); // full: the key is refused, as in any length-limited box
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void AnswerBox::insertFromMimeData(const QMimeData *source)
{
    if (!source->hasText())
        return;
    insertPlainText(fitted(source->text()));
}

void AnswerBox::inputMethodEvent(QInputMethodEvent *event)
{
    const QString commit = event->commitString();
    const QString kept = fitted(commit);
    if (kept == commit) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent trimmed(event->preeditString(), event->attributes());
    trimmed.setCommitString(kept, event->replacementStart(), event->replacementLength());
    QPlainTextEdit::inputMethodEvent(&trimmed);
}

QString AnswerBox::fitted(QString text) const
{
    if (isOneLine())
        text.removeIf(isLineBreak);
    if (m_maxLength > 0) {
        const qsizetype length = document()->characterCount() - 1;
        const qsizetype selected = textCursor().selectedText().size();
        qsizetype room = std::max<qsizetype>(0, m_maxLength - (length - selected));
        if (room < text.size() && room > 0 && text.at(room - 1).isHighSurrogate())
            --room; // never split a character in two
        text.truncate(room);
    }
    return text;
}

} // namespace planner
