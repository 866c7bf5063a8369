#include "TextPanel.h"

TextPanel::TextPanel(QWidget *parent, QStringView name, const QRect &geometry, const QColor &text,
                     const QColor &background)
    : QPlainTextEdit(parent)
{
    setObjectName(name.toString());
    setGeometry(geometry);
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    setTabChangesFocus(true);
    setFrameShape(NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFocusPolicy(Qt::StrongFocus);
    setColours(text, background);
}

void TextPanel::setText(const QString &text)
{
    QString shown = text;
    setPlainText(shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
}

void TextPanel::setColours(const QColor &text, const QColor &background)
{
    QPalette colours = palette();
    colours.setColor(QPalette::Text, text);
    colours.setColor(QPalette::Base, background);
    setPalette(colours);
}
