#pragma once

#include "Platform.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <deque>
#include <map>

// The platform for tests, QtCore only: message boxes answered from a script,
// files kept in memory, printer operations recorded, programs never started,
// the program never ended. Window tests drive modal windows through onModal.
class FakePlatform : public platform::Platform
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
        EXPECT_FALSE(answers.empty()) << "unexpected question: " << text.toStdString();
        const int answer = answers.empty() ? platform::No : answers.front();
        if (!answers.empty())
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
    bool createFolder(const QString &) override { return true; }
    bool fileExists(const QString &path) const override { return files.contains(path); }
    bool writeTextFile(const QString &path, const QString &text, bool replace,
                       QString &reason) override
    {
        reason = writeError.isEmpty() ? u"File exists"_s : writeError;
        const bool written = writeError.isEmpty() && (replace || !files.contains(path));
        if (written)
            files[path] = text;
        return written;
    }
    std::unique_ptr<platform::TextPrinter> openTextPrinter() override;
    int printWindowImage(QWidget &window) override
    {
        if (onPrintWindow)
            onPrintWindow(window);
        return windowPrintError;
    }
    QString today() const override { return u"5 December 2026"_s; }
    void showHelp(QWidget &, const QString &path, int context) override
    {
        help.append(path + u'#' + QString::number(context));
    }
    void showModal(QDialog &dialog) override
    {
        ASSERT_TRUE(onModal) << "a modal window opened with no test to drive it";
        onModal(dialog);
    }
    void endProgram() override { ++programEnds; }

    // What the tests script and read.
    QString folder = u"/opt/orvanta"_s;
    mutable int folderReads = 0;
    std::deque<int> answers; // for Yes/No boxes, in order
    std::function<int()> answerAtRandom; // when set, answers every Yes/No box instead
    Boxes boxes;
    platform::StartResult startResult = platform::StartResult::Started;
    QStringList started;
    std::map<QString, QString> files;
    QString writeError; // what the system says when every write fails
    QStringList printed; // one entry per printer operation
    int printerFailsAt = -1; // the operation (counted from 0) that fails
    int printerError = platform::PrinterError;
    qsizetype printLength = 0; // the characters a job was told it would print
    int jobs = 0;
    std::function<void(QDialog &)> onModal; // shows, drives and closes a modal window
    std::function<void(QWidget &)> onPrintWindow; // looks at a window as it is printed
    int windowPrintError = 0;
    QStringList help; // path#context of each help request
    int programEnds = 0;
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
    int currentY() const override { return 240; } // a line below the top, after the first rule
    void setCurrentY(int twips) override { record(u"y " + QString::number(twips)); }
    int finish() override { return record(u"finish"_s) ? 0 : m_platform.printerError; }

private:
    bool record(const QString &operation)
    {
        m_failed = m_failed || m_platform.printed.size() == m_platform.printerFailsAt;
        if (!m_failed)
            m_platform.printed.append(operation);
        return !m_failed;
    }

    FakePlatform &m_platform;
    bool m_failed = false;
};

inline std::unique_ptr<platform::TextPrinter> FakePlatform::openTextPrinter()
{
    ++jobs;
    return std::make_unique<FakeTextPrinter>(*this);
}
