#pragma once

#include "TextPrinter.h"

#include <QFont>
#include <QPainter>

#include <memory>
#include <vector>

class QPrinter;

namespace platform {

// Lines of text on a QPrinter: a print position that moves down a line at
// each line end, words wrapped at the printable width, new pages as needed.
class QtTextPrinter final : public TextPrinter
{
public:
    // A null printer makes a job that fails with PrinterError.
    explicit QtTextPrinter(std::unique_ptr<QPrinter> printer);
    ~QtTextPrinter() override;

    void setFontName(const QString &name) override;
    void setFontSize(double points) override;
    void printLine(const QString &text) override;
    void printStay(const QString &text) override;
    int currentY() const override;
    void setCurrentY(int twips) override;
    int finish() override;

private:
    struct Piece
    {
        QFont font;
        QString text;
        qreal x;
    };

    bool ready();
    void add(QStringView text);
    void endLine();
    qreal lineHeight() const;

    std::unique_ptr<QPrinter> m_printer;
    QPainter m_painter;
    int m_error = 0;
    QFont m_font;
    qreal m_x = 0; // device pixels within the printable area
    qreal m_y = 0;
    std::vector<Piece> m_line; // printed when the line ends, on one baseline
};

} // namespace platform
