#include "QtTextPrinter.h"

#include "Platform.h"

#include <QApplication>
#include <QFontMetricsF>
#include <QPrinter>
#include <QTextBoundaryFinder>

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
    // Scripts that need shaping are still shaped; plain Latin text, the bulk
    // of a sheet, is measured three times faster without.
    m_font.setStyleStrategy(QFont::PreferNoShaping);
}

QtTextPrinter::~QtTextPrinter()
{
    delete m_progress;
    if (m_painter.isActive()) {
        m_printer->abort();
        m_painter.end();
    }
}

bool QtTextPrinter::ready()
{
    if (m_error != 0)
        return false;
    if (!m_painter.isActive()) {
        if (!m_painter.begin(m_printer.get())) {
            m_error = PrinterError;
            return false;
        }
        m_page = m_printer->pageRect(QPrinter::DevicePixel).size();
    }
    return true;
}

void QtTextPrinter::expectLength(qsizetype characters, const QString &caption)
{
    if (m_error != 0 || characters <= 0)
        return;
    m_length = characters;
    delete m_progress;
    m_progress = new QProgressDialog(QApplication::activeWindow());
    m_progress->setWindowModality(Qt::ApplicationModal);
    m_progress->setLabelText(caption);
    m_progress->setRange(0, 1000);
    m_progress->setMinimumDuration(500);
    m_progress->setValue(0); // the job's clock starts now
}

void QtTextPrinter::setFontName(const QString &name)
{
    m_font.setFamily(name);
    m_emptyLine = -1;
}

void QtTextPrinter::setFontSize(double points)
{
    m_font.setPointSizeF(points);
    m_emptyLine = -1;
}

void QtTextPrinter::printLine(const QString &text)
{
    print(text, false);
    if (ready())
        endLine();
}

void QtTextPrinter::printStay(const QString &text)
{
    print(text, true);
}

void QtTextPrinter::print(const QString &text, bool stays)
{
    if (!ready())
        return;
    qsizetype start = 0;
    for (qsizetype i = 0; i < text.size() && m_error == 0; ++i) {
        if (!isBreak(text[i]))
            continue;
        add(text.sliced(start, i - start), false);
        const qsizetype next =
            text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n' ? i + 2 : i + 1;
        m_done += next - i; // the break
        endLine();
        i = next - 1;
        start = next;
    }
    if (m_error == 0)
        add(text.sliced(start), stays);
}

void QtTextPrinter::add(const QString &text, bool stays)
{
    if (text.isEmpty())
        return;
    const qreal width = m_page.width();
    auto layout = std::make_shared<QTextLayout>(text, m_font, m_printer.get());
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    // A right-to-left paragraph reads from the right edge, as in the answer box.
    option.setTextDirection(Qt::LayoutDirectionAuto);
    option.setAlignment(text.isRightToLeft() ? Qt::AlignRight : Qt::AlignLeft);
    layout->setTextOption(option);
    layout->beginLayout();
    for (QTextLine line = layout->createLine(); line.isValid() && m_error == 0;
         line = layout->createLine()) {
        line.setLineWidth(width - m_x);
        qsizetype end = line.textStart() + line.textLength();
        if (m_x > 0 && end < text.size()) {
            // A word that does not fit after what is already on the line
            // starts the next line rather than being cut.
            QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, text);
            breaks.setPosition(end);
            if (!breaks.isAtBoundary()) {
                endLine();
                if (m_error != 0)
                    break;
                line.setLineWidth(width);
                end = line.textStart() + line.textLength();
            }
        }
        m_done += line.textLength();
        if (end < text.size() || !stays) {
            m_line.push_back({layout, line.lineNumber(), m_x});
            if (end < text.size())
                endLine();
        } else {
            // Text printed after this one continues right after it.
            m_line.push_back({layout, line.lineNumber(), m_x - line.naturalTextRect().left()});
            m_x += line.horizontalAdvance();
        }
    }
    layout->endLayout();
}

void QtTextPrinter::endLine()
{
    qreal ascent = 0;
    if (m_emptyLine < 0)
        m_emptyLine = QFontMetricsF(m_font, m_printer.get()).height();
    qreal height = m_emptyLine;
    for (const Piece &piece : m_line) {
        const QTextLine line = piece.layout->lineAt(piece.line);
        ascent = std::max(ascent, line.ascent());
        height = std::max(height, line.height());
    }
    if (m_y > 0 && m_y + height > m_page.height()) {
        if (!m_printer->newPage()) {
            m_error = PrinterError;
            return;
        }
        m_y = 0;
    }
    for (const Piece &piece : m_line) {
        const QTextLine line = piece.layout->lineAt(piece.line);
        line.draw(&m_painter, QPointF(piece.x, m_y + ascent - line.ascent()));
    }
    m_line.clear();
    m_x = 0;
    m_y += height;
    showProgress();
}

// Moves the dialog on by each thousandth of the job; once it is shown, each
// move lets the window repaint and Cancel be pressed.
void QtTextPrinter::showProgress()
{
    if (!m_progress)
        return;
    const int done = int(std::min<qsizetype>(1000, m_done * 1000 / m_length));
    if (done != m_progress->value())
        m_progress->setValue(done);
    if (m_progress->wasCanceled())
        m_error = CancelledError;
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
    delete m_progress;
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
