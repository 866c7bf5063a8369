#include "PrintedPdf.h"
#include "VelkinWindow.h"

#include <QDir>
#include <QFile>

namespace {

// The type finder's Print button through Qt and the tests' own CUPS scheduler
// (see print-server), whose default queue keeps what reaches it.
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

    // Prints the main window on the default queue and reads back the job that arrives.
    PrintedPdf print()
    {
        const QStringList before = jobs();
        platform.answers = {platform::Yes};
        click({"Command3"});
        EXPECT_TRUE(QTest::qWaitFor([&] { return jobs().size() > before.size(); }, 30000))
            << "no job reached the queue";
        QString job;
        for (const QString &name : jobs()) {
            if (!before.contains(name))
                job = QDir(server.filePath(QStringLiteral("jobs"))).filePath(name);
        }
        return PrintedPdf(job);
    }

    const QDir server{qEnvironmentVariable("ORVANTA_PRINT_SERVER")};
};

TEST_F(WindowImagePrintSystem, TheMainWindowReachesTheDefaultQueueWithItsWordsAsText)
{
    click({"Option2", "Option4", "Option6"});
    const PrintedPdf job = print();
    EXPECT_EQ(job.pages, 1);
    EXPECT_TRUE(job.text().contains(u"MAIN TYPE: 'Details' person.")) << job.text().toStdString();
    EXPECT_EQ(platform.boxes.size(), 1u) << "no error message";
}

} // namespace
