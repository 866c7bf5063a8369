#pragma once

#include "Printers.h"

#include <QPrinter>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>

#include <gtest/gtest.h>

// Printers that print into a PDF file.
struct PdfPrinters final : platform::Printers
{
    std::unique_ptr<QPrinter> newPrinter() const override
    {
        auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        printer->setOutputFileName(pdf);
        return printer;
    }
    QString pdf;
};

// A printed PDF file read back with poppler's tools: its pages, its text, each
// word and where it lies, and how many pictures it holds.
struct PrintedPdf
{
    struct Word
    {
        QString text;
        QRectF box; // in points, from the top left of the paper
    };

    explicit PrintedPdf(const QString &path)
    {
        reading = run(u"pdftotext"_s, {path, u"-"_s});
        const QString boxes = run(u"pdftotext"_s, {u"-bbox"_s, path, u"-"_s});
        pages = int(boxes.count(u"<page "_s));
        static const QRegularExpression word(
            uR"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"_s);
        for (const QRegularExpressionMatch &m : word.globalMatch(boxes)) {
            const QString text =
                m.captured(5).replace(u"&apos;"_s, u"'"_s).replace(u"&amp;"_s, u"&"_s);
            words.append({text,
                          QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                                 QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()))});
        }
        // Two heading lines, then a line for each picture and each picture's mask.
        for (const QString &line : run(u"pdfimages"_s, {u"-list"_s, path}).split(u'\n').mid(2))
            pictures += line.split(u' ', Qt::SkipEmptyParts).value(2) == u"image";
    }

    // Whether the word is printed with its middle inside `area`.
    bool printedIn(QStringView text, const QRectF &area) const
    {
        return std::any_of(words.cbegin(), words.cend(), [&](const Word &word) {
            return word.text == text && area.contains(word.box.center());
        });
    }
    static QString run(const QString &program, const QStringList &arguments)
    {
        QProcess tool;
        tool.start(program, arguments);
        EXPECT_TRUE(tool.waitForFinished(60000)) << program.toStdString();
        return QString::fromUtf8(tool.readAllStandardOutput());
    }

    int pages = 0;
    QString reading; // all the text, right-to-left words turned to reading order
    QList<Word> words;
    int pictures = 0;
};
