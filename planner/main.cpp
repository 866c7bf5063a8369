#include "QtPlatform.h"
#include "WindowStyle.h"
#include "frmPresenting.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(new parts::WindowStyle);
    platform::QtPlatform platform;
    planner::frmPresenting window(platform);
    window.show();
    return QApplication::exec();
}
