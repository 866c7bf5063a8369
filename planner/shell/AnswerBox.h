#pragma once

#include <QPlainTextEdit>

namespace planner {

// The answer box: plain text only, with an optional length limit, and a
// one-line mode while it is short enough to be the name box.
class AnswerBox : public QPlainTextEdit
{
    Q_OBJECT

public:
    explicit AnswerBox(QWidget *parent = nullptr);

    // 0 means no limit.
    void setMaxLength(int length) { m_maxLength = length; }

    // Only the name box is this short; it keeps to one line.
    bool isOneLine() const;

    // The text with every line break as "\r\n".
    QString text() const;
    void setText(const QString &text);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;
    void inputMethodEvent(QInputMethodEvent *event) override;

private:
    // What may go in for `text`: without line breaks on one line, and cut to the room left.
    QString fitted(QString text) const;

    int m_maxLength = 0;
};

} // namespace planner
