#pragma once

#include <QColor>
#include <QFont>
#include <QPalette>
#include <QRect>
#include <QStringView>

class QIcon;
class QLabel;
class QToolButton;
class QWidget;

// What the type finder's windows are built from: their colours, fonts and
// the controls they have in common.
namespace typefinder::parts {

inline const QColor DarkRed(0x80, 0x00, 0x00);
inline const QColor DarkBlue(0x00, 0x00, 0xC0);
inline const QColor Blue(0x00, 0x00, 0xFF);
inline const QColor LightYellow(0xFF, 0xFF, 0xC0);
inline const QColor Yellow(0xFF, 0xFF, 0x00);

QIcon art(QStringView name);
void setColour(QWidget *widget, QPalette::ColorRole role, const QColor &colour);
QFont arial(double points, bool bold = false);

// A word-wrapping plain-text label, text at its top left.
QLabel *label(QWidget *parent, QStringView name, const QString &text, const QRect &geometry,
              const QColor &colour);

// Shows a composed text in a label, its "\r\n" line breaks as the label's own.
void setPanelText(QLabel *panel, QString text);

// A button with its picture above its caption.
QToolButton *pictureButton(QWidget *parent, QStringView name, QStringView caption,
                           QStringView toolTip, const QRect &geometry, QStringView icon);

// Centres a window in its normal state on its screen.
void centre(QWidget &window);

} // namespace typefinder::parts
