#include "VelkinWindow.h"

#include "AboutText.h"
#include "Accessibility.h"
#include "Description.h"
#include "HelpViewer.h"
#include "PrintedPdf.h"
#include "QuickSelection.h"
#include "RandomUser.h"
#include "TraitTest.h"
#include "VelkinTexts.h"
#include "WindowStyle.h"

#include <QPageLayout>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTemporaryDir>

using namespace typefinder;

namespace {

// Each audience's wording in Steps 2 and 3, each pair of answers, by any mouse button, its
// type's description and traits; a new audience starts afresh. Clear keeps the answers and
// goes back to the one given, which the space bar or a click gives again.
TEST_F(VelkinWindow, EachPathShowsItsDescriptionAndTraitsInTheAudiencesWording)
{
    EXPECT_EQ(window->size(), QSize(593, 429)); // 8895 x 6435 twips
    EXPECT_EQ(selection() + u'|' + showing(), u"Option1|Frame2 Frame3 Label5");
    for (const auto &[option, audience] : {std::pair{"Option7", Audience::Self},
                                           {"Option2", Audience::Associate},
                                           {"Option1", Audience::Customer}}) {
        click({option});
        EXPECT_EQ(selection() + u'|' + showing() + panel(),
                  QLatin1String(option) + u"|Frame2 Frame3 Label5");
        const AudienceCaptions &captions = audienceCaptions(audience);
        EXPECT_EQ(frameTitle("Frame2") + frameTitle("Frame3") + caption("Option3")
                      + caption("Option4") + caption("Option8"),
                  captions.step2Frame + captions.step3Frame + captions.fast + captions.slow
                      + captions.detailedTest);
        for (const PersonalityType type : allTypes) {
            const QuickAnswers answers = quickAnswers(type);
            click({answers.fast ? "Option3" : "Option4"});
            const Step3Captions questions = step3Captions(answers.fast, audience);
            EXPECT_EQ(caption("Option5") + caption("Option6"), questions.first + questions.second);
            click(window.get(), answers.firstStep3Answer ? "Option5" : "Option6", Qt::RightButton);
            EXPECT_EQ(values.currentType, typeLetter(type));
            expectPanel(ComposeDescription(type, audience).section(u"\r\n"_s, 0, 0));
            click({"Command4"});
            expectPanel(u" Some ''");
            click({"Command2"});
        }
    }
    EXPECT_EQ(showing(), u"Frame2 Frame3 Option5 Option6 Label5");
    key(Qt::Key_Space);
    expectPanel(u" MAIN TYPE:  'Details'  person.", u"Details type, a Customer");
    click({"Command2", "Option6"});
    expectPanel(u" MAIN TYPE:  'Details'  person.");
    platform.folder = u"/media/stick/Velkin/"_s; // Help's file lies beside the program
    click({"Command1_2", "Command1_0"}); // Finished ends the program without a word
    EXPECT_EQ(platform.help, QStringList{u"/media/stick/Velkin//Velkin.hlp#1"_s});
    EXPECT_EQ(platform.programEnds, 1);
    EXPECT_TRUE(platform.boxes.empty());
}

// The keyboard alone chooses who and how, by any arrow, runs the test, and reads the description
// and traits. A screen reader finds every control named and every panel's whole text, hears
// every question and result, and each press through its interface returns before what it opens.
TEST_F(VelkinWindow, TheKeyboardAndAScreenReaderReachEverything)
{
    platform.answers = {platform::No, platform::No}; // to either print
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
    expectPanel(u" Some ''Enthusiastic''", u"Enthusiastic type traits");
    EXPECT_TRUE(pressReturnsAtOnce(find("Command3"), [&] { return platform.boxes.size() == 2; }));
    EXPECT_TRUE(pressReturnsAtOnce(find("Command1_1"), [&] { return !about.isEmpty(); }));
    EXPECT_EQ(about, typefinder::aboutText().replace(u"\r\n"_s, u"\n"_s));
    EXPECT_TRUE(pressReturnsAtOnce(find("Command1_2"), [&] { return platform.help.size() == 1; }));
}

// The help file the build lays beside the programs: each link of its contents leads to a topic
// of its own, which a screen reader hears by name when the link is followed from the keyboard.
TEST(HelpViewer, EachLinkLeadsToATopicOfItsOwnHeardByName)
{
    const QString shipped = QCoreApplication::applicationDirPath() + u"/Velkin.hlp";
    HelpViewer viewer(shipped, nullptr);
    viewer.showTopic(1);
    const QString contents = viewer.accessibleName();
    EXPECT_EQ(contents, viewer.toPlainText().section(u'\n', 0, 0));
    QStringList titles{contents};
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

    HelpViewer missing(u"/nowhere/Velkin.hlp"_s, nullptr);
    missing.showTopic(1);
    EXPECT_EQ(missing.toPlainText(), u"The help file /nowhere/Velkin.hlp could not be read.");
}

// A test closed half way, or answered only "Don't Know", gives no result; the next starts
// again. The answers reach the count, the bars stand where the count puts them, a bar shows
// its type's traits, and the result selects its steps in the main window. Each window prints
// as it shows but for changes made for paper and undone after: the results in their paper
// wording, a failure but a cancel told; the main window's panel white on black, silently.
TEST_F(VelkinWindow, TheTestGivesAResultOnlyWhenAnsweredChartsItAndEachWindowPrints)
{
    // What a window shows of its changes for paper: the panel's colours, or the results' wording.
    const auto face = [](const QWidget &window) -> QString {
        if (const auto *panel = window.findChild<QPlainTextEdit *>(u"Label4"_s))
            return panel->palette().color(QPalette::Text).name()
                + panel->palette().color(QPalette::Base).name();
        return find<QLabel>(&window, "Label5")->text() + u'|'
            + find<QLabel>(&window, "Label3")->text();
    };
    QStringList printed; // as each print showed
    platform.onPrintWindow = [&](QWidget &shown) {
        printed.append(face(shown));
    };
    click({"Option7", "Option4"});
    runTest([&](QDialog &test) { answerLetters(test, u"IIIIIIIIII"); });
    runTest([&](QDialog &test) {
        EXPECT_EQ(line(test), u"1 of 24 questions - click the answer that best suits you at WORK.");
        EXPECT_EQ(find<QPushButton>(&test, "Command2_1")->text(), u"Likes facts and figures");
        answerLetters(test, QString(24, u'-'));
        EXPECT_FALSE(test.isVisible()); // it closed itself after the message
    });
    EXPECT_EQ(selection() + u'|' + showing(),
              u"Option7 Option8|Frame2 Frame3 Option5 Option6 Label5"); // neither gave a result
    runTest([&](QDialog &test) {
        answerLetters(test, u"FFFFFFFFFFDDDDDDDDIIIIEE");
        EXPECT_EQ(shown(&test, {"Label1", "Command2_1", "Frame2", "Command3"}), u"Frame2 Command3");
        // Each bar as "top+height caption", standing on 3800 twips, and the type of its traits.
        QStringList bars;
        for (const char *name : {"Frame1_0", "Frame1_1", "Frame1_2", "Frame1_3"}) {
            const auto *bar = find<QPushButton>(&test, name);
            const auto *traits = find<QPlainTextEdit>(&test, "Label2");
            click(&test, name);
            bars << u"%1+%2 %3 "_s.arg(bar->y()).arg(bar->height()).arg(bar->text())
                    + traits->toPlainText().section(u"''"_s, 1, 1);
            EXPECT_EQ(shown(&test, {"Label2", "Command4", "Frame1_0"}), u"Label2 Command4");
            EXPECT_LE(textHeight(traits), find(&test, "Command4")->y());
            click(&test, "Command4");
        }
        EXPECT_EQ(
            bars.join(u", "),
            u"168+85 4 InCharge, 211+42 2 Enthusiastic, 40+213 10 Friendly, 83+170 8 Details");

        const QString onScreen = face(test);
        platform.answers = {platform::Yes, platform::Yes, platform::Yes};
        for (const int error : {0, platform::PrinterError, platform::CancelledError}) {
            platform.windowPrintError = error;
            click(&test, "Command3");
        }
        EXPECT_EQ(face(test), onScreen);
    });
    EXPECT_EQ(selection(), u"Option7 Option4 Option5");
    expectPanel(u" MAIN TYPE:  'Friendly'  person.");
    const QString onScreen = face(*window);
    platform.windowPrintError = platform::PrinterError;
    platform.answers = {platform::No, platform::Yes};
    click({"Command3", "Command3"});
    EXPECT_EQ(face(*window), onScreen);
    const QString paper = u"The higher the number the stonger personality type.|"
                          u"In Charge          Enthusiastic        Friendly        Details"_s;
    EXPECT_EQ(printed, QStringList({paper, paper, paper, u"#ffffff#000000"_s}));
    using Box = FakePlatform::Box;
    const QString confirm = u"Please Confirm that you wish to print this."_s;
    const Box test{confirm, 4, u"Self Test Print"_s}, main{confirm, 4, u"Velkin Print"_s};
    const Box failed{u"Command3_Click_error 482"_s, 0, u"Velkin"_s};
    const Box dontKnow{u"Only 'Don't Know' answers were selected."_s, 48, u"Velkin"_s};
    EXPECT_EQ(platform.boxes, (std::vector<Box>{dontKnow, test, test, failed, test, main, main}));
}

// Into PDF files, as the program draws its windows (in its own style): one page each, whose
// words are text, the window as wide as the paper's printable width and at its top, on A4 and
// on Letter; the buttons' icons are its only pictures.
TEST_F(VelkinWindow, BothWindowsPrintTheirWordsAsTextAcrossThePaper)
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
        return printed.reading.simplified();
    };

    click({"Option1", "Option3", "Option5"});
    EXPECT_TRUE(print(*window, a4).contains(u"MAIN TYPE: 'In Charge' person."));
    runTest([&](QDialog &test) {
        answerLetters(test, u"IIIIIIIIIIEEEEEEEEFFFFDD");
        EXPECT_TRUE(print(test, letter).contains(u"In Charge Enthusiastic Friendly Details"));
    });
}

