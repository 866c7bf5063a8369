#pragma once

#include "PlannerView.h"

#include <QPlainTextEdit>
#include <QTextBlock>

namespace planner {

// The answer box: plain text only, free or as the one-line name box with its
// length limit. The rule holds for text from any source (keys, pastes, drops,
// input methods, assistive tools, the program) because it is kept wherever
// the document changes.
//
// A long paragraph is held as pieces of a few thousand characters, each a
// block of its own that continues the one before without a line break: Qt
// lays out and shapes a whole block again at every key, so a megabyte in one
// block would cost seconds a key. text() joins the pieces back together.
class AnswerBox : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit AnswerBox(QWidget *parent = nullptr);

    void setMode(AnswerMode mode);
    AnswerMode mode() const { return m_mode; }

    // The text with every line break as "\r\n", and nothing where a long
    // paragraph was cut into pieces.
    QString text() const;
    void setText(const QString &text);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void keepToMode(int position, int added);
    void cutLongBlocks(int position, int added);
    void cutBlock(const QTextBlock &block);

    AnswerMode m_mode = FreeAnswer;
    bool m_keeping = false;
    int m_lastCut = 0; // numbers the pieces, so that each is told from the one before
};

} // namespace planner
