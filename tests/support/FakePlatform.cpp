#include "FakePlatform.h"

#include <QDialog>

#include <gtest/gtest.h>

using platform::StartResult;

// Writes each printer operation into the platform's log.
class FakeTextPrinter final : public platform::TextPrinter
{
public:
    explicit FakeTextPrinter(FakePlatform &platform)
        : m_platform(platform)
    { }

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
        record(QStringLiteral("finish"));
        return m_error;
    }

private:
    bool record(const QString &operation)
    {
        if (m_error != 0)
            return false;
        if (int(m_platform.printed.size()) == m_platform.printerFailsAt) {
            m_error = m_platform.printerError;
            return false;
        }
        m_platform.printed.append(operation);
        return true;
    }

    FakePlatform &m_platform;
    int m_y = 240; // a line below the top, as after the first rule line
    int m_error = 0;
};

int FakePlatform::messageBox(const QString &text, int flags, const QString &title)
{
    boxes.push_back({text, flags, title});
    if ((flags & 7) == platform::OkOnly)
        return platform::Ok;
    if (answers.empty()) {
        ADD_FAILURE() << "unexpected question: " << text.toStdString();
        return platform::No;
    }
    const int answer = answers.front();
    answers.pop_front();
    return answer;
}

StartResult FakePlatform::startProgram(const QString &path)
{
    started.append(path);
    return startResult;
}

bool FakePlatform::writeTextFile(const QString &path, const QString &text, QString &reason)
{
    ++writes;
    return m_real.writeTextFile(path, text, reason);
}

std::unique_ptr<platform::TextPrinter> FakePlatform::openTextPrinter()
{
    ++jobs;
    if (m_realPrinting)
        return m_real.openTextPrinter();
    return std::make_unique<FakeTextPrinter>(*this);
}

int FakePlatform::printWindowImage(QWidget &)
{
    ++windowImages;
    return 0;
}

void FakePlatform::showModal(QDialog &dialog)
{
    dialog.show();
    if (onModal)
        onModal(dialog);
    else
        ADD_FAILURE() << "a modal window opened with no test to drive it";
    dialog.close();
}
