#include "AnswerBox.h"

#include "AnswerBlocks.h"
#include "AnswerPieces.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScrollBar>
#include <QTextLayout>

// How the answer box keeps a long paragraph in pieces that show, move and
// select as the one paragraph they are.

namespace planner {

namespace {

// Seams are settled in order from the paragraph's start when that is at most
// this many pieces above the view, as after a jump into a paragraph of a
// megabyte; beyond that, only those in view are, and relative to the piece
// before them.
constexpr int SettledInOrder = 128;
// How much of the piece after a seam is laid out to find where a line of the
// whole paragraph ends.
constexpr int Lookahead = 2048;

} // namespace

std::pair<int, int> AnswerBox::paragraphAt(int position) const
{
    QTextBlock first = document()->findBlock(position);
    QTextBlock last = first;
    while (continues(first))
        first = first.previous();
    while (continues(last.next()))
        last = last.next();
    return {first.position(), last.position() + last.length() - 1};
}

void AnswerBox::showPosition(int position)
{
    const QTextBlock block = document()->findBlock(position);
    const QRectF area = blockBoundingGeometry(block).translated(contentOffset());
    const QTextLine line = block.layout()->lineForTextPosition(position - block.position());
    const qreal top = area.top() + (line.isValid() ? line.y() : 0);
    if (top < 0 || top + (line.isValid() ? line.height() : 0) > viewport()->height())
        keepAtTop(position);
}

// Qt moves by words within a block, so at a seam a word key would stop at the
// seam, as at no space of the paragraph's own: it goes on to where it would
// have gone without the seam.
bool AnswerBox::moveWordAcrossSeam(QKeyEvent *event)
{
    QTextCursor cursor = textCursor();
    const bool select = event->matches(QKeySequence::SelectPreviousWord)
        || event->matches(QKeySequence::SelectNextWord);
    const bool erase = event->matches(QKeySequence::DeleteStartOfWord)
        || event->matches(QKeySequence::DeleteEndOfWord);
    const auto mode = select || erase ? QTextCursor::KeepAnchor : QTextCursor::MoveAnchor;
    if (erase && cursor.hasSelection())
        return false; // the selection goes, as Qt does it
    if (mode == QTextCursor::MoveAnchor)
        cursor.clearSelection(); // else the first step would only end the selection
    if ((event->matches(QKeySequence::MoveToPreviousWord)
         || event->matches(QKeySequence::SelectPreviousWord)
         || event->matches(QKeySequence::DeleteStartOfWord))
        && cursor.atBlockStart() && continues(cursor.block())) {
        cursor.movePosition(QTextCursor::PreviousCharacter, mode);
        cursor.movePosition(QTextCursor::PreviousWord, mode);
    } else if ((event->matches(QKeySequence::MoveToNextWord)
                || event->matches(QKeySequence::SelectNextWord)
                || event->matches(QKeySequence::DeleteEndOfWord))
               && !cursor.atBlockEnd() && continues(cursor.block().next())) {
        cursor.movePosition(QTextCursor::NextWord, mode);
        if (cursor.atBlockEnd())
            cursor.movePosition(QTextCursor::NextCharacter, mode);
    } else {
        return false;
    }
    if (erase)
        cursor.removeSelectedText();
    setTextCursor(cursor);
    return true;
}

void AnswerBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    m_doubleClicked = event->timestamp();
    QPlainTextEdit::mouseDoubleClickEvent(event);
}

// A triple click selects the paragraph and its end, as Qt does a block, but
// all its pieces.
void AnswerBox::mousePressEvent(QMouseEvent *event)
{
    QPlainTextEdit::mousePressEvent(event);
    const bool triple =
        event->timestamp() - m_doubleClicked < quint64(QApplication::doubleClickInterval());
    QTextCursor cursor = textCursor();
    const auto [first, last] = paragraphAt(cursor.selectionStart());
    if (triple && cursor.hasSelection()
        && (first < cursor.selectionStart() || last >= cursor.selectionEnd())) {
        cursor.setPosition(first);
        cursor.setPosition(last, QTextCursor::KeepAnchor);
        cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::KeepAnchor);
        setTextCursor(cursor);
    }
}

void AnswerBox::showEvent(QShowEvent *event)
{
    QPlainTextEdit::showEvent(event);
    settleSoon();
}

void AnswerBox::resizeEvent(QResizeEvent *event)
{
    QPlainTextEdit::resizeEvent(event);
    if (event->size().width() != event->oldSize().width()) {
        for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
            if (block.userState() == Settled)
                block.setUserState(Continues);
        }
    }
    settleSoon();
}

// The seams in view are settled once the event that moved them is done, and
// before the box paints, which Qt leaves until the events before it are handled.
void AnswerBox::settleSoon()
{
    if (m_settleDue || m_mode.oneLine)
        return;
    m_settleDue = true;
    QMetaObject::invokeMethod(this, "settlePieces", Qt::QueuedConnection);
}

// Each seam in view, and those at its edges, goes where a line of the whole
// paragraph ends, and a piece in view grown too long is divided where one of
// its lines ends; the line at the top stays there.
void AnswerBox::settlePieces()
{
    m_settleDue = false;
    settle(firstVisibleBlock(), -1);
}

void AnswerBox::settleAround(int position)
{
    settle(document()->findBlock(position), position);
}

