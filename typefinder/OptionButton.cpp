#include "OptionButton.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace typefinder {

OptionButton::OptionButton(QWidget *parent)
    : ChoiceButton(parent)
{ }

QRect OptionButton::textRect() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    const int indent = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, &option, this)
        + style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, &option, this);
    return rect().adjusted(indent, 0, 0, 0);
}

QSize OptionButton::sizeHint() const
{
    return size();
}

void OptionButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const int indicator = style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, &option, this);
    option.rect = QRect(0, 1, indicator, indicator);
    painter.drawPrimitive(QStyle::PE_IndicatorRadioButton, option);

    const QRect text = textRect();
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap | Qt::TextShowMnemonic;
    painter.drawItemText(text, flags, palette(), isEnabled(), this->text(), QPalette::WindowText);
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = fontMetrics().boundingRect(text, flags, this->text()).adjusted(-1, 0, 1, 1);
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

bool OptionButton::hitButton(const QPoint &pos) const
{
    return rect().contains(pos);
}

void OptionButton::mousePressEvent(QMouseEvent *event)
{
    if (!m_actOnPress) {
        ChoiceButton::mousePressEvent(event);
        return;
    }
    // The press alone acts, whichever button it is, once.
    setFocus(Qt::MouseFocusReason);
    event->accept();
    if (isChecked())
        Q_EMIT pressedAgain();
    else
        setChecked(true);
}

void OptionButton::keyReleaseEvent(QKeyEvent *event)
{
    // Space selects an option; on a selected one it repeats the answer, as a press does.
    const bool again = m_actOnPress && isChecked() && isDown() && !event->isAutoRepeat()
        && (event->key() == Qt::Key_Space || event->key() == Qt::Key_Select);
    ChoiceButton::keyReleaseEvent(event);
    if (again)
        Q_EMIT pressedAgain();
}

void OptionButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (m_actOnPress)
        event->accept();
    else
        ChoiceButton::mouseReleaseEvent(event);
}

} // namespace typefinder
