#include "VelkinWindow.h"

#include "Accessibility.h"
#include "Description.h"
#include "HelpViewer.h"
#include "PrintedPdf.h"
#include "QtPrinting.h"
#include "TraitList.h"
#include "TraitTest.h"
#include "VelkinTexts.h"
#include "WindowStyle.h"

#include <QPointer>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>

using namespace typefinder;

namespace {

// What each choice does is QuickSelectionTest's; here each control reaches it, by any mouse
// button or again after Clear, and every description and trait list fits the panel.
TEST_F(VelkinWindow, EachChoiceShowsItsTypeInThePanel)
{
    EXPECT_EQ(window->size(), QSize(593, 429)); // 8895 x 6435 twips
    EXPECT_EQ(selection() + u'|' + showing() + u'|' + focused(),
              u"Option1|Frame2 Frame3 Label5|Option1");
    for (const char *audience : {"Option7", "Option2", "Option1"}) {
        click({audience});
        EXPECT_EQ(selection() + u'|' + showing() + panel(),
                  QLatin1String(audience) + u"|Frame2 Frame3 Label5");
        for (const char *speed : {"Option3", "Option4"}) {
            for (const char *answer : {"Option5", "Option6"}) {
                const QString description = ComposeDescription(
                    quickType(speed[6] == u'3', answer[6] == u'5'), window->selection().audience());
                click({speed});
                click(window.get(), answer, Qt::RightButton);
                expectPanel(description);
                click({"Command4"});
                expectPanel(
                    ComposeTraitList(window->selection().currentType(), TraitLayout::MainWindow));
                click({"Command2"}); // back to the answer given, which Space or a click gives again
                answer[6] == u'5' ? key(Qt::Key_Space) : click({answer});
                expectPanel(description);
                click({"Command2"});
            }
        }
    }
}

// The keyboard alone chooses who and how, by any arrow, runs the test, and reads the description
// and traits. A screen reader finds every control named and every panel's whole text, hears
// every question and result, and each press through its interface returns before what it opens:
// Help opens the file beside the program at its first topic, Finished ends it without a word.
TEST_F(VelkinWindow, TheKeyboardAndAScreenReaderReachEverything)
{
    platform.folder = u"/media/stick/Velkin/"_s;
    platform.answers = {platform::Answer::No, platform::Answer::No}; // to either print
    QString about;
    onModal([&](QDialog &dialog) { // the window opened has the focus of its own
        EXPECT_EQ(accessibilityFaults(&dialog), QStringList()); // About, or the questions
        if (dialog.objectName() == u"frmAbout") {
            about = find<QLabel>(&dialog, "Label1")->text();
            return;
        }
        const auto press = [&](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
            QTest::keyClick(dialog.focusWidget(), key, modifiers);
            return dialog.focusWidget()->objectName();
        };
        const QWidget *previous = nullptr; // each question's answers are new to a screen reader
        for (int q = 1; q <= 24; ++q) {
            EXPECT_EQ(dialog.focusWidget(), find(&dialog, "Command2_1")) << q;
            EXPECT_NE(std::exchange(previous, dialog.focusWidget()), dialog.focusWidget());
            EXPECT_EQ(previous->accessibleDescription(), // each in the wording for the person
                      q > 1 ? questionLine(int16_t(q), false) : texts::FirstQuestion.toString());
            press(Qt::Key_Space);
        }
        EXPECT_EQ(accessibilityFaults(&dialog), QStringList()); // the results
        EXPECT_EQ(dialog.focusWidget()->accessibleDescription(), // Finished tells the counts
                  u"Results: In Charge 5, Enthusiastic 7, Friendly 7, Details 5");
        EXPECT_TRUE(pressReturnsAtOnce(find(&dialog, "Command3"),
                                       [&] { return platform.boxes.size() == 1; }));
        for (int i = 0; i < 6 && !press(Qt::Key_Tab).startsWith(u"Frame1_"); ++i) { } // to a bar
        EXPECT_EQ(press(Qt::Key_Space), u"Label2"); // its traits
        press(Qt::Key_F, Qt::AltModifier);
    });
    EXPECT_EQ(accessibilityFaults(window.get()), QStringList());
    // Arrows move within a step, choosing in Step 1 (a Work Associate) but not in Step 2,
    // where Space runs the test; Tab goes on to the next step, and from the panel to its buttons.
    QString path = focused();
    for (const Qt::Key next :
         {Qt::Key_Down, Qt::Key_Right, Qt::Key_Up, Qt::Key_Tab, Qt::Key_Down, Qt::Key_Down,
          Qt::Key_Space, Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Tab}) {
        key(next);
        path += u' ' + focused();
    }
    EXPECT_EQ(path,
              u"Option1 Option2 Option7 Option2 Option3 Option4 Option8 Label4 Command2 "
              u"Command3 Command4");
    EXPECT_EQ(find("Label4")->accessibleName() + u'|' + accessibleText(find("Label4")),
              u"Enthusiastic type, a Work Associate|" + panel());
    EXPECT_EQ(accessibilityFaults(window.get()), QStringList());
    key(Qt::Key_Space);
    EXPECT_EQ(find("Label4")->accessibleName() + u'|' + focused(),
              u"Enthusiastic type traits|Label4");
    EXPECT_TRUE(pressReturnsAtOnce(find("Command3"), [&] { return platform.boxes.size() == 2; }));
    EXPECT_TRUE(pressReturnsAtOnce(find("Command1_1"), [&] { return !about.isEmpty(); }));
    EXPECT_TRUE(pressReturnsAtOnce(find("Command1_2"), [&] { return platform.help.size() == 1; }));
    EXPECT_EQ(platform.help, QStringList{u"/media/stick/Velkin//Velkin.hlp#1"_s});
    key(Qt::Key_F, Qt::AltModifier); // Finished
    EXPECT_TRUE(QTest::qWaitFor([&] { return platform.programEnds == 1; }));
    EXPECT_EQ(platform.boxes.size(), 2u) << "the print questions only";
}

// The help file the build lays beside the programs: each link of its contents leads to a topic
// of its own, which a screen reader hears by name when the link is followed from the keyboard;
// a topic or file missing is told, and Escape closes the window.
TEST(HelpViewer, EachLinkLeadsToATopicOfItsOwnHeardByName)
{
    const QString shipped = QCoreApplication::applicationDirPath() + u"/Velkin.hlp";
    HelpViewer viewer(shipped, nullptr);
    viewer.showTopic(1);
    QStringList titles{viewer.accessibleName()};
    static const QRegularExpression link(u"<a href=\"([^\"]+)\""_s);
    for (const QRegularExpressionMatch &m : link.globalMatch(viewer.toHtml())) {
        HelpViewer topic(shipped, nullptr);
        Q_EMIT topic.anchorClicked(QUrl(m.captured(1)));
        titles.append(topic.accessibleName());
    }
    EXPECT_GE(titles.size(), 6);
    EXPECT_EQ(titles.removeDuplicates(), 0) << titles.join(u", ").toStdString();
    viewer.show();
    viewer.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&viewer));
    QTest::keyClick(&viewer, Qt::Key_Tab); // to the first link
    QTest::keyClick(&viewer, Qt::Key_Return);
    EXPECT_EQ(viewer.accessibleName(), titles.value(1));
    EXPECT_TRUE(viewer.hasFocus());
    viewer.showTopic(999);
    EXPECT_EQ(viewer.toPlainText(), u"The help file " + shipped + u" has no topic 999.");
    const QPointer<HelpViewer> missing = new HelpViewer(u"/nowhere/Velkin.hlp"_s, nullptr);
    missing->showTopic(1);
    EXPECT_EQ(missing->toPlainText(), u"The help file /nowhere/Velkin.hlp could not be read.");
    missing->show();
    QTest::keyClick(missing, Qt::Key_Escape); // closes it
    EXPECT_TRUE(QTest::qWaitFor([&] { return missing.isNull(); }));
}

