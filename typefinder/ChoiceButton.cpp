#include "ChoiceButton.h"

#include <QKeyEvent>

namespace typefinder {

// The answers of a step stand side by side, where Qt moves between them with
// Left and Right only; Up and Down move the same way.
void ChoiceButton::keyPressEvent(QKeyEvent *event)
{
    const bool up = event->key() == Qt::Key_Up;
    if (!up && event->key() != Qt::Key_Down) {
        QRadioButton::keyPressEvent(event);
        return;
    }
    QKeyEvent across(event->type(), up ? Qt::Key_Left : Qt::Key_Right, event->modifiers());
    QRadioButton::keyPressEvent(&across);
    event->setAccepted(across.isAccepted());
}

} // namespace typefinder
