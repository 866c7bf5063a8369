#pragma once

#include "TextPrinter.h"

#include <QtPlugin>

#include <memory>

class QWidget;

namespace platform {

// Both print paths on the default printer: lines of text, and the image of a
// window. Qt's printing comes in with the first print (LoadedPrinting), not
// at start-up.
class Printing
{
public:
    virtual ~Printing() = default;

    // A job on the default printer, on the paper it holds.
    virtual std::unique_ptr<TextPrinter> openTextPrinter() = 0;

    // Prints the window as it shows now on one page of the default printer's
    // paper. Returns 0 or an error number.
    virtual int printWindowImage(QWidget &window) = 0;
};

} // namespace platform

#define ORVANTA_PRINTING_IID "org.orvanta.Printing/1"
Q_DECLARE_INTERFACE(platform::Printing, ORVANTA_PRINTING_IID)
