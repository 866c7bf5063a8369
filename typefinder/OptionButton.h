#pragma once

#include "ChoiceButton.h"

namespace typefinder {

// An answer whose caption wraps over several lines. With actOnPress set, a
// press of any mouse button selects it and reports the press, also when it
// is selected already, so the same answer can be given again.
class OptionButton : public ChoiceButton
{
    Q_OBJECT

public:
    explicit OptionButton(QWidget *parent = nullptr);

    void setActOnPress(bool act) { m_actOnPress = act; }

    QSize sizeHint() const override;

Q_SIGNALS:
    // A mouse press, or the space bar, on the option while it was already selected.
    void pressedAgain();

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    QRect textRect() const;

    bool m_actOnPress = false;
};

} // namespace typefinder
