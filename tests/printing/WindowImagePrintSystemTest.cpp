#include "VelkinWindow.h"

#include <QDir>
#include <QFile>
#include <QProcess>

namespace {

// The type finder's Print button through Qt and the tests' own CUPS scheduler
// (see print-server): the window's picture reaches the default queue as one page.
class WindowImagePrintSystem : public VelkinWindow
{
protected:
    void SetUp() override
    {
        QFile unavailable(server.filePath(QStringLiteral("unavailable")));
        if (unavailable.open(QIODevice::ReadOnly))
            GTEST_SKIP() << "no print server here: " << unavailable.readAll().toStdString();
        VelkinWindow::SetUp();
        platform.printForReal({});
    }

    QStringList jobs() const
    {
        return QDir(server.filePath(QStringLiteral("jobs"))).entryList({QStringLiteral("*.data")});
    }

    static QString run(const QString &program, const QStringList &arguments)
    {
        QProcess tool;
        tool.start(program, arguments);
        tool.waitForFinished(30000);
        return QString::fromUtf8(tool.readAllStandardOutput());
    }

    const QDir server{qEnvironmentVariable("ORVANTA_PRINT_SERVER")};
};

TEST_F(WindowImagePrintSystem, TheMainWindowReachesTheDefaultQueueAsOnePicture)
{
    const QStringList before = jobs();
    click({"Option2", "Option4", "Option6"});
    platform.answers = {platform::Yes};
    click({"Command3"});
    ASSERT_EQ(platform.boxes.size(), 1u) << "no error message";
    ASSERT_TRUE(QTest::qWaitFor([&] { return jobs().size() > before.size(); }, 30000))
        << "no job reached the queue";
    QString job;
    for (const QString &name : jobs()) {
        if (!before.contains(name))
            job = QDir(server.filePath(QStringLiteral("jobs"))).filePath(name);
    }
    EXPECT_TRUE(run(QStringLiteral("pdfinfo"), {job}).contains(u"Pages:           1\n"));
    EXPECT_EQ(run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), job}).count(u'\n'), 3);
}

} // namespace
