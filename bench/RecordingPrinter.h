#pragma once

#include "TextPrinter.h"

#include <QStringList>

// Keeps every printed text, as a print preview would, so that laying out the
// pages costs what it costs without ink.
class RecordingPrinter final : public platform::TextPrinter
{
public:
    void expectLength(qsizetype, const QString &) override { }
    void setFontName(const QString &) override { }
    void setFontSize(double) override { }
    void printLine(const QString &text) override
    {
        printed.append(text);
        m_y += 240;
    }
    void printStay(const QString &text) override { printed.append(text); }
    int currentY() const override { return m_y; }
    void setCurrentY(int twips) override { m_y = twips; }
    int finish() override { return 0; }

    QStringList printed;

private:
    int m_y = 0;
};
