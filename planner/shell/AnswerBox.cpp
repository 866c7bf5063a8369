#include "AnswerBox.h"

#include "AnswerRule.h"
#include "WindowParts.h"

#include <QKeyEvent>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>

#include <utility>

namespace planner {

namespace {

// The text between two positions, each paragraph's end as `lineBreak` and
// every other character as it is; unlike toPlainText(), which turns
// non-breaking spaces into blanks.
QString textBetween(const QTextDocument &document, int from, int to, QStringView lineBreak)
{
    QTextCursor cursor(const_cast<QTextDocument *>(&document));
    cursor.setPosition(from);
    cursor.setPosition(to, QTextCursor::KeepAnchor);
    const QString text = cursor.selectedText();
    QString joined;
    joined.reserve(text.size());
    for (const QChar c : text) {
        if (c == QChar::ParagraphSeparator)
            joined += lineBreak;
        else
            joined += c;
    }
    return joined;
}

} // namespace

QFont answerFont()
{
    QFont font = parts::arial(12);
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

AnswerBox::AnswerBox(QWidget *parent)
    : QPlainTextEdit(parent)
{
    setTabChangesFocus(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setMode(FreeAnswer);
    connect(document(), &QTextDocument::contentsChanged, this, &AnswerBox::keepToMode);
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
    keepToMode();
}

QString AnswerBox::text() const
{
    return textBetween(*document(), 0, document()->characterCount() - 1, u"\r\n");
}

void AnswerBox::setText(const QString &text)
{
    setPlainText(admitted(m_mode, text, m_mode.maxLength));
}

qsizetype AnswerBox::room(qsizetype replaced) const
{
    const QTextCursor cursor = textCursor();
    const int kept =
        document()->characterCount() - 1 - (cursor.selectionEnd() - cursor.selectionStart());
    return m_mode.maxLength - kept + replaced;
}

void AnswerBox::keyPressEvent(QKeyEvent *event)
{
    // Alt with a letter is an access key; where no button takes it, it types nothing.
    if ((event->modifiers() & (Qt::AltModifier | Qt::ControlModifier)) == Qt::AltModifier
        && !event->text().isEmpty()) {
        event->ignore();
        return;
    }
    // Shift+Return would break the line inside the paragraph; it ends the paragraph, as Return
    // does.
    if (event->matches(QKeySequence::InsertLineSeparator)) {
        QKeyEvent paragraph(event->type(), Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"));
        QPlainTextEdit::keyPressEvent(&paragraph);
        event->setAccepted(paragraph.isAccepted());
        return;
    }
    const QString typed = event->text();
    if (m_mode.oneLine && !typed.isEmpty() && typed.front().isPrint()
        && !(event->modifiers() & Qt::ControlModifier)) {
        const QString kept = admitted(m_mode, typed, room());
        if (kept != typed) {
            if (!kept.isEmpty())
                insertAdmitted(kept);
            event->accept();
            return;
        }
    }
    QPlainTextEdit::keyPressEvent(event);
}

void AnswerBox::inputMethodEvent(QInputMethodEvent *event)
{
    const QString offered = event->commitString();
    const QString kept = admitted(m_mode, offered, room(event->replacementLength()));
    if (kept == offered) {
        QPlainTextEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent fitted(event->preeditString(), event->attributes());
    fitted.setCommitString(kept, event->replacementStart(), event->replacementLength());
    QPlainTextEdit::inputMethodEvent(&fitted);
    event->setAccepted(fitted.isAccepted());
}

bool AnswerBox::canInsertFromMimeData(const QMimeData *source) const
{
    return source->hasText();
}

// Pastes and drops: the plain text only, as the mode takes it.
void AnswerBox::insertFromMimeData(const QMimeData *source)
{
    if (!isReadOnly() && source->hasText())
        insertAdmitted(source->text());
}

// What is cut, copied or dragged is the text as text() reads it.
QMimeData *AnswerBox::createMimeDataFromSelection() const
{
    const QTextCursor cursor = textCursor();
    auto *data = new QMimeData;
    data->setText(textBetween(*document(), cursor.selectionStart(), cursor.selectionEnd(), u"\n"));
    return data;
}

void AnswerBox::insertAdmitted(QStringView offered)
{
    QTextCursor cursor = textCursor();
    cursor.beginEditBlock(); // the selection it replaces goes with it in one undo step
    cursor.insertText(admitted(m_mode, offered, room()));
    cursor.endEditBlock();
    setTextCursor(cursor);
    ensureCursorVisible();
}

// Assistive tools and the program change the document directly, not through
// the box. A name they leave too long or broken is mended here; undo would
// take the mend apart from the edit that needed it, so the history starts
// again from the mended name.
void AnswerBox::keepToMode()
{
    if (m_keeping || !m_mode.oneLine)
        return;
    const QString name = text();
    const QString kept = admitted(m_mode, name, m_mode.maxLength);
    if (kept == name)
        return;
    m_keeping = true;
    QTextCursor cursor(this->document());
    cursor.select(QTextCursor::Document);
    cursor.insertText(kept);
    this->document()->clearUndoRedoStacks();
    m_keeping = false;
}

} // namespace planner
