#include "PrintedPdf.h"
#include "VelkinWindow.h"
#include "WindowStyle.h"

#include <QPageLayout>
#include <QScopeGuard>
#include <QTemporaryDir>

namespace {

// Printing either window: after a question, the window as it shows, with a
// few changes made for paper that are undone after it, whatever happened.
class WindowPrint : public VelkinWindow
{
protected:
    static QString colours(const QWidget *panel)
    {
        return panel->palette().color(QPalette::Text).name()
            + panel->palette().color(QPalette::Base).name();
    }
    static QString labels(const QDialog &test)
    {
        return find<QLabel>(&test, "Label5")->text() + u'|' + find<QLabel>(&test, "Label3")->text();
    }
    // The results of 10 In Charge, 8 Enthusiastic, 4 Friendly and 2 Details answers,
    // printed with `drive`.
    void printResults(const std::function<void(QDialog &)> &drive)
    {
        runTest([&](QDialog &test) {
            answerLetters(test, u"IIIIIIIIIIEEEEEEEEFFFFDD");
            drive(test);
        });
    }
};

// The main window prints its panel white on black and says nothing of failures;
// the results print in their paper wording and a failure but a cancel is told.
// Whatever happened, the window shows as before.
TEST_F(WindowPrint, EachWindowPrintsItsPaperFaceAndTurnsBack)
{
    click({"Option2", "Option4", "Option6"});
    QStringList printed;
    platform.onPrintWindow = [&](QWidget &shown) {
        printed.append(colours(find(&shown, "Label4")));
    };
    platform.answers = {platform::No, platform::Yes, platform::Yes};
    click({"Command3", "Command3"});
    platform.windowPrintError = platform::PrinterError;
    click({"Command3"});
    EXPECT_EQ(printed, QStringList(2, u"#ffffff#000000"_s));
    EXPECT_EQ(colours(find("Label4")), u"#800000#ffffc0");
    const QString onScreen =
        u"Click on the personality type red graph column to see the personality traits.|"
        u"In Charge          Enthusiastic          Friendly          Details"_s;
    printResults([&](QDialog &test) {
        platform.onPrintWindow = [&](QWidget &) {
            printed.append(labels(test));
        };
        platform.answers = {platform::Yes, platform::Yes, platform::Yes};
        for (const int error : {0, platform::PrinterError, platform::CancelledError}) {
            platform.windowPrintError = error;
            click(&test, "Command3");
        }
        EXPECT_EQ(labels(test), onScreen);
    });
    EXPECT_EQ(printed.mid(2),
              QStringList(3,
                          u"The higher the number the stonger personality type.|"
                          u"In Charge          Enthusiastic        Friendly        Details"_s));
    const FakePlatform::Box print{u"Please Confirm that you wish to print this."_s, 4,
                                  u"Velkin Print"_s};
    const FakePlatform::Box test{u"Please Confirm that you wish to print this."_s, 4,
                                 u"Self Test Print"_s};
    const FakePlatform::Box failed{u"Command3_Click_error 482"_s, 0, u"Velkin"_s};
    EXPECT_EQ(platform.boxes, (FakePlatform::Boxes{print, print, print, test, test, failed, test}));
}

// Into PDF files, as the program draws its windows (in its own style): one page
// each, whose words are text, the window as wide as the paper's printable width
// and at its top, on A4 and on Letter; the buttons' icons are its only pictures.
TEST_F(WindowPrint, BothWindowsPrintTheirWordsAsTextAcrossThePaper)
{
    // The application owns its style, which the analyser does not see.
    // NOLINTBEGIN(clang-analyzer-cplusplus.NewDeleteLeaks)
    QApplication::setStyle(new parts::WindowStyle);
    const auto fusion = qScopeGuard([] { QApplication::setStyle(u"Fusion"_s); });
    // NOLINTEND(clang-analyzer-cplusplus.NewDeleteLeaks)
    const QTemporaryDir folder;
    const QPageLayout a4(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                         QMarginsF(18, 36, 18, 36));
    const QPageLayout letter(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                             QMarginsF(36, 18, 12, 54));
    const auto print = [&](const QWidget &shown, const QString &name, const QPageLayout &paper) {
        const QString pdf = folder.filePath(name);
        platform.printForReal(pdf, paper);
        platform.answers = {platform::Yes};
        click(&shown, "Command3");
        const PrintedPdf printed(pdf);
        EXPECT_EQ(printed.pages, 1) << name.toStdString();
        EXPECT_EQ(printed.paper, paper.pageSize().size(QPageSize::Point)) << name.toStdString();
        // Each caption lies on its button's place on the page.
        const QRectF printable = paper.paintRect(QPageLayout::Point);
        const qreal scale = printable.width() / shown.width();
        int icons = 0;
        for (const QAbstractButton *button : shown.findChildren<QAbstractButton *>()) {
            icons += button->isVisible() && !button->icon().isNull();
            const QString caption = button->text().remove(u'&').section(u' ', 0, 0);
            const QRectF place(QPointF(button->mapTo(&shown, QPoint())) * scale
                                   + printable.topLeft(),
                               QSizeF(button->size()) * scale);
            EXPECT_TRUE(!button->isVisible() || caption.isEmpty()
                        || printed.printedIn(caption, place))
                << name.toStdString() << ": " << caption.toStdString();
        }
        EXPECT_LE(printed.pictures, icons) << name.toStdString();
        return printed.text();
    };

    click({"Option1", "Option3", "Option5"});
    EXPECT_TRUE(
        print(*window, u"description.pdf"_s, a4).contains(u"MAIN TYPE: 'In Charge' person."));
    click({"Command4"});
    EXPECT_TRUE(print(*window, u"traits.pdf"_s, letter)
                    .contains(u"Some ''InCharge'' type personality traits"));
    printResults([&](QDialog &test) { // the counts are the bars' captions
        EXPECT_TRUE(print(test, u"results.pdf"_s, letter)
                        .contains(u"In Charge Enthusiastic Friendly Details"));
    });
    EXPECT_EQ(platform.boxes.size(), 3u) << "no error message";
}

} // namespace
