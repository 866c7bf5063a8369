#include "PrintedPdf.h"
#include "VelkinWindow.h"

#include <QDir>
#include <QFile>

namespace {

// Through Qt and the tests' own CUPS scheduler (see print-server), whose queues keep
// what reaches them: one page whose words are text, on the queue's own paper where it
// has one, in colour only where the queue prints colour.
TEST_F(VelkinWindow, PrintsAsTextOnEachQueuesPaperInItsColours)
{
    const QDir server(qEnvironmentVariable("ORVANTA_PRINT_SERVER"));
    QFile unavailable(server.filePath(u"unavailable"_s));
    if (unavailable.open(QIODevice::ReadOnly))
        GTEST_SKIP() << "no print server here: " << unavailable.readAll().toStdString();
    platform.printForReal({});
    const QDir jobs(server.filePath(u"jobs"_s));
    click({"Option2", "Option4", "Option6"});
    for (const bool letter : {false, true}) {
        if (letter) // the user's default, over the server's
            qputenv("LPDEST", "orvanta-letter");
        const qsizetype before = jobs.entryList({u"*.data"_s}).size();
        platform.answers = {platform::Yes};
        click({"Command3"});
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return jobs.entryList({u"*.data"_s}).size() > before; }, 30000))
            << "no job reached the queue";
        // The newest job; the server's default queue knows no paper and prints grey.
        const PrintedPdf job(
            jobs.filePath(jobs.entryList({u"*.data"_s}, QDir::Files, QDir::Time).value(0)));
        EXPECT_EQ(job.pages, 1);
        EXPECT_TRUE(job.reading.simplified().contains(u"MAIN TYPE: 'Details' person."));
        EXPECT_EQ(job.paper, letter ? QSizeF(612, 792) : QSizeF(595, 842)); // or Qt's A4
        EXPECT_EQ(job.inColour(u"Match"), letter); // the dark red heading
    }
    qunsetenv("LPDEST");
}

} // namespace
