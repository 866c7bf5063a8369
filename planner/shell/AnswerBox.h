#pragma once

#include "AnswerHistory.h"
#include "PlannerView.h"

#include <QPlainTextEdit>

namespace planner {

// Arial 12, shaped only where the script needs it: laying out a long
// paragraph again at each key then costs a quarter less.
QFont answerFont();

// The answer box: plain text only, free or as the one-line name box with its
// length limit. Text offered by the keyboard, an input method, a paste, a drop
// or an assistive tool is made to fit the mode before it goes in.
//
// A long paragraph is held in pieces, a block of the document each, joined at
// seams that each stand for a space at the end of a line (AnswerPieces.h):
// Qt lays out a changed block whole, and a piece is quick to lay out. Before
// the box paints, the seams in view are moved to where the paragraph's own
// lines end. The text, what is copied and what a screen reader reads give a
// seam as its space, and undo and redo work on the text, not on the pieces.
class AnswerBox : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit AnswerBox(QWidget *parent = nullptr);

    void setMode(AnswerMode mode);
    AnswerMode mode() const { return m_mode; }

    // The text with the end of each paragraph as "\r\n".
    QString text() const;
    void setText(const QString &text);

    // Characters, and the text between two positions with each paragraph's end as `lineBreak`.
    int length() const;
    QString text(int from, int to, QStringView lineBreak) const;
    // Where the paragraph holding `position` starts and where its end is.
    std::pair<int, int> paragraphAt(int position) const;
    // Puts what the mode takes of `offered` in place of the text from `from`
    // to `to`, as one step; returns how many characters went in.
    int replace(int from, int to, QStringView offered);
    // Scrolls, if need be, until `position` is in view, the caret left where it is.
    void showPosition(int position);
    // Moves the seams about `position` to where the paragraph's lines end, as
    // before painting them, for a screen reader that reads lines not on show.
    void settleAround(int position);

    bool isUndoAvailable() const { return m_history.canUndo(); }
    bool isRedoAvailable() const { return m_history.canRedo(); }
    void undo();
    void redo();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;
    QMimeData *createMimeDataFromSelection() const override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // Characters the limit leaves for what replaces the selection and `replaced` more.
    qsizetype room(qsizetype replaced = 0) const;
    void insertAdmitted(QStringView offered);
    void put(int from, int to, const QString &text);
    void apply(const std::optional<TextChange> &change);
    void changed(int from, int removed, int added);
    void keepSeamBefore(int from);
    void keepToMode();
    bool moveWordAcrossSeam(QKeyEvent *event);

    void settleSoon();
    Q_INVOKABLE void settlePieces();
    void settle(const QTextBlock &start, int until);
    bool settleSeamBefore(QTextBlock block, bool inOrder);
    bool divide(const QTextBlock &block, bool inOrder);
    void exchange(int position, QChar replacement);
    void keepAtTop(int position);

    AnswerMode m_mode = FreeAnswer;
    AnswerHistory m_history;
    // The text as the document holds it, each paragraph's end as U+2029 and
    // each seam as its space: what an edit removed is read from here.
    QString m_held;
    int m_ownEdits = 0;
    bool m_settleDue = false;
    bool m_settling = false;
    quint64 m_doubleClicked = 0; // when, to know a triple click
};

} // namespace planner
