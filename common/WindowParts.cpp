#include "WindowParts.h"

#include "PictureButton.h"

#include <QApplication>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QResource>
#include <QScreen>

#include <array>
#include <cstring>

namespace parts {

// Drawn at the size shown, and at twice that for high-density screens, and
// kept as raw pixels (tools/PackArt.cpp) in a format a pixmap shares: never
// decoded, nor copied.
QIcon art(QStringView name)
{
    const bool dense = qApp->devicePixelRatio() > 1;
    const QResource raw(QStringLiteral(":/art/%1%2.raw").arg(name, dense ? u"@2x" : u""));
    std::array<quint32, 3> header{}; // width, height, format
    if (raw.size() < qint64(sizeof header)
        || raw.compressionAlgorithm() != QResource::NoCompression)
        return {};
    std::memcpy(header.data(), raw.data(), sizeof header);
    const auto [width, height, format] = header;
    const bool known =
        format == QImage::Format_RGB32 || format == QImage::Format_ARGB32_Premultiplied;
    if (!known || raw.size() - qint64(sizeof header) != qint64(width) * height * 4)
        return {};
    return QIcon(QPixmap::fromImage(QImage(raw.data() + sizeof header, int(width), int(height),
                                           qsizetype(width) * 4, QImage::Format(format))));
}

void setColour(QWidget *widget, QPalette::ColorRole role, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}

QFont arial(double points, bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QFont msSansSerif(double points)
{
    return arial(points);
}

QLabel *label(QWidget *parent, QStringView name, const QString &text, const QRect &geometry,
              const QColor &colour)
{
    auto *l = new QLabel(text, parent);
    l->setObjectName(name.toString());
    l->setTextFormat(Qt::PlainText);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setWordWrap(true);
    l->setGeometry(geometry);
    setColour(l, QPalette::WindowText, colour);
    return l;
}

QGroupBox *frame(QWidget *parent, QStringView name, const QRect &geometry)
{
    auto *f = new QGroupBox(parent);
    f->setObjectName(name.toString());
    f->setGeometry(geometry);
    return f;
}

QToolButton *pictureButton(QWidget *parent, QStringView name, QStringView caption,
                           QStringView toolTip, const QRect &geometry, QStringView art)
{
    auto *b = new PictureButton(parent);
    b->setObjectName(name.toString());
    b->setText(caption.toString());
    b->setToolTip(toolTip.toString());
    b->setIcon(parts::art(art));
    b->setIconSize(QSize(28, 28));
    b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    b->setGeometry(geometry);
    b->setFocusPolicy(Qt::StrongFocus);
    return b;
}

void centre(QWidget &window)
{
    if (window.windowState() != Qt::WindowNoState)
        return;
    const QRect screen = window.screen()->geometry();
    window.move(screen.x() + (screen.width() - window.width()) / 2,
                screen.y() + (screen.height() - window.height()) / 2);
}

} // namespace parts
