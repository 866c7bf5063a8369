#pragma once

#include "TextPrinter.h"

#include <QFont>
#include <QPainter>
#include <QPointer>
#include <QProgressDialog>
#include <QTextLayout>

#include <memory>
#include <vector>

class QPrinter;

namespace platform {

// Lines of text on a QPrinter: a print position that moves down a line at
// each line end, text laid out by Qt (any script, either direction) and
// wrapped at the printable width, new pages as needed. A long job shows a
// modal progress dialog with Cancel: Qt shows it once the job looks like
// taking more than half a second, and it lets events through as it moves.
class QtTextPrinter final : public TextPrinter
{
public:
    // A null printer makes a job that fails with PrinterError.
    explicit QtTextPrinter(std::unique_ptr<QPrinter> printer);
    ~QtTextPrinter() override;

    void expectLength(qsizetype characters, const QString &caption) override;
    void setFontName(const QString &name) override;
    void setFontSize(double points) override;
    void printLine(const QString &text) override;
    void printStay(const QString &text) override;
    int currentY() const override;
    void setCurrentY(int twips) override;
    int finish() override;

private:
    // One line of a laid-out text, waiting for the rest of its print line.
    struct Piece
    {
        std::shared_ptr<const QTextLayout> layout;
        int line;
        qreal x;
    };

    bool ready();
    void print(const QString &text, bool stays);
    void add(const QString &text, bool stays);
    void endLine();
    void showProgress();

    std::unique_ptr<QPrinter> m_printer;
    QPainter m_painter;
    int m_error = 0;
    QFont m_font;
    qreal m_emptyLine = -1; // the height of a line without text in m_font, once known
    QSizeF m_page; // the printable area, in device pixels
    qreal m_x = 0; // device pixels within the printable area
    qreal m_y = 0;
    std::vector<Piece> m_line; // printed when the line ends, on one baseline
    QPointer<QProgressDialog> m_progress; // the window it is shown over may delete it first
    qsizetype m_length = 0; // characters expected
    qsizetype m_done = 0; // characters laid out
};

} // namespace platform
