#pragma once

#include <memory>

class QPrinter;

namespace platform {

// Where both print paths, text and window images, get their printer.
class Printers
{
public:
    virtual ~Printers() = default;

    // The default printer, on the paper it holds; null when there is none to
    // print on.
    virtual std::unique_ptr<QPrinter> newPrinter() const;
};

} // namespace platform
