#include "Printers.h"
#include "QtPlatform.h"
#include "QtWindowPlatform.h"
#include "Velkin.h"
#include "WindowStyle.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The application owns its style, which the analyser does not see.
    // NOLINTBEGIN(clang-analyzer-cplusplus.NewDeleteLeaks)
    QApplication::setStyle(new parts::WindowStyle);
    const platform::Printers printers;
    platform::QtPlatform platform(printers);
    platform::QtWindowPlatform windows(printers);
    // NOLINTEND(clang-analyzer-cplusplus.NewDeleteLeaks)
    typefinder::Velkin window(platform, windows);
    window.show();
    return QApplication::exec();
}
