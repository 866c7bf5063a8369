#include "WindowImagePrinter.h"

#include "Platform.h"

#include <QPainter>
#include <QPrinter>
#include <QWidget>

#include <algorithm>

namespace platform {

namespace {

// The printable area of the page as a paint device that paints through the
// printer's own engine. Qt draws a widget onto a printer as one picture, but
// onto any other device it draws its words as words. Fonts keep the window's
// dots per inch, so that the words break into lines as they do on screen.
class PrintedPage final : public QPaintDevice
{
public:
    PrintedPage(QPrinter &printer, const QWidget &window)
        : m_printer(printer)
        , m_window(window)
    { }

    QPaintEngine *paintEngine() const override { return m_printer.paintEngine(); }

protected:
    int metric(PaintDeviceMetric metric) const override;

private:
    QPrinter &m_printer;
    const QWidget &m_window;
};

int PrintedPage::metric(PaintDeviceMetric metric) const
{
    switch (metric) {
    case PdmWidth:
        return m_printer.width();
    case PdmHeight:
        return m_printer.height();
    case PdmWidthMM:
        return m_printer.widthMM();
    case PdmHeightMM:
        return m_printer.heightMM();
    case PdmNumColors:
        return m_printer.colorCount();
    case PdmDepth:
        return m_printer.depth();
    case PdmDpiX:
    case PdmPhysicalDpiX:
        return m_window.logicalDpiX();
    case PdmDpiY:
    case PdmPhysicalDpiY:
        return m_window.logicalDpiY();
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return int(devicePixelRatioFScale());
    }
    return 0;
}

} // namespace

int printWindowImage(std::unique_ptr<QPrinter> printer, QWidget &window)
{
    if (!printer)
        return PrinterError;
    PrintedPage page(*printer, window);
    QPainter painter;
    if (!painter.begin(&page))
        return PrinterError;
    // As wide as the printable area, or narrower where that would be too tall; never cut.
    const qreal scale =
        std::min(qreal(page.width()) / window.width(), qreal(page.height()) / window.height());
    painter.scale(scale, scale);
    // A turn far too small to see. Under a mere change of scale the style draws
    // some parts (the buttons' shading) into pictures at the screen's
    // resolution; under a turn it draws them onto the page.
    painter.rotate(1e-7);
    window.render(&painter);
    if (!painter.end() || printer->printerState() == QPrinter::Error)
        return PrinterError;
    return 0;
}

} // namespace platform
