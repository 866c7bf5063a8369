#pragma once

#include "PlannerView.h"

#include <QPlainTextEdit>

namespace planner {

// The answer box: plain text only, free or as the one-line name box with its
// length limit. The rule holds for text from any source (keys, pastes, drops,
// input methods, assistive tools, the program) because it is kept wherever
// the document changes.
class AnswerBox : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit AnswerBox(QWidget *parent = nullptr);

    void setMode(AnswerMode mode);
    AnswerMode mode() const { return m_mode; }

    // The text with every line break as "\r\n".
    QString text() const;
    void setText(const QString &text);

protected:
    void keyPressEvent(QKeyEvent *event) override;

private:
    void keepToMode(int position, int added);

    AnswerMode m_mode = FreeAnswer;
    bool m_keeping = false;
};

} // namespace planner
