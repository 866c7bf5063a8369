#include "QtPrinting.h"

#include "Printers.h"
#include "QtTextPrinter.h"
#include "WindowImagePrinter.h"

#include <QPrinter>

namespace platform {

QtPrinting::QtPrinting(const Printers &printers)
    : m_printers(printers)
{ }

std::unique_ptr<TextPrinter> QtPrinting::openTextPrinter()
{
    return std::make_unique<QtTextPrinter>(m_printers.newPrinter());
}

int QtPrinting::printWindowImage(QWidget &window)
{
    return platform::printWindowImage(m_printers.newPrinter(), window);
}

} // namespace platform
