#pragma once

#include "TextPrinter.h"

#include <QString>

#include <memory>

class QDialog;
class QWidget;

namespace platform {

// Message box buttons and icon, added together: YesNo + Question is 36.
enum MessageBoxFlags : int {
    OkOnly = 0,
    YesNo = 4,
    Question = 32,
    Exclamation = 48,
};

// What a message box returns.
enum MessageBoxAnswer : int {
    Ok = 1,
    Yes = 6,
    No = 7,
};

enum class StartResult { Started, FileNotFound, Failed };

// The error number for any failure of the print system.
inline constexpr int PrinterError = 482;
// The error number of a dialog the user cancelled; print actions stay silent on it.
inline constexpr int CancelledError = 32755;

// Every service the programs take from the desktop, in one place, so that
// the logic can be driven by a test double.
class Platform
{
public:
    virtual ~Platform() = default;

    // Modal; returns Ok, Yes or No. Closing a Yes/No box counts as No.
    virtual int messageBox(const QString &text, int flags, const QString &title) = 0;

    // The folder of the running program, without a trailing separator.
    virtual QString programFolder() const = 0;

    // Starts a program on its own and returns at once.
    virtual StartResult startProgram(const QString &path) = 0;

    // True when the folder exists afterwards.
    virtual bool createFolder(const QString &path) = 0;

    // True when anything of that name is there.
    virtual bool fileExists(const QString &path) const = 0;

    // Writes the text in UTF-8 as the file, all or nothing, replacing a file
    // of that name only when `replace` is true. On failure returns false and
    // sets `reason` to what the system said.
    virtual bool writeTextFile(const QString &path, const QString &text, bool replace,
                               QString &reason) = 0;

    // A job on the default printer.
    virtual std::unique_ptr<TextPrinter> openTextPrinter() = 0;

    // Prints the window as it is shown now on the default printer, on its
    // paper: one page, the window at the top and as wide as the printable area
    // allows, its words as text. Returns 0 or an error number.
    virtual int printWindowImage(QWidget &window) = 0;

    // Today as "d mmmm yyyy" (5 December 2026), in the user's language.
    virtual QString today() const = 0;

    // Shows the help file at the topic with this context number, in a viewer
    // of its own beside `owner`; an open viewer is brought forward.
    virtual void showHelp(QWidget &owner, const QString &path, int context) = 0;

    // Shows the dialog modally and returns when it has been closed.
    virtual void showModal(QDialog &dialog) = 0;

    // Ends the program: every window closes, no further handler runs.
    virtual void endProgram() = 0;
};

} // namespace platform
