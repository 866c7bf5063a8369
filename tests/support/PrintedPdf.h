#pragma once

#include <QImage>
#include <QList>
#include <QProcess>
#include <QRectF>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <algorithm>

// A printed PDF file read back with poppler's tools: its pages, its paper,
// each word and where it lies and in what ink, and how many pictures it holds.
struct PrintedPdf
{
    struct Word
    {
        QString text;
        QRectF box; // in points, from the top left of the paper
    };

    explicit PrintedPdf(const QString &path);

    // The words in reading order, a blank between each two.
    QString text() const
    {
        QStringList all;
        for (const Word &word : words)
            all.append(word.text);
        return all.join(u' ');
    }
    // Whether the word is printed with its middle inside `area`.
    bool printedIn(QStringView text, const QRectF &area) const
    {
        return std::any_of(words.cbegin(), words.cend(), [&](const Word &word) {
            return word.text == text && area.contains(word.box.center());
        });
    }

    // Whether the ink of the word, where it is printed, has a colour rather than a grey.
    bool inColour(QStringView text) const
    {
        for (const Word &word : words) {
            const QRect area = word.box.toAlignedRect() & shown.rect();
            for (int y = area.top(); word.text == text && y <= area.bottom(); ++y) {
                for (int x = area.left(); x <= area.right(); ++x) {
                    const QColor ink = shown.pixelColor(x, y);
                    if (std::max({ink.red(), ink.green(), ink.blue()})
                            - std::min({ink.red(), ink.green(), ink.blue()})
                        > 32)
                        return true;
                }
            }
        }
        return false;
    }

    int pages = 0;
    QString reading; // all the text, right-to-left words turned to reading order
    QSizeF paper; // of the first page, in points
    QList<Word> words;
    int pictures = 0;
    QImage shown; // the first page, a pixel to a point
};

inline PrintedPdf::PrintedPdf(const QString &path)
{
    const auto run = [](const QString &program, const QStringList &arguments) {
        QProcess tool;
        tool.start(program, arguments);
        tool.waitForFinished(30000);
        return QString::fromUtf8(tool.readAllStandardOutput());
    };
    reading = run(u"pdftotext"_s, {path, u"-"_s});
    const QString pageText = run(u"pdftotext"_s, {u"-bbox"_s, path, u"-"_s});
    static const QRegularExpression page(uR"re(<page width="([\d.]+)" height="([\d.]+)">)re"_s);
    for (const QRegularExpressionMatch &match : page.globalMatch(pageText)) {
        if (pages++ == 0)
            paper = QSizeF(match.captured(1).toDouble(), match.captured(2).toDouble());
    }
    static const QRegularExpression word(
        uR"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"_s);
    for (const QRegularExpressionMatch &match : word.globalMatch(pageText)) {
        QString text = match.captured(5);
        text.replace(u"&apos;"_s, u"'"_s).replace(u"&quot;"_s, u"\""_s);
        text.replace(u"&lt;"_s, u"<"_s).replace(u"&gt;"_s, u">"_s).replace(u"&amp;"_s, u"&"_s);
        words.append({text,
                      QRectF(QPointF(match.captured(1).toDouble(), match.captured(2).toDouble()),
                             QPointF(match.captured(3).toDouble(), match.captured(4).toDouble()))});
    }
    // Two heading lines, then a line for each picture and each picture's mask.
    const QStringList images =
        run(u"pdfimages"_s, {u"-list"_s, path}).split(u'\n', Qt::SkipEmptyParts).mid(2);
    for (const QString &line : images)
        pictures += line.split(u' ', Qt::SkipEmptyParts).value(2) == u"image";
    const QTemporaryDir folder;
    run(u"pdftoppm"_s,
        {u"-r"_s, u"72"_s, u"-png"_s, u"-singlefile"_s, path, folder.filePath(u"page"_s)});
    shown = QImage(folder.filePath(u"page.png"_s)).convertToFormat(QImage::Format_RGB32);
}
