#include "QtPlatform.h"
#include "frmPresenting.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    platform::QtPlatform platform;
    planner::frmPresenting window(platform);
    window.show();
    return QApplication::exec();
}
