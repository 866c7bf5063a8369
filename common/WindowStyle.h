#pragma once

#include <QProxyStyle>

namespace parts {

// Fusion, with the frame of a group box drawn rather than read from Qt's
// picture of it: reading that picture asks every image-format plugin whether
// it is theirs, which loads them all at start-up.
class WindowStyle final : public QProxyStyle
{
public:
    WindowStyle();

    void drawPrimitive(PrimitiveElement element, const QStyleOption *option, QPainter *painter,
                       const QWidget *widget = nullptr) const override;
};

} // namespace parts
