#pragma once

#include <QString>

namespace platform {

// One print job on the default printer, driven line by line.
//
// A failing operation makes the job fail: the error number sticks, later
// operations do nothing, and finish() abandons the job and returns it.
class TextPrinter
{
public:
    virtual ~TextPrinter() = default;

    // The number of characters the job will print in all, told before the
    // first. A job that takes more than a moment then shows how far it has
    // got under `caption`, and may be cancelled, which fails it with
    // CancelledError.
    virtual void expectLength(qsizetype characters, const QString &caption) = 0;
    virtual void setFontName(const QString &name) = 0;
    virtual void setFontSize(double points) = 0;
    // Prints the text and ends the line; line breaks in the text start new lines.
    virtual void printLine(const QString &text) = 0;
    // Prints the text and stays on its line, after the text.
    virtual void printStay(const QString &text) = 0;
    // The print position from the top of the page, in twips.
    virtual int currentY() const = 0;
    virtual void setCurrentY(int twips) = 0;
    // Hands the job over; returns 0 or the error number that ended it.
    virtual int finish() = 0;
};

} // namespace platform
