#include "WindowStyle.h"

#include <QGroupBox>
#include <QPainter>
#include <QStyleOption>

namespace parts {

WindowStyle::WindowStyle()
    : QProxyStyle(QStringLiteral("Fusion"))
{ }

void WindowStyle::drawPrimitive(PrimitiveElement element, const QStyleOption *option,
                                QPainter *painter, const QWidget *widget) const
{
    if (element != PE_FrameGroupBox) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    // Where Fusion puts the frame: under the title, or just inside an untitled box.
    constexpr int margin = 3;
    const auto *box = qobject_cast<const QGroupBox *>(widget);
    const int top = box && !box->isCheckable() && box->title().isEmpty()
        ? margin
        : std::max(pixelMetric(PM_ExclusiveIndicatorHeight), option->fontMetrics.height()) + margin;
    QColor outline = option->palette.window().color().darker(140);
    outline.setAlpha(110);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing);
    painter->setPen(outline);
    painter->setBrush(QColor(0, 0, 0, 4)); // the faint shade inside Fusion's frame
    painter->drawRoundedRect(
        QRectF(option->rect.adjusted(0, top, 0, 0)).adjusted(0.5, 0.5, -0.5, -0.5), 2, 2);
    painter->restore();
}

} // namespace parts
