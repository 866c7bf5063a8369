#include "AnswerBox.h"

#include <QKeyEvent>
#include <QTextBoundaryFinder>
#include <QTextCursor>

namespace planner {

namespace {

// A block longer than this is cut into pieces of at most PieceLength; a piece
// typed on grows back to LongestBlock before it is cut again.
constexpr int LongestBlock = 16384;
constexpr int PieceLength = 8192;

// The number of the cut that began a piece, in its block format; 0 (no
// property) for a block that begins a paragraph. A block continues the one
// before when its number is set and differs from that block's: a line break
// typed or pasted into a piece gives the new block the same format, and so
// the same number, as the piece it was typed in.
constexpr int CutNumber = QTextFormat::UserProperty;

int cutNumber(const QTextBlock &block)
{
    return block.blockFormat().intProperty(CutNumber);
}

// Where a piece of `text` from `start` ends: at the last place before
// start + PieceLength where a line may break, else between two characters.
qsizetype pieceEnd(const QString &text, qsizetype start)
{
    const qsizetype from = start + PieceLength / 2;
    const qsizetype length = PieceLength / 2;
    for (const auto type : {QTextBoundaryFinder::Line, QTextBoundaryFinder::Grapheme}) {
        QTextBoundaryFinder finder(type, text.constData() + from, length);
        finder.toEnd();
        const qsizetype end = finder.toPreviousBoundary();
        if (end > 0)
            return from + end;
    }
    return from + length;
}

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
    connect(document(), &QTextDocument::contentsChange, this, [this](int position, int, int added) {
        keepToMode(position, added);
        cutLongBlocks(position, added);
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
    keepToMode(0, document()->characterCount());
}

QString AnswerBox::text() const
{
    QString text;
    text.reserve(document()->characterCount() + document()->blockCount());
    int previousCut = 0;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        const int cut = cutNumber(block);
        if (block != document()->begin() && (cut == 0 || cut == previousCut))
            text += u"\r\n";
        previousCut = cut;
        // The block's own text keeps non-breaking spaces, which toPlainText() turns into blanks.
        QString line = block.text();
        text += line.replace(QChar::LineSeparator, QStringLiteral("\r\n"));
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

// Cuts the blocks that the edit made too long. A key press looks at one block;
// a paste cuts each long block once, and Qt lays out the pieces after.
void AnswerBox::cutLongBlocks(int position, int added)
{
    if (m_keeping)
        return;
    const int end = std::min(position + added, document()->characterCount() - 1);
    const QTextBlock last = document()->findBlock(end);
    for (QTextBlock block = document()->findBlock(position); block.isValid();
         block = block.next()) {
        if (block.length() > LongestBlock)
            cutBlock(block);
        if (block == last)
            break;
    }
}

void AnswerBox::cutBlock(const QTextBlock &block)
{
    const QString text = block.text();
    std::vector<qsizetype> ends;
    for (qsizetype start = 0; text.size() - start > LongestBlock;) {
        start = pieceEnd(text, start);
        ends.push_back(start);
    }
    m_keeping = true;
    QTextCursor cursor(document());
    cursor.joinPreviousEditBlock(); // undone with the edit that made the block long
    QTextBlockFormat format = block.blockFormat();
    // From the last cut back, so that the positions before it stay as they are.
    for (auto i = qsizetype(ends.size()) - 1; i >= 0; --i) {
        format.setProperty(CutNumber, ++m_lastCut);
        cursor.setPosition(block.position() + int(ends[size_t(i)]));
        cursor.insertBlock(format);
    }
    cursor.endEditBlock();
    m_keeping = false;
}

} // namespace planner
