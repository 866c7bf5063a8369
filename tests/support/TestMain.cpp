#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char *argv[])
{
    // Headless unless told otherwise, and system messages (file errors, dates)
    // in plain English, whoever runs the tests and however.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("LC_ALL", "C.UTF-8");
    QApplication app(argc, argv);
    QApplication::setStyle(QStringLiteral("Fusion"));
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
