#pragma once

#include "TextPrinter.h"

#include <QString>

#include <memory>

namespace platform {

enum class StartResult { Started, FileNotFound, Failed };

// The error number for any failure of the print system.
inline constexpr int PrinterError = 482;
// The error number of a dialog the user cancelled; print actions stay silent on it.
inline constexpr int CancelledError = 32755;

// The desktop services the programs' logic takes, in QtCore's terms only, so
// that the logic can be driven by a test double. What needs a window is in
// WindowPlatform.
class Platform
{
public:
    virtual ~Platform() = default;

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

    // A job on the default printer, on the paper it holds.
    virtual std::unique_ptr<TextPrinter> openTextPrinter() = 0;

    // Today as "d mmmm yyyy" (5 December 2026), in the user's language.
    virtual QString today() const = 0;

    // Ends the program: every window closes, no further handler runs.
    virtual void endProgram() = 0;
};

} // namespace platform
