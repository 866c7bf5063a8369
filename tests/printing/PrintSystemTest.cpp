#include "PrintedPdf.h"
#include "VelkinWindow.h"

#include <QDir>
#include <QFile>

namespace {

// Printing through Qt and the tests' own CUPS scheduler (see print-server),
// whose queues keep what reaches them.
class PrintSystem : public VelkinWindow
{
protected:
    void SetUp() override
    {
        QFile unavailable(server.filePath(u"unavailable"_s));
        if (unavailable.open(QIODevice::ReadOnly))
            GTEST_SKIP() << "no print server here: " << unavailable.readAll().toStdString();
        VelkinWindow::SetUp();
        platform.printForReal({});
    }

    // Prints the main window on the default queue and reads back the job that arrives.
    PrintedPdf printed()
    {
        const QDir jobs(server.filePath(u"jobs"_s));
        const QStringList before = jobs.entryList({u"*.data"_s});
        platform.answers = {platform::Yes};
        click({"Command3"});
        QStringList arrived;
        EXPECT_TRUE(QTest::qWaitFor(
            [&] {
                arrived = jobs.entryList({u"*.data"_s});
                return arrived.size() > before.size();
            },
            30000))
            << "no job reached the queue";
        for (const QString &job : before)
            arrived.removeOne(job);
        return PrintedPdf(jobs.filePath(arrived.value(0)));
    }

    const QDir server{qEnvironmentVariable("ORVANTA_PRINT_SERVER")};
};

// One page whose words are text, on the queue's own paper where it has one,
// in colour only where the queue prints colour.
TEST_F(PrintSystem, TheTypeFinderPrintsAsTextOnEachQueuesPaperInItsColours)
{
    click({"Option2", "Option4", "Option6"});
    const PrintedPdf raw = printed(); // knows no paper, prints grey
    EXPECT_EQ(raw.pages, 1);
    EXPECT_TRUE(raw.text().contains(u"MAIN TYPE: 'Details' person.")) << raw.text().toStdString();
    EXPECT_EQ(raw.paper, QSizeF(595, 842)); // Qt's A4
    EXPECT_FALSE(raw.inColour(u"Match")); // the dark red heading

    qputenv("LPDEST", "orvanta-letter"); // the user's default, over the server's
    const PrintedPdf letter = printed();
    qunsetenv("LPDEST");
    EXPECT_EQ(letter.pages, 1);
    EXPECT_TRUE(letter.text().contains(u"MAIN TYPE: 'Details' person."));
    EXPECT_EQ(letter.paper, QSizeF(612, 792));
    EXPECT_TRUE(letter.inColour(u"Match"));
    EXPECT_EQ(platform.boxes.size(), 2u) << "no error message";
}

} // namespace
