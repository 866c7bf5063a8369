#pragma once

#include "PlannerView.h"

#include <QPlainTextEdit>

namespace planner {

// Arial 12, shaped only where the script needs it: laying out a long
// paragraph again at each key then costs a quarter less.
QFont answerFont();

// The answer box: plain text only, free or as the one-line name box with its
// length limit. Each paragraph is one block of the document, so what the box
// shows, what a screen reader reads and what text() returns are one text.
// Text offered by the keyboard, an input method, a paste or a drop is made to
// fit the mode before it goes in, so each edit stays one undo step.
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

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    bool canInsertFromMimeData(const QMimeData *source) const override;
    void insertFromMimeData(const QMimeData *source) override;
    QMimeData *createMimeDataFromSelection() const override;

private:
    // Characters the limit leaves for what replaces the selection and `replaced` more.
    qsizetype room(qsizetype replaced = 0) const;
    void insertAdmitted(QStringView offered);
    void keepToMode();

    AnswerMode m_mode = FreeAnswer;
    bool m_keeping = false;
};

} // namespace planner
