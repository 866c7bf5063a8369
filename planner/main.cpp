#include "LoadedPrinting.h"
#include "QtPlatform.h"
#include "QtWindowPlatform.h"
#include "WindowParts.h"
#include "WindowStyle.h"
#include "frmPresenting.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // The application owns its style, which the analyser does not see.
    // NOLINTBEGIN(clang-analyzer-cplusplus.NewDeleteLeaks)
    QApplication::setStyle(new parts::WindowStyle);
    // Text drawn without a font of its own is in the windows' font, so no
    // other font is loaded.
    QApplication::setFont(parts::arial(8.25));
    platform::LoadedPrinting printing(QStringLiteral("orvanta-printing"));
    platform::QtPlatform platform(printing);
    platform::QtWindowPlatform windows(printing);
    // NOLINTEND(clang-analyzer-cplusplus.NewDeleteLeaks)
    planner::frmPresenting window(platform, windows);
    window.show();
    return QApplication::exec();
}
