#include "QtPlatform.h"
#include "TypeFinderValues.h"
#include "Velkin.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    platform::QtPlatform platform;
    typefinder::TypeFinderValues values;
    typefinder::Velkin window(values, platform);
    window.show();
    return QApplication::exec();
}
