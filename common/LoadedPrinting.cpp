#include "LoadedPrinting.h"

#include "Platform.h"

#include <QCoreApplication>

namespace platform {

namespace {

// A job that cannot start, for want of the printing module.
class FailedJob final : public TextPrinter
{
public:
    void expectLength(qsizetype, const QString &) override { }
    void setFontName(const QString &) override { }
    void setFontSize(double) override { }
    void printLine(const QString &) override { }
    void printStay(const QString &) override { }
    int currentY() const override { return 0; }
    void setCurrentY(int) override { }
    int finish() override { return PrinterError; }
};

} // namespace

LoadedPrinting::LoadedPrinting(QString module)
    : m_module(std::move(module))
{ }

Printing *LoadedPrinting::printing()
{
    if (m_loader.fileName().isEmpty())
        m_loader.setFileName(QCoreApplication::applicationDirPath() + u'/' + m_module);
    return qobject_cast<Printing *>(m_loader.instance());
}

std::unique_ptr<TextPrinter> LoadedPrinting::openTextPrinter()
{
    Printing *loaded = printing();
    return loaded ? loaded->openTextPrinter() : std::make_unique<FailedJob>();
}

int LoadedPrinting::printWindowImage(QWidget &window)
{
    Printing *loaded = printing();
    return loaded ? loaded->printWindowImage(window) : PrinterError;
}

} // namespace platform
