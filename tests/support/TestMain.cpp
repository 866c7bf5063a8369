#ifdef WINDOW_TESTS
#include <QApplication>
using Application = QApplication;
#else
#include <QCoreApplication>
using Application = QCoreApplication;
#endif
#include <QTemporaryDir>

#include <gtest/gtest.h>

// Any warning from Qt or from us fails the test that caused it, but the offscreen
// platform's notes on what it cannot do (size a frame, raise a popup, grab the
// keyboard) and Qt's on scripts that no installed font shapes.
void failOnWarning(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtDebugMsg && type != QtInfoMsg
        && !message.startsWith(u"This plugin does not support ")
        && !message.contains(u"OpenType support missing for"))
        ADD_FAILURE() << "Qt said: " << message.toStdString();
}

int main(int argc, char *argv[])
{
    // Headless unless told otherwise, with a runtime folder of its own, and
    // system messages (file errors, dates) in plain English, whoever runs the tests.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QTemporaryDir runtime;
    if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"))
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(runtime.path()));
    qputenv("LC_ALL", "C.UTF-8");
    qInstallMessageHandler(failOnWarning);
    Application app(argc, argv);
#ifdef WINDOW_TESTS
    QApplication::setStyle(QStringLiteral("Fusion"));
#endif
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
