#pragma once

#include "Platform.h"
#include "QtPlatform.h"

#include <QStringList>

#include <deque>
#include <functional>
#include <vector>

// The platform for tests: message boxes answered from a script, printer
// operations recorded, programs never started, the program never ended.
// Files are real, so that tests can read back what was written; printing
// can be made real too.
class FakePlatform final : public platform::Platform
{
public:
    struct Box
    {
        QString text;
        int flags;
        QString title;
    };

    int messageBox(const QString &text, int flags, const QString &title) override;
    QString programFolder() const override
    {
        ++folderReads;
        return folder;
    }
    platform::StartResult startProgram(const QString &path) override;
    bool createFolder(const QString &path) override { return m_real.createFolder(path); }
    bool writeTextFile(const QString &path, const QString &text, QString &reason) override;
    std::unique_ptr<platform::TextPrinter> openTextPrinter() override;
    int printWindowImage(QWidget &window) override;
    QString today() const override { return todayText; }
    void showModal(QDialog &dialog) override;
    void endProgram() override { ++programEnds; }

    // What the tests script and read.
    QString folder = QStringLiteral("/opt/orvanta");
    mutable int folderReads = 0;
    std::deque<int> answers; // for Yes/No boxes, in order
    std::vector<Box> boxes;
    platform::StartResult startResult = platform::StartResult::Started;
    QStringList started;
    int writes = 0;
    QString todayText = QStringLiteral("5 December 2026");
    QStringList printed; // one entry per printer operation
    int printerFailsAt = -1; // the operation (counted from 0) that fails
    int printerError = 482;
    int jobs = 0;
    int windowImages = 0;
    std::function<void(QDialog &)> onModal; // drives a modal dialog, then closes it
    int programEnds = 0;

    // Print for real, with Qt, into a PDF file, or on the default printer when `pdfPath` is empty.
    void printForReal(const QString &pdfPath)
    {
        m_realPrinting = true;
        m_real.printToFile(pdfPath);
    }

private:
    friend class FakeTextPrinter;
    platform::QtPlatform m_real;
    bool m_realPrinting = false;
};
