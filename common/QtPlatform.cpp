#include "QtPlatform.h"

#include "AtomicFile.h"
#include "HelpViewer.h"
#include "QtTextPrinter.h"

#include <QApplication>
#include <QDate>
#include <QDialog>
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QWidget>

#include <algorithm>

namespace platform {

int QtPlatform::messageBox(const QString &text, int flags, const QString &title)
{
    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(title);
    box.setTextFormat(Qt::PlainText); // paths and names are shown as typed, never as markup
    QString shown = text;
    box.setText(shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    switch (flags & 0x70) {
    case Question:
        box.setIcon(QMessageBox::Question);
        break;
    case Exclamation:
        box.setIcon(QMessageBox::Warning);
        break;
    default:
        break;
    }
    if ((flags & 0x7) == YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes ? Yes : No;
    }
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    return Ok;
}

QString QtPlatform::programFolder() const
{
    return QCoreApplication::applicationDirPath();
}

StartResult QtPlatform::startProgram(const QString &path)
{
    if (!QFileInfo(path).isFile())
        return StartResult::FileNotFound;
    return QProcess::startDetached(path, {}, QFileInfo(path).absolutePath()) ? StartResult::Started
                                                                             : StartResult::Failed;
}

bool QtPlatform::createFolder(const QString &path)
{
    return QDir().mkpath(path);
}

bool QtPlatform::fileExists(const QString &path) const
{
    return nameTaken(path);
}

bool QtPlatform::writeTextFile(const QString &path, const QString &text, bool replace,
                               QString &reason)
{
    const int error = writeFileAtomically(path, text.toUtf8(), replace);
    if (error != 0)
        reason = qt_error_string(error);
    return error == 0;
}

std::unique_ptr<QPrinter> QtPlatform::newPrinter() const
{
    // Without a printer QPrinter would quietly write a PDF file instead.
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return nullptr;
    auto printer = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    // Qt starts every job on A4, whatever paper the printer holds.
    const QPageSize paper = info.defaultPageSize();
    if (paper.isValid())
        printer->setPageSize(paper);
    return printer;
}

std::unique_ptr<TextPrinter> QtPlatform::openTextPrinter()
{
    return std::make_unique<QtTextPrinter>(newPrinter());
}

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

int QtPlatform::printWindowImage(QWidget &window)
{
    const std::unique_ptr<QPrinter> printer = newPrinter();
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

QString QtPlatform::today() const
{
    return QLocale::system().toString(QDate::currentDate(), QStringLiteral("d MMMM yyyy"));
}

void QtPlatform::showHelp(QWidget &owner, const QString &path, int context)
{
    auto *viewer = qobject_cast<HelpViewer *>(m_help.data());
    if (!viewer || viewer->path() != path) {
        delete m_help;
        viewer = new HelpViewer(path, &owner);
        m_help = viewer;
    }
    viewer->showTopic(context);
    viewer->show();
    viewer->raise();
    viewer->activateWindow();
}

void QtPlatform::showModal(QDialog &dialog)
{
    dialog.exec();
}

void QtPlatform::endProgram()
{
    QCoreApplication::exit(0);
}

} // namespace platform
