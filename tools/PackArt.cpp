// Turns the programs' pictures into raw pixels for their resources, so that
// no picture is decoded at start-up: the width and the height as two 32-bit
// numbers, then the pixels, premultiplied ARGB32, as QImage keeps them.
//
//   pack_art IN.png OUT.raw
#include <QFile>
#include <QImage>

#include <cstdint>
#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: pack_art IN.png OUT.raw\n");
        return 2;
    }
    const QImage image = QImage(QString::fromLocal8Bit(argv[1]))
                             .convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (image.isNull() || !out.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "pack_art: cannot turn %s into %s\n", argv[1], argv[2]);
        return 1;
    }
    const std::uint32_t size[] = {std::uint32_t(image.width()), std::uint32_t(image.height())};
    out.write(reinterpret_cast<const char *>(size), sizeof size);
    out.write(reinterpret_cast<const char *>(image.constBits()), image.sizeInBytes());
    return out.error() == QFileDevice::NoError ? 0 : 1;
}
