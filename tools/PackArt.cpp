// Turns the programs' pictures into raw pixels for their resources, so that
// no picture is decoded at start-up: the width, the height and the QImage
// format as three 32-bit numbers, then the pixels as QImage keeps them: RGB32
// for an opaque picture, else premultiplied ARGB32. Those are the formats a
// pixmap shares with the image it is made from, so the pixels are read where
// they lie, never copied.
//
//   pack_art IN.png OUT.raw
#include <QFile>
#include <QImage>

#include <cstdint>
#include <cstdio>

namespace {

bool opaque(const QImage &image)
{
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(image.pixel(x, y)) != 255)
                return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: pack_art IN.png OUT.raw\n");
        return 2;
    }
    QImage image(QString::fromLocal8Bit(argv[1]));
    image.convertTo(opaque(image) ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (image.isNull() || !out.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "pack_art: cannot turn %s into %s\n", argv[1], argv[2]);
        return 1;
    }
    const std::uint32_t header[] = {std::uint32_t(image.width()), std::uint32_t(image.height()),
                                    std::uint32_t(image.format())};
    out.write(reinterpret_cast<const char *>(header), sizeof header);
    out.write(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes());
    return out.error() == QFileDevice::NoError ? 0 : 1;
}
