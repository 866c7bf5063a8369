#ifdef WINDOW_TESTS
#include <QApplication>
#else
#include <QCoreApplication>
#endif
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Any warning from Qt or from us fails the test that caused it, but these,
// which the platform prints whatever the program does.
bool fromThePlatform(const QString &message)
{
    // The offscreen platform cannot size a window's frame to its contents.
    return message.startsWith(u"This plugin does not support propagateSizeHints()")
        // Random text reaches scripts that no installed font shapes; Qt draws what it can.
        || message.contains(u"OpenType support missing for");
}

void failOnWarning(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtDebugMsg || type == QtInfoMsg || fromThePlatform(message))
        return;
    ADD_FAILURE() << "Qt said: " << message.toStdString();
}

} // namespace

int main(int argc, char *argv[])
{
    // Headless unless told otherwise, with a runtime folder of its own, and
    // system messages (file errors, dates) in plain English, whoever runs the
    // tests and however.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QTemporaryDir runtime;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    qputenv("LC_ALL", "C.UTF-8");
    qInstallMessageHandler(failOnWarning);
#ifdef WINDOW_TESTS
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
#else
    QCoreApplication app(argc, argv);
#endif
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
