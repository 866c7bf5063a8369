#include "QtTextPrinter.h"

#include "Platform.h"

#include <QFontMetricsF>
#include <QPrinter>

namespace platform {

namespace {

bool isBreak(QChar c)
{
    return c == u'\r' || c == u'\n';
}

} // namespace

QtTextPrinter::QtTextPrinter(std::unique_ptr<QPrinter> printer)
    : m_printer(std::move(printer))
{
    if (!m_printer)
        m_error = PrinterError;
    m_font.setStyleHint(QFont::SansSerif);
}

QtTextPrinter::~QtTextPrinter()
{
    if (m_painter.isActive()) {
        m_printer->abort();
        m_painter.end();
    }
}

bool QtTextPrinter::ready()
{
    if (m_error != 0)
        return false;
    if (!m_painter.isActive() && !m_painter.begin(m_printer.get())) {
        m_error = PrinterError;
        return false;
    }
    return true;
}

void QtTextPrinter::setFontName(const QString &name)
{
    m_font.setFamily(name);
}

void QtTextPrinter::setFontSize(double points)
{
    m_font.setPointSizeF(points);
}

void QtTextPrinter::printLine(const QString &text)
{
    printStay(text);
    if (ready())
        endLine();
}

void QtTextPrinter::printStay(const QString &text)
{
    if (!ready())
        return;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size() && m_error == 0; ++i) {
        if (!isBreak(text[i]))
            continue;
        add(QStringView(text).sliced(start, i - start));
        endLine();
        if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    add(QStringView(text).sliced(start));
}

void QtTextPrinter::add(QStringView text)
{
    const QFontMetricsF metrics(m_font, m_printer.get());
    const qreal width = m_printer->pageRect(QPrinter::DevicePixel).width();
    // Measures only what can fit on the line, so a long answer prints in linear time.
    while (!text.isEmpty() && m_error == 0) {
        const qreal room = width - m_x;
        qsizetype fit = 0;
        qreal used = 0;
        while (fit < text.size()) {
            const qsizetype length = text[fit].isHighSurrogate() && fit + 1 < text.size() ? 2 : 1;
            const qreal advance = metrics.horizontalAdvance(text.sliced(fit, length).toString());
            if (used + advance > room)
                break;
            used += advance;
            fit += length;
        }
        if (fit == text.size()) {
            m_line.push_back({m_font, text.toString(), m_x});
            m_x += used;
            return;
        }
        // Wrap at the last blank that fits; a word wider than a whole line is cut.
        qsizetype cut = text[fit] == u' ' ? fit : text.first(fit).lastIndexOf(u' ');
        if (cut <= 0)
            cut = fit;
        if (cut == 0 && m_x == 0)
            cut = text[0].isHighSurrogate() && text.size() > 1 ? 2 : 1;
        if (cut > 0)
            m_line.push_back({m_font, text.first(cut).toString(), m_x});
        endLine();
        text = text.sliced(cut);
        while (!text.isEmpty() && text.front() == u' ')
            text = text.sliced(1);
    }
}

qreal QtTextPrinter::lineHeight() const
{
    qreal height = QFontMetricsF(m_font, m_printer.get()).height();
    for (const Piece &piece : m_line)
        height = std::max(height, QFontMetricsF(piece.font, m_printer.get()).height());
    return height;
}

void QtTextPrinter::endLine()
{
    const qreal height = lineHeight();
    const qreal pageHeight = m_printer->pageRect(QPrinter::DevicePixel).height();
    if (m_y > 0 && m_y + height > pageHeight) {
        if (!m_printer->newPage()) {
            m_error = PrinterError;
            return;
        }
        m_y = 0;
    }
    qreal ascent = 0;
    for (const Piece &piece : m_line)
        ascent = std::max(ascent, QFontMetricsF(piece.font, m_printer.get()).ascent());
    for (const Piece &piece : m_line) {
        m_painter.setFont(piece.font);
        m_painter.drawText(QPointF(piece.x, m_y + ascent), piece.text);
    }
    m_line.clear();
    m_x = 0;
    m_y += height;
}

int QtTextPrinter::currentY() const
{
    if (!m_printer || m_error != 0)
        return 0;
    return qRound(m_y * 1440 / m_printer->resolution());
}

void QtTextPrinter::setCurrentY(int twips)
{
    if (ready())
        m_y = qreal(twips) * m_printer->resolution() / 1440;
}

int QtTextPrinter::finish()
{
    if (m_error == 0 && m_painter.isActive()) {
        if (!m_line.empty())
            endLine();
        if (!m_painter.end() || m_printer->printerState() == QPrinter::Error)
            m_error = PrinterError;
    }
    if (m_painter.isActive()) {
        m_printer->abort();
        m_painter.end();
    }
    return m_error;
}

} // namespace platform