// Hundreds of random clicks, keys and mouse moves in the main window and the detailed test,
// every box answered at random; after each step the windows keep their rules: no question past
// the 24th, no answer taken once the results are up, one choice at most in each step, and a
// finished test's type on show.
TEST_F(VelkinWindow, RandomUseKeepsTheRules)
{
    RandomUser user(1000);
    bool ended = false; // a test just ended with its results
    platform.answerAtRandom = [&] {
        return user.chance(0.5) ? platform::Yes : platform::No;
    };
    onModal([&](QDialog &dialog) {
        const bool test = dialog.objectName() == u"frmSelfTest"; // mostly to its end
        for (int n = user.below(test ? 120 : 4); n > 0 && dialog.isVisible() && !HasFailure();
             --n) {
            if (user.chance(0.2))
                user.pressKey(&dialog);
            else
                user.clickButton(&dialog, [](QAbstractButton *b) {
                    return b->objectName().startsWith(u"Command2_") ? 8 : 1;
                });
            const bool results = test && dialog.isVisible() && find(&dialog, "Frame2")->isVisible();
            EXPECT_TRUE(!test || (results != find(&dialog, "Command2_1")->isVisible())
                        || !dialog.isVisible());
            EXPECT_TRUE(!test || line(dialog).section(u' ', 0, 0).toInt() <= 24);
            ended = results;
        }
    });
    // The steps, with Step 3 or without, or the panel; exactly one audience, and at most
    // one answer in each of Steps 2 and 3.
    static const QRegularExpression screens(
        u"^(Frame2 Frame3 (Option5 Option6 )?Label5|Label4 Command2 Command3 Command4)$"_s);
    static const QRegularExpression choices(u"^Option[127]( Option[348])?( Option[56])?$"_s);
    const auto check = [&] {
        EXPECT_TRUE(screens.match(showing()).hasMatch()) << showing().toStdString();
        EXPECT_TRUE(choices.match(selection()).hasMatch()) << selection().toStdString();
        EXPECT_TRUE(!std::exchange(ended, false)
                    || (find("Label4")->isVisible() && values.currentType == values.testResult));
    };
    using Act = std::function<void()>;
    const Act clickAny = [&] { // Finished, which ends the program, the least
        user.clickButton(window.get(), [](QAbstractButton *b) {
            return b->objectName() == u"Command1_0" ? 1 : 4;
        });
    };
    const Act typeInPanel = [&] { // the panel is there to be read, not written
        auto *panel = find<QPlainTextEdit>("Label4");
        const QString before = panel->toPlainText();
        user.type(panel, user.text());
        EXPECT_EQ(panel->toPlainText(), before);
    };
    user.run(
        {{40, clickAny},
         {30, Act([&] { user.pressKey(window.get()); })},
         {5, Act([&] { user.moveOver(find(user.chance(0.5) ? "Frame2" : "Label4")); })},
         {5, typeInPanel},
         {1, Act([&] { window->close(); })}},
        check, [&] { return !window->isVisible(); },
        [&] { open(values = typefinder::TypeFinderValues()); });
}

} // namespace