// A test closed half way, or answered only "Don't Know", gives no result and changes nothing;
// the next starts again at question 1; each is asked of the user when checking themselves.
TEST_F(VelkinWindow, ATestGivesNoResultUnlessAnswered)
{
    click({"Option7", "Option4"});
    const QString forYou = u" of 24 questions - click the answer that best suits you at WORK."_s;
    runTest([&](QDialog &test) {
        answerLetters(test, u"IIIIIIIIII");
        EXPECT_EQ(find<QLabel>(&test, "Label1")->text(), u"11" + forYou);
    });
    runTest([&](QDialog &test) {
        EXPECT_EQ(find<QLabel>(&test, "Label1")->text(), u"1" + forYou);
        answerLetters(test, QString(24, u'-'));
        EXPECT_FALSE(test.isVisible()); // it closed itself after the message
    });
    EXPECT_EQ(selection() + u'|' + showing(),
              u"Option7 Option8|Frame2 Frame3 Option5 Option6 Label5");
    const platform::Message dontKnow{.text = u"Only 'Don't Know' answers were selected."_s,
                                     .icon = platform::Icon::Exclamation,
                                     .title = u"Velkin"_s};
    EXPECT_EQ(platform.boxes, std::vector{dontKnow});
}

// The bars stand where the counts put them, each showing its type's traits, no answer is
// taken once they are up, and the result is the main window's Steps 2 and 3.
TEST_F(VelkinWindow, TheBarsChartTheCountsAndTheResultIsPutIn)
{
    runTest([&](QDialog &test) {
        answerLetters(test, u"FFFFFFFFFFDDDDDDDDIIIIEE");
        EXPECT_EQ(which(&test, {"Label1", "Command2_1", "Frame2", "Command3"}), u"Frame2 Command3");
        QStringList bars; // each as "top+height caption" and the type of its traits
        for (const char *name : {"Frame1_0", "Frame1_1", "Frame1_2", "Frame1_3"}) {
            const auto *bar = find<QPushButton>(&test, name);
            const auto *traits = find<QPlainTextEdit>(&test, "Label2");
            click(&test, name);
            bars << u"%1+%2 %3 "_s.arg(bar->y()).arg(bar->height()).arg(bar->text())
                    + traits->toPlainText().section(u"''"_s, 1, 1);
            EXPECT_EQ(which(&test, {"Label2", "Command4", "Frame1_0"}), u"Label2 Command4");
            EXPECT_LE(textHeight(traits), find(&test, "Command4")->y());
            click(&test, "Command4");
            EXPECT_EQ(test.focusWidget(), bar) << "back on the bar whose traits were shown";
        }
        EXPECT_EQ(
            bars.join(u", "),
            u"168+85 4 InCharge, 211+42 2 Enthusiastic, 40+213 10 Friendly, 83+170 8 Details");
    });
    EXPECT_EQ(selection(), u"Option1 Option4 Option5");
    expectPanel(ComposeDescription(PersonalityType::Friendly, Audience::Customer));
}

