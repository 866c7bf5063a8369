#pragma once

#include "Printing.h"

#include <QPluginLoader>

namespace platform {

// The printing module beside the program, loaded at the first print. Without
// it every print fails with PrinterError.
class LoadedPrinting final : public Printing
{
public:
    // `module`: the module's file name in the program's folder, without its ending.
    explicit LoadedPrinting(QString module);

    std::unique_ptr<TextPrinter> openTextPrinter() override;
    int printWindowImage(QWidget &window) override;

private:
    Printing *printing();

    QString m_module;
    QPluginLoader m_loader;
};

} // namespace platform