// Settles the seams from `start` to the end of the view, or, with `until`, to
// the seam after the piece holding that position.
void AnswerBox::settle(const QTextBlock &start, int until)
{
    if (!isVisible())
        return;
    // The caret's line stays where it is on show, or else the top line does.
    const int top = cursorForPosition(QPoint(1, 1)).position();
    const QRect caretWas = cursorRect();
    const bool caretShown = viewport()->rect().intersects(caretWas);
    // A seam is settled in order only if every seam before it in its paragraph is.
    QTextBlock from = start;
    QTextBlock block = from;
    for (int above = 0; continues(block) && above <= SettledInOrder; ++above) {
        if (block.userState() == Continues)
            from = block;
        block = block.previous();
    }
    const bool inOrder = !continues(block);
    if (!inOrder)
        from = start;
    const int first = from.position(); // seams above wait
    bool reshaped = false;
    for (block = from; block.isValid();) {
        const int position = block.position();
        const qreal blockTop = blockBoundingGeometry(block).translated(contentOffset()).top();
        if (block.length() > LongestPiece && divide(block, inOrder)) {
            reshaped = true;
            keepAtTop(top);
            block = document()->findBlock(position);
            continue;
        }
        if (position >= first && block.userState() == Continues
            && settleSeamBefore(block, inOrder)) {
            reshaped = true;
            keepAtTop(top);
            block = document()->findBlock(position - 1); // the piece that took its place
            continue;
        }
        if (until < 0 ? blockTop > viewport()->height() : position > until)
            break;
        block = block.next();
    }
    if (!reshaped || !caretShown)
        return;
    const QTextCursor caret = textCursor();
    const QTextLine line = caret.block().layout()->lineForTextPosition(caret.positionInBlock());
    if (line.isValid() && line.height() > 0) {
        m_settling = true;
        verticalScrollBar()->setValue(
            verticalScrollBar()->value()
            + qRound((cursorRect().top() - caretWas.top()) / line.height()));
        m_settling = false;
    }
    // Up and Down keep the caret's place along its line as the lines now are.
    QTextCursor moved(document());
    moved.setPosition(caret.anchor());
    moved.setPosition(caret.position(), QTextCursor::KeepAnchor);
    setTextCursor(moved);
}

// Moves the seam before `block` to where the whole paragraph's line ends that
// is the first to end at a space after it, or joins the pieces if none does
// nearby. True if it moved. `inOrder`: the seams before it are settled.
bool AnswerBox::settleSeamBefore(QTextBlock block, bool inOrder)
{
    const QTextBlock before = block.previous();
    blockBoundingRect(before); // laid out
    const QTextLayout *layout = before.layout();
    if (layout->lineCount() == 0)
        return false;
    const QTextLine last = layout->lineAt(layout->lineCount() - 1);
    const QString lastLine = before.text().sliced(last.textStart());
    const qsizetype seam = lastLine.size();
    const QString joined =
        lastLine + u' ' + QStringView(block.text()).first(std::min(block.length() - 1, Lookahead));
    QTextLayout lines(joined, document()->defaultFont());
    lines.setTextOption(document()->defaultTextOption());
    lines.beginLayout();
    qsizetype end = -1;
    for (QTextLine line = lines.createLine(); line.isValid(); line = lines.createLine()) {
        line.setLineWidth(last.width());
        const qsizetype lineEnd = line.textStart() + line.textLength();
        if (lineEnd > seam && canSeamAt(joined, lineEnd - 1)) {
            end = lineEnd;
            break;
        }
    }
    lines.endLayout();
    if (end == seam + 1) {
        block.setUserState(inOrder ? Settled : Continues);
        return false;
    }
    const int at = before.position() + last.textStart() + int(seam);
    const int moved = at + int(end - 1 - seam);
    {
        OwnEdit own(m_ownEdits);
        QTextCursor edit(document());
        edit.beginEditBlock();
        exchange(at, u' ');
        if (end > 0)
            exchange(moved, QChar::ParagraphSeparator);
        edit.endEditBlock();
    }
    keepSeamBefore(at);
    if (end > 0)
        document()->findBlock(moved + 1).setUserState(inOrder ? Settled : Continues);
    unsettle(*document(), at, end > 0 ? moved + 1 : at);
    return true;
}

// Divides a piece at the end of its line nearest the middle that ends at a space.
bool AnswerBox::divide(const QTextBlock &block, bool inOrder)
{
    const QTextLayout *layout = block.layout();
    const QString text = block.text();
    const int lines = layout->lineCount();
    for (int step = 0; step < lines; ++step) {
        for (const int i : {lines / 2 + step, lines / 2 - step - 1}) {
            if (i < 0 || i >= lines - 1)
                continue;
            const int end = layout->lineAt(i).textStart() + layout->lineAt(i).textLength();
            if (!canSeamAt(text, end - 1))
                continue;
            const int at = block.position() + end - 1;
            OwnEdit own(m_ownEdits);
            QTextCursor edit(document());
            edit.beginEditBlock();
            exchange(at, QChar::ParagraphSeparator);
            edit.endEditBlock();
            document()->findBlock(at + 1).setUserState(inOrder ? Settled : Continues);
            return true;
        }
    }
    return false;
}

// Puts `replacement` in place of the character at `position` such that
// every cursor, the caret and its selection included, keeps its place.
void AnswerBox::exchange(int position, QChar replacement)
{
    QTextCursor cursor(document());
    cursor.setPosition(position + 1);
    cursor.insertText(QString(replacement));
    cursor.setPosition(position);
    cursor.setPosition(position + 1, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
}

// Scrolls the line holding `position` to the top of the box.
void AnswerBox::keepAtTop(int position)
{
    const QTextBlock block = document()->findBlock(position);
    blockBoundingRect(block); // laid out
    const QTextLine line = block.layout()->lineForTextPosition(position - block.position());
    m_settling = true;
    verticalScrollBar()->setValue(block.firstLineNumber()
                                  + (line.isValid() ? line.lineNumber() : 0));
    m_settling = false;
}

} // namespace planner
