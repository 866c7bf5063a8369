#include "AnswerBox.h"

#include "AccessibleAnswerBox.h"
#include "AnswerBlocks.h"
#include "AnswerPieces.h"
#include "AnswerRule.h"
#include "WindowParts.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QTextBlock>
#include <QTextCursor>

namespace planner {

namespace {

// The text with every line break as the document's paragraph end.
QString withParagraphEnds(QString text)
{
    text.replace(QStringLiteral("\r\n"), QString(QChar::ParagraphSeparator));
    for (QChar &c : text) {
        if (c == u'\r' || c == u'\n')
            c = QChar::ParagraphSeparator;
    }
    return text;
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
    installAccessibleAnswerBox();
    setTabChangesFocus(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    document()->setUndoRedoEnabled(false);
    setMode(FreeAnswer);
    connect(document(), &QTextDocument::contentsChange, this, &AnswerBox::changed);
    connect(document(), &QTextDocument::contentsChanged, this, &AnswerBox::keepToMode);
    // Scrolled, by the user or to show the caret.
    connect(this, &QPlainTextEdit::updateRequest, this, [this](const QRect &, int dy) {
        if (dy != 0 && !m_settling)
            settleSoon();
    });
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

int AnswerBox::length() const
{
    return document()->characterCount() - 1;
}

QString AnswerBox::text() const
{
    return text(0, length(), u"\r\n");
}

QString AnswerBox::text(int from, int to, QStringView lineBreak) const
{
    QString text;
    text.reserve(to - from);
    for (QTextBlock block = document()->findBlock(from); block.isValid() && block.position() < to;
         block = block.next()) {
        const QString piece = block.text();
        const int start = block.position();
        const int end = start + int(piece.size()); // where the block's paragraph end or seam is
        if (std::min(to, end) > std::max(from, start))
            text += QStringView(piece).sliced(std::max(from, start) - start,
                                              std::min(to, end) - std::max(from, start));
        if (end >= from && end < to)
            text += continues(block.next()) ? QStringView(u" ") : lineBreak;
    }
    return text;
}

void AnswerBox::setText(const QString &text)
{
    put(0, length(), withParagraphEnds(admitted(m_mode, text, m_mode.maxLength)));
    m_history.clear();
    setTextCursor(QTextCursor(document()));
}

int AnswerBox::replace(int from, int to, QStringView offered)
{
    const QString kept =
        withParagraphEnds(admitted(m_mode, offered, m_mode.maxLength - length() + (to - from)));
    TextChange change{from, m_held.sliced(from, to - from), kept};
    if (change.removed != change.inserted) {
        put(from, to, kept);
        m_history.record(std::move(change));
    }
    return int(kept.size());
}

qsizetype AnswerBox::room(qsizetype replaced) const
{
    const QTextCursor cursor = textCursor();
    return m_mode.maxLength - length() + (cursor.selectionEnd() - cursor.selectionStart())
        + replaced;
}

void AnswerBox::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Undo) || event->matches(QKeySequence::Redo)) {
        apply(event->matches(QKeySequence::Undo) ? m_history.undo() : m_history.redo());
        return;
    }
    if (moveWordAcrossSeam(event))
        return;
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
    data->setText(text(cursor.selectionStart(), cursor.selectionEnd(), u"\n"));
    return data;
}

// The menu's Undo and Redo are the box's own.
void AnswerBox::contextMenuEvent(QContextMenuEvent *event)
{
    std::unique_ptr<QMenu> menu(createStandardContextMenu(event->pos()));
    for (QAction *action : menu->actions()) {
        const bool undo = action->objectName() == u"edit-undo";
        if (!undo && action->objectName() != u"edit-redo")
            continue;
        action->disconnect();
        action->setEnabled(undo ? isUndoAvailable() : isRedoAvailable());
        connect(action, &QAction::triggered, this, undo ? &AnswerBox::undo : &AnswerBox::redo);
    }
    menu->exec(event->globalPos());
}

void AnswerBox::undo()
{
    apply(m_history.undo());
}

void AnswerBox::redo()
{
    apply(m_history.redo());
}

void AnswerBox::apply(const std::optional<TextChange> &change)
{
    if (!change)
        return;
    put(int(change->at), int(change->at + change->removed.size()), change->inserted);
    QTextCursor caret(document());
    caret.setPosition(int(change->at + change->inserted.size()));
    setTextCursor(caret);
}

void AnswerBox::insertAdmitted(QStringView offered)
{
    const QTextCursor cursor = textCursor();
    const int from = cursor.selectionStart();
    QTextCursor caret(document());
    caret.setPosition(from + replace(from, cursor.selectionEnd(), offered));
    setTextCursor(caret);
}

// Puts `text`, paragraph ends as U+2029, in place of what is between `from`
// and `to`: paragraphs too long for one piece go in as pieces.
void AnswerBox::put(int from, int to, const QString &text)
{
    QTextCursor cursor(document());
    cursor.setPosition(from);
    const QList<qsizetype> seams = seamsFor(text, cursor.positionInBlock());
    QString pieces = text;
    for (const qsizetype seam : seams)
        pieces[seam] = QChar::ParagraphSeparator;
    const QString removed = QAccessible::isActive() ? this->text(from, to, u"\n") : QString();
    const int caretWas = textCursor().position();
    {
        OwnEdit own(m_ownEdits);
        cursor.setPosition(to, QTextCursor::KeepAnchor);
        cursor.insertText(pieces);
        keepSeamBefore(from);
        for (const qsizetype seam : seams)
            document()->findBlock(from + int(seam) + 1).setUserState(Continues);
        unsettle(*document(), from, from + int(text.size()));
    }
    m_held.replace(from, to - from, text);
    if (QAccessible::isActive()) {
        QAccessibleTextUpdateEvent told(this, from, removed,
                                        QString(text).replace(QChar::ParagraphSeparator, u'\n'));
        QAccessible::updateAccessibility(&told);
        // The edit moved the caret while Qt's own word of it was held back.
        if (textCursor().position() != caretWas) {
            QAccessibleTextCursorEvent moved(this, textCursor().position());
            QAccessible::updateAccessibility(&moved);
        }
    }
    settleSoon();
}

// Every change to the document that the box did not make itself: the user's
// edits through Qt's keys, and the program's.
void AnswerBox::changed(int from, int removed, int added)
{
    if (m_ownEdits > 0)
        return;
    keepSeamBefore(from);
    unsettle(*document(), from, from + added);
    settleSoon();
    // Replacing the whole text counts the document's closing paragraph end too.
    const int gone = std::clamp<int>(removed, 0, std::max<int>(0, int(m_held.size()) - from));
    TextChange change{from, m_held.mid(from, gone),
                      text(from, std::min(from + added, length()), u"\u2029")};
    m_held.replace(from, gone, change.inserted);
    if (m_held.size() != length()) { // Qt's counts off: the text is read again, whole
        m_held = text(0, length(), u"\u2029");
        m_history.clear();
    } else if (change.removed != change.inserted) {
        m_history.record(std::move(change));
    }
}

// Where an edit joins two blocks, Qt keeps the later one's state, whatever
// stood before the earlier one: the block holding the edit's start is given
// back the meaning of the block end before it, a seam or a paragraph's end.
void AnswerBox::keepSeamBefore(int from)
{
    QTextBlock block = document()->findBlock(from);
    const int start = block.position();
    const bool seam = start > 0 && m_held[start - 1] == u' ';
    if (seam != continues(block))
        block.setUserState(seam ? Continues : -1);
}

// The program changes the document directly, not through the box. A name it
// leaves too long or broken is mended here; undo would take the mend apart
// from the edit that needed it, so the history starts again from the mended
// name.
void AnswerBox::keepToMode()
{
    if (m_ownEdits > 0 || !m_mode.oneLine)
        return;
    const QString name = text();
    const QString kept = admitted(m_mode, name, m_mode.maxLength);
    if (kept == name)
        return;
    put(0, length(), kept);
    m_history.clear();
}

} // namespace planner
