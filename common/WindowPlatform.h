#pragma once

#include "MessageBox.h"

// The widget headers themselves rather than declarations, so that only code
// built with Qt Widgets, never the logic, can use these services.
#include <QDialog>
#include <QWidget>

namespace platform {

// The desktop services that take a window.
class WindowPlatform
{
public:
    virtual ~WindowPlatform() = default;

    // Modal over `owner`.
    virtual Answer messageBox(QWidget &owner, const Message &message) = 0;

    // Prints the window as it is shown now on the default printer, on its
    // paper: one page, the window at the top and as wide as the printable area
    // allows, its words as text. Returns 0 or an error number.
    virtual int printWindowImage(QWidget &window) = 0;

    // Shows the help file at the topic with this context number, in a viewer
    // of its own beside `owner`; an open viewer is brought forward.
    virtual void showHelp(QWidget &owner, const QString &path, int context) = 0;

    // Shows the dialog modally and returns when it has been closed.
    virtual void showModal(QDialog &dialog) = 0;
};

} // namespace platform
