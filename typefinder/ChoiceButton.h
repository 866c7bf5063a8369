#pragma once

#include <QRadioButton>

namespace typefinder {

// An answer of a step, reached by every arrow key from the others of its
// group, as in any list of choices.
class ChoiceButton : public QRadioButton
{
    Q_OBJECT

public:
    using QRadioButton::QRadioButton;

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

} // namespace typefinder
