#pragma once

#include "Platform.h"
#include "QtPlatform.h"

#include <QDialog>
#include <QPageLayout>
#include <QPrinter>
#include <QStringList>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <vector>

// The real platform, printing into a PDF file when it is given one, on the
// paper a printer would give (or Qt's, when that is not set).
class PdfPlatform final : public platform::QtPlatform
{
public:
    QString pdfPath;
    QPageLayout paper;

protected:
    std::unique_ptr<QPrinter> newPrinter() const override
    {
        if (pdfPath.isEmpty())
            return QtPlatform::newPrinter();
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdfPath);
        if (paper.isValid())
            printer->setPageLayout(paper);
        return printer;
    }
};

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
        bool operator==(const Box &) const = default;
        friend void PrintTo(const Box &box, std::ostream *out)
        {
            *out << box.flags << ' ' << box.title.toStdString() << ": " << box.text.toStdString();
        }
    };
    using Boxes = std::vector<Box>;

    int messageBox(const QString &text, int flags, const QString &title) override
    {
        boxes.push_back({text, flags, title});
        if ((flags & 7) == platform::OkOnly)
            return platform::Ok;
        if (answerAtRandom)
            return answerAtRandom();
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected question: " << text.toStdString();
            return platform::No;
        }
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    QString programFolder() const override
    {
        ++folderReads;
        return folder;
    }
    platform::StartResult startProgram(const QString &path) override
    {
        started.append(path);
        return startResult;
    }
    bool createFolder(const QString &path) override { return m_real.createFolder(path); }
    bool fileExists(const QString &path) const override { return m_real.fileExists(path); }
    bool writeTextFile(const QString &path, const QString &text, bool replace,
                       QString &reason) override
    {
        return m_real.writeTextFile(path, text, replace, reason);
    }
    std::unique_ptr<platform::TextPrinter> openTextPrinter() override;
    int printWindowImage(QWidget &window) override
    {
        if (m_realPrinting)
            return m_real.printWindowImage(window);
        if (onPrintWindow)
            onPrintWindow(window);
        ++windowPrints;
        return windowPrintError;
    }
    void showHelp(QWidget &, const QString &path, int context) override
    {
        help.append(path + u'#' + QString::number(context));
    }
    QString today() const override { return u"5 December 2026"_s; }
    void showModal(QDialog &dialog) override
    {
        dialog.show();
        if (onModal)
            onModal(dialog);
        else
            ADD_FAILURE() << "a modal window opened with no test to drive it";
        dialog.close();
    }
    void endProgram() override { ++programEnds; }

    // Print for real, with Qt, into a PDF file (on `paper`, when given), or
    // on the default printer when `pdfPath` is empty.
    void printForReal(const QString &pdfPath, const QPageLayout &paper = {})
    {
        m_realPrinting = true;
        m_real.pdfPath = pdfPath;
        m_real.paper = paper;
    }

    // What the tests script and read.
    QString folder = u"/opt/orvanta"_s;
    mutable int folderReads = 0;
    std::deque<int> answers; // for Yes/No boxes, in order
    std::function<int()> answerAtRandom; // when set, answers every Yes/No box instead
    Boxes boxes;
    platform::StartResult startResult = platform::StartResult::Started;
    QStringList started;
    QStringList printed; // one entry per printer operation
    int printerFailsAt = -1; // the operation (counted from 0) that fails
    int printerError = 482;
    qsizetype printLength = 0; // the characters a job was told it would print
    int jobs = 0;
    std::function<void(QDialog &)> onModal; // drives a modal dialog, then closes it
    std::function<void(QWidget &)> onPrintWindow; // looks at a window as it is printed
    int windowPrints = 0;
    int windowPrintError = 0;
    QStringList help; // path#context of each help request
    int programEnds = 0;

private:
    PdfPlatform m_real;
    bool m_realPrinting = false;
};

// Writes each printer operation into the platform's log, until the scripted failure.
class FakeTextPrinter final : public platform::TextPrinter
{
public:
    explicit FakeTextPrinter(FakePlatform &platform)
        : m_platform(platform)
    { }

    void expectLength(qsizetype characters, const QString &) override
    {
        m_platform.printLength = characters;
    }
    void setFontName(const QString &name) override { record(u"font " + name); }
    void setFontSize(double points) override { record(u"size " + QString::number(points)); }
    void printLine(const QString &text) override { record(u"line " + text); }
    void printStay(const QString &text) override { record(u"stay " + text); }
    int currentY() const override { return m_y; }
    void setCurrentY(int twips) override
    {
        if (record(u"y " + QString::number(twips)))
            m_y = twips;
    }
    int finish() override
    {
        record(u"finish"_s);
        return m_error;
    }

private:
    bool record(const QString &operation)
    {
        if (m_error == 0 && int(m_platform.printed.size()) == m_platform.printerFailsAt)
            m_error = m_platform.printerError;
        if (m_error == 0)
            m_platform.printed.append(operation);
        return m_error == 0;
    }

    FakePlatform &m_platform;
    int m_y = 240; // a line below the top, as after the first rule line
    int m_error = 0;
};

inline std::unique_ptr<platform::TextPrinter> FakePlatform::openTextPrinter()
{
    ++jobs;
    return m_realPrinting ? m_real.openTextPrinter() : std::make_unique<FakeTextPrinter>(*this);
}
