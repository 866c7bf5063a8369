#pragma once

#include "WindowPlatform.h"

#include <QPointer>

namespace platform {

class Printing;

// The window services, as Qt provides them.
class QtWindowPlatform final : public WindowPlatform
{
public:
    explicit QtWindowPlatform(Printing &printing);

    Answer messageBox(QWidget &owner, const Message &message) override;
    int printWindowImage(QWidget &window) override;
    void showHelp(QWidget &owner, const QString &path, int context) override;
    void showModal(QDialog &dialog) override;

private:
    Printing &m_printing;
    QPointer<QWidget> m_help; // made at the first call, gone when closed
};

} // namespace platform
