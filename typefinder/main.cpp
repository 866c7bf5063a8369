#include "QtPlatform.h"
#include "TypeFinderValues.h"
#include "Velkin.h"
#include "WindowStyle.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(new parts::WindowStyle);
    platform::QtPlatform platform;
    typefinder::TypeFinderValues values;
    typefinder::Velkin window(values, platform);
    window.show();
    return QApplication::exec();
}
