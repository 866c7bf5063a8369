#pragma once

#include <QPlainTextEdit>

// A panel of composed text: read-only, its words wrapped, reachable from the
// keyboard, and read whole or line by line by a screen reader.
class TextPanel : public QPlainTextEdit
{
    Q_OBJECT

public:
    TextPanel(QWidget *parent, QStringView name, const QRect &geometry, const QColor &text,
              const QColor &background);

    // The text with its "\r\n" line breaks, from the top.
    void setText(const QString &text);
    void setColours(const QColor &text, const QColor &background);
};
