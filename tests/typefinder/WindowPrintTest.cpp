#include "PrintedPdf.h"
#include "VelkinWindow.h"
#include "WindowStyle.h"

#include <QPageLayout>
#include <QScopeGuard>
#include <QTemporaryDir>

namespace {

using WindowPrint = VelkinWindow;

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
    const auto print = [&](const QWidget &shown, const QPageLayout &paper) {
        const QString pdf = folder.filePath(shown.objectName() + u".pdf");
        SCOPED_TRACE(pdf.toStdString());
        platform.printForReal(pdf, paper);
        platform.answers = {platform::Yes};
        click(&shown, "Command3");
        const PrintedPdf printed(pdf);
        EXPECT_EQ(printed.pages, 1);
        EXPECT_EQ(printed.paper, paper.pageSize().size(QPageSize::Point));
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
                << caption.toStdString();
        }
        EXPECT_LE(printed.pictures, icons);
        return printed.text();
    };

    click({"Option1", "Option3", "Option5"});
    EXPECT_TRUE(print(*window, a4).contains(u"MAIN TYPE: 'In Charge' person."));
    runTest([&](QDialog &test) {
        answerLetters(test, u"IIIIIIIIIIEEEEEEEEFFFFDD");
        EXPECT_TRUE(print(test, letter).contains(u"In Charge Enthusiastic Friendly Details"));
    });
    EXPECT_EQ(platform.boxes.size(), 2u) << "no error message";
}

} // namespace
