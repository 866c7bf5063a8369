#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>
#include <QStringView>

class QGroupBox;
class QIcon;
class QLabel;
class QToolButton;
class QWidget;

// What the windows of both programs are built from: their colours, fonts,
// pictures and the plain controls they have in common.
namespace parts {

inline const QColor Black(0x00, 0x00, 0x00);
inline const QColor Red(0xFF, 0x00, 0x00);
inline const QColor DarkRed(0x80, 0x00, 0x00);
inline const QColor Blue(0x00, 0x00, 0xFF);
inline const QColor DarkBlue(0x00, 0x00, 0xC0);
inline const QColor Yellow(0xFF, 0xFF, 0x00);
inline const QColor LightYellow(0xFF, 0xFF, 0x80);
inline const QColor PaleYellow(0xFF, 0xFF, 0xC0);
inline const QColor LightCyan(0x80, 0xFF, 0xFF);

// A picture of the program's own, by its name in the art folder.
QIcon art(QStringView name);

void setColour(QWidget *widget, QPalette::ColorRole role, const QColor &colour);

QFont arial(double points, bool bold = false);
// "MS Sans Serif" is not found on Linux, and asking for it loads fonts that
// are never shown; Arial's metric twin keeps the layouts' widths.
QFont msSansSerif(double points);

// A plain-text label, text at its top left, wrapping its words.
QLabel *label(QWidget *parent, QStringView name, const QString &text, const QRect &geometry,
              const QColor &colour);

// A frame with a caption, which a screen reader reads as the frame's name.
QGroupBox *frame(QWidget *parent, QStringView name, const QRect &geometry);

// A button with its picture above its caption.
QToolButton *pictureButton(QWidget *parent, QStringView name, QStringView caption,
                           QStringView toolTip, const QRect &geometry, QStringView art);

// Centres a window in its normal state on its screen.
void centre(QWidget &window);

} // namespace parts
