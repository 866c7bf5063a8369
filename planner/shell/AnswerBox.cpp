#include "AnswerBox.h"

#include <QKeyEvent>
#include <QTextCursor>

namespace planner {

namespace {

// Line breaks, tabs, escapes, NUL: nothing a one-line name can hold or a file name should carry.
bool isControl(QChar c)
{
    return c.category() == QChar::Other_Control || c == QChar::LineSeparator
        || c == QChar::ParagraphSeparator;
}

} // namespace

AnswerBox::AnswerBox(QWidget *parent)
    : QPlainTextEdit(parent)
{
    setTabChangesFocus(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setMode(FreeAnswer);
    connect(document(), &QTextDocument::contentsChange, this,
            [this](int position, int, int added) { keepToMode(position, added); });
}

void AnswerBox::setMode(AnswerMode mode)
{
    m_mode = mode;
    // One line of 12 points only fits the name box without wrapping, margins,
    // frame or scroll bar; the text scrolls sideways instead.
    setLineWrapMode(mode.oneLine ? NoWrap : WidgetWidth);
    setFrameShape(mode.oneLine ? NoFrame : StyledPanel);
    setVerticalScrollBarPolicy(mode.oneLine ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAlwaysOn);
    document()->setDocumentMargin(mode.oneLine ? 0 : 4);
    setViewportMargins(mode.oneLine ? 3 : 0, 0, 0, 0);
    keepToMode(0, document()->characterCount());
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

void AnswerBox::keyPressEvent(QKeyEvent *event)
{
    // Alt with a letter is an access key; where no button takes it, it types nothing.
    if ((event->modifiers() & (Qt::AltModifier | Qt::ControlModifier)) == Qt::AltModifier
        && !event->text().isEmpty()) {
        event->ignore();
        return;
    }
    QPlainTextEdit::keyPressEvent(event);
}

void AnswerBox::setText(const QString &text)
{
    setPlainText(text);
}

// Takes out of the `added` characters at `position` what the mode does not
// allow: control characters on one line, and what runs past the limit. Looks
// only at what was added and mends it in one edit, so a huge paste costs
// once and a key press costs next to nothing.
void AnswerBox::keepToMode(int position, int added)
{
    if (m_keeping || (!m_mode.oneLine && m_mode.maxLength == 0))
        return;
    const int length = document()->characterCount() - 1;
    const int end = std::min(position + added, length);
    if (end <= position)
        return;
    QTextCursor cursor(document());
    cursor.setPosition(position);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    const QString addedText = cursor.selectedText();
    QString kept = addedText;
    if (m_mode.oneLine)
        kept.removeIf(isControl);
    if (m_mode.maxLength > 0) {
        qsizetype room = std::max<qsizetype>(0, m_mode.maxLength - (length - addedText.size()));
        if (room < kept.size()) {
            if (room > 0 && kept.at(room - 1).isHighSurrogate())
                --room; // a character is kept whole or not at all
            kept.truncate(room);
        }
    }
    if (kept.size() == addedText.size())
        return;
    m_keeping = true;
    cursor.joinPreviousEditBlock(); // one undo takes back the edit and its mending
    cursor.insertText(kept);
    cursor.endEditBlock();
    m_keeping = false;
}

} // namespace planner
