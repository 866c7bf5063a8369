#include "PrintedPdf.h"
#include "Printers.h"
#include "VelkinWindow.h"
#include "WindowStyle.h"

#include <QDir>
#include <QFile>
#include <QPrinter>
#include <QScopeGuard>

namespace {

// Through Qt and the tests' own CUPS scheduler (see print-server), whose queues keep
// what reaches them: the default knows no paper, orvanta-letter holds Letter.
class PrintSystem : public VelkinWindow
{
protected:
    void SetUp() override
    {
        QFile unavailable(server.filePath(u"unavailable"_s));
        if (unavailable.open(QIODevice::ReadOnly))
            GTEST_SKIP() << "no print server here: " << unavailable.readAll().toStdString();
        VelkinWindow::SetUp();
        platform.printForReal();
    }
    void TearDown() override { qunsetenv("LPDEST"); }

    // The job that `print` sends, once the queue has kept it.
    PrintedPdf job(const std::function<void()> &print) const
    {
        const qsizetype before = jobs.entryList({u"*.data"_s}).size();
        print();
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return jobs.entryList({u"*.data"_s}).size() > before; }, 30000))
            << "no job reached the queue";
        return PrintedPdf(
            jobs.filePath(jobs.entryList({u"*.data"_s}, QDir::Files, QDir::Time).value(0)));
    }

    const QDir server{qEnvironmentVariable("ORVANTA_PRINT_SERVER")};
    const QDir jobs{server.filePath(u"jobs"_s)};
};

// Each window prints as one page whose words are text, as the program draws it (in its own
// style), across the printable width of the queue's own paper where it has one (else Qt's A4)
// and at its top.
TEST_F(PrintSystem, EachWindowPrintsAsTextAcrossEachQueuesPaper)
{
    // The application owns its style, which the analyser does not see.
    // NOLINTBEGIN(clang-analyzer-cplusplus.NewDeleteLeaks)
    QApplication::setStyle(new parts::WindowStyle);
    const auto fusion = qScopeGuard([] { QApplication::setStyle(u"Fusion"_s); });
    // NOLINTEND(clang-analyzer-cplusplus.NewDeleteLeaks)
    const auto print = [&](const QWidget &shown, bool letter) {
        PrintedPdf printed = job([&] {
            platform.answers = {platform::Answer::Yes};
            click(&shown, "Command3");
        });
        EXPECT_EQ(printed.pages, 1);
        EXPECT_EQ(printed.paper, letter ? QSizeF(612, 792) : QSizeF(595, 842));
        // Each caption lies on its button's place on the page.
        const QRectF printable =
            platform::Printers().newPrinter()->pageLayout().paintRect(QPageLayout::Point);
        const qreal scale = printable.width() / shown.width();
        for (const QAbstractButton *button : shown.findChildren<QAbstractButton *>()) {
            const QString caption = button->text().remove(u'&').section(u' ', 0, 0);
            const QRectF place(QPointF(button->mapTo(&shown, QPoint())) * scale
                                   + printable.topLeft(),
                               QSizeF(button->size()) * scale);
            EXPECT_TRUE(!button->isVisible() || caption.isEmpty()
                        || printed.printedIn(caption, place))
                << caption.toStdString();
        }
        return printed;
    };
    click({"Option2", "Option4", "Option6"});
    for (const bool letter : {false, true}) {
        if (letter) // the user's default, over the server's
            qputenv("LPDEST", "orvanta-letter");
        EXPECT_TRUE(print(*window, letter)
                        .reading.simplified()
                        .contains(u"MAIN TYPE: 'Details' person."));
    }
    runTest([&](QDialog &test) {
        answerLetters(test, u"IIIIIIIIIIEEEEEEEEFFFFDD");
        EXPECT_TRUE(print(test, true)
                        .reading.simplified()
                        .contains(u"In Charge Enthusiastic Friendly Details"));
    });
}

} // namespace
