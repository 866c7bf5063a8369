// The module a program loads at its first print, so that Qt's printing is
// not loaded at start-up: the default printers, through Qt.
#include "Printers.h"
#include "QtPrinting.h"

#include <QObject>

namespace platform {

class PrintingPlugin final : public QObject, public QtPrinting
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID ORVANTA_PRINTING_IID)
    Q_INTERFACES(platform::Printing)

public:
    PrintingPlugin()
        : QtPrinting(m_printers)
    { }

private:
    const Printers m_printers;
};

} // namespace platform

#include "PrintingPlugin.moc"