// Printing asks first; a failure printing the results is told, a cancel not, and a failure
// printing the main window passes silently.
TEST_F(VelkinWindow, PrintingAsksFirstAndTellsAFailureOnlyOfTheResults)
{
    using enum platform::Answer;
    runTest([&](QDialog &test) {
        answerLetters(test, u"FFFFFFFFFFDDDDDDDDIIIIEE");
        const QString shown = printFace(test);
        platform.answers = {No, Yes, Yes};
        for (const int error : {0, platform::PrinterError, platform::CancelledError}) {
            platform.windowPrintError = error;
            click(&test, "Command3");
        }
        EXPECT_EQ(printFace(test), shown) << "the screen's wording back";
    });
    platform.windowPrintError = platform::PrinterError;
    platform.answers = {No, Yes};
    click({"Command3", "Command3"});
    EXPECT_EQ(platform.windowPrints, 3);
    const QString confirm = u"Please Confirm that you wish to print this."_s;
    const auto yesNo = platform::Buttons::YesNo;
    const platform::Message test{confirm, yesNo, {}, u"Self Test Print"_s};
    const platform::Message main{confirm, yesNo, {}, u"Velkin Print"_s};
    const platform::Message failed{.text = u"Command3_Click_error 482"_s, .title = u"Velkin"_s};
    EXPECT_EQ(platform.boxes, (std::vector{test, test, failed, test, main, main}));
}

// Each window prints for real as one page whose words are text, as the program draws it (in its
// own style), across the printable width and at its top, with its changes for paper undone after:
// the panel white on black, the results in their paper wording. Icons are the only pictures.
TEST_F(VelkinWindow, EachWindowPrintsAsTextAcrossThePageWithItsChangesForPaper)
{
    // The application owns its style, which the analyser does not see.
    // NOLINTBEGIN(clang-analyzer-cplusplus.NewDeleteLeaks)
    QApplication::setStyle(new parts::WindowStyle);
    const auto fusion = qScopeGuard([] { QApplication::setStyle(u"Fusion"_s); });
    // NOLINTEND(clang-analyzer-cplusplus.NewDeleteLeaks)
    const QTemporaryDir folder;
    PdfPrinters printers;
    printers.pdf = folder.filePath(u"window.pdf"_s);
    platform::QtPrinting printing(printers);
    platform.printing = &printing;
    QString printedFace;
    platform.onPrintWindow = [&](QWidget &shown) {
        printedFace = printFace(shown);
    };
    const auto print = [&](const QWidget &shown) {
        const QString onScreen = printFace(shown);
        platform.answers = {platform::Answer::Yes};
        click(&shown, "Command3");
        EXPECT_EQ(printFace(shown), onScreen);
        PrintedPdf printed(printers.pdf);
        EXPECT_EQ(printed.pages, 1);
        // Each caption lies on its button's place on the page.
        const QRectF printable = printers.newPrinter()->pageLayout().paintRect(QPageLayout::Point);
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
        return QString(printedFace + u'|' + printed.reading.simplified());
    };
    click({"Option2", "Option4", "Option6"});
    const QString main = print(*window);
    EXPECT_TRUE(main.startsWith(u"#ffffff#000000|") && main.contains(u"'Details' person."))
        << main.toStdString();
    runTest([&](QDialog &test) {
        answerLetters(test, u"IIIIIIIIIIEEEEEEEEFFFFDD");
        EXPECT_TRUE(print(test).startsWith(
            u"The higher the number the stonger personality type.|In Charge          "
            u"Enthusiastic        Friendly        Details|"));
    });
    EXPECT_EQ(platform.boxes.size(), 2u) << "the questions only";
}

} // namespace
