#include "Printers.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace platform {

std::unique_ptr<QPrinter> Printers::newPrinter() const
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

} // namespace platform
