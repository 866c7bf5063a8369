#include "QtPlatform.h"
#include "WindowStyle.h"
#include "frmPresenting.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The application owns its style, which the analyser does not see.
    // NOLINTBEGIN(clang-analyzer-cplusplus.NewDeleteLeaks)
    QApplication::setStyle(new parts::WindowStyle);
    platform::QtPlatform platform;
    // NOLINTEND(clang-analyzer-cplusplus.NewDeleteLeaks)
    planner::frmPresenting window(platform);
    window.show();
    return QApplication::exec();
}
