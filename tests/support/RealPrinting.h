#pragma once

#include "FakePlatform.h"
#include "QtPlatform.h"

#include <QPageLayout>
#include <QPrinter>

// The test platform, which can print for real through Qt once told where:
// into a PDF file (on `paper`, when given, else Qt's), or, given no file, on
// the default printer.
class RealPrinting final : public FakePlatform
{
public:
    void printForReal(const QString &pdf, const QPageLayout &paper = {})
    {
        m_real = std::make_unique<Printing>(pdf, paper);
    }

    std::unique_ptr<platform::TextPrinter> openTextPrinter() override
    {
        if (!m_real)
            return FakePlatform::openTextPrinter();
        ++jobs;
        return m_real->openTextPrinter();
    }
    int printWindowImage(QWidget &window) override
    {
        if (!m_real)
            return FakePlatform::printWindowImage(window);
        ++windowPrints;
        return m_real->printWindowImage(window);
    }

private:
    class Printing final : public platform::QtPlatform
    {
    public:
        Printing(QString pdf, QPageLayout paper)
            : m_pdf(std::move(pdf))
            , m_paper(std::move(paper))
        { }

    protected:
        std::unique_ptr<QPrinter> newPrinter() const override
        {
            if (m_pdf.isEmpty())
                return QtPlatform::newPrinter();
            auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
            printer->setOutputFormat(QPrinter::PdfFormat);
            printer->setOutputFileName(m_pdf);
            if (m_paper.isValid())
                printer->setPageLayout(m_paper);
            return printer;
        }

    private:
        QString m_pdf;
        QPageLayout m_paper;
    };
    std::unique_ptr<Printing> m_real;
};
