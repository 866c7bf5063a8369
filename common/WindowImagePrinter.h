#pragma once

#include <memory>

class QPrinter;
class QWidget;

namespace platform {

// Prints the window as it shows now, on one page of the printer's paper: at
// the top and as wide as the printable area allows, its words as text.
// Returns 0, or PrinterError when the printer is null or fails.
int printWindowImage(std::unique_ptr<QPrinter> printer, QWidget &window);

} // namespace platform
