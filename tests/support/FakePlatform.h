#pragma once

#include "MessageBox.h"
#include "Platform.h"

#include <QStringList>

#include <gtest/gtest.h>

#include <deque>
#include <map>

namespace platform {
inline void PrintTo(const Message &box, std::ostream *out) // found by gtest beside Message
{
    *out << int(box.buttons) << '/' << int(box.icon) << ' ' << box.title.toStdString() << ": "
         << box.text.toStdString();
}
} // namespace platform

// Message boxes answered from a script, and kept for the test to read.
struct ScriptedBoxes
{
    platform::Answer answer(const platform::Message &box)
    {
        boxes.push_back(box);
        if (box.buttons == platform::Buttons::Ok)
            return platform::Answer::Ok;
        if (answering)
            return answering();
        EXPECT_FALSE(answers.empty()) << "unexpected question: " << box.text.toStdString();
        const platform::Answer next = answers.empty() ? platform::Answer::No : answers.front();
        answers.erase(answers.begin(), answers.begin() + qMin(1, int(answers.size())));
        return next;
    }

    std::deque<platform::Answer> answers; // for Yes/No boxes, in order
    std::function<platform::Answer()> answering; // when set, answers every Yes/No box
    std::vector<platform::Message> boxes;
};

// The logic's platform for tests, QtCore only: files kept in memory, printer
// operations recorded, programs never started, the program never ended.
class FakePlatform : public platform::Platform
{
public:
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
    QString today() const override { return u"5 December 2026"_s; }
    void endProgram() override { ++programEnds; }

    // What the tests script and read.
    QString folder = u"/opt/orvanta"_s;
    mutable int folderReads = 0;
    platform::StartResult startResult = platform::StartResult::Started;
    QStringList started;
    std::map<QString, QString> files;
    QString writeError; // what the system says when every write fails
    QStringList printed; // one entry per printer operation
    int printerFailsAt = -1; // the operation (counted from 0) that fails
    int printerError = platform::PrinterError;
    qsizetype printLength = 0; // the characters a job was told it would print
    int jobs = 0;
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
