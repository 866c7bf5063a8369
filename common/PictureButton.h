#pragma once

#include <QToolButton>

// A button with its picture above its caption. Pressed through the
// accessibility interface it clicks the way a push button does, after the
// call has returned, so an assistive tool is never held by the window it opens.
class PictureButton : public QToolButton
{
    Q_OBJECT

public:
    explicit PictureButton(QWidget *parent);
};
