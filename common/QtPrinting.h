#pragma once

#include "Printing.h"

namespace platform {

class Printers;

// Printing through Qt, on the printers that `printers` makes.
class QtPrinting : public Printing
{
public:
    explicit QtPrinting(const Printers &printers);

    std::unique_ptr<TextPrinter> openTextPrinter() override;
    int printWindowImage(QWidget &window) override;

private:
    const Printers &m_printers;
};

} // namespace platform
