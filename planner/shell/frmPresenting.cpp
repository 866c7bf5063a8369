#include "frmPresenting.h"

#include "AnswerBox.h"
#include "Platform.h"
#include "ShellTexts.h"
#include "Twips.h"
#include "WindowParts.h"
#include "WindowPlatform.h"
#include "frmAbout.h"

#include <QAccessible>
#include <QCloseEvent>
#include <QGroupBox>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QTextBlock>
#include <QToolButton>

using namespace parts;
using platform::twipsRect;

namespace planner {

namespace {

struct Place
{
    int left;
    int top;
};

// Command1, by index: Finished, Back, Forward, Print, AboutBox.
constexpr std::array<Place, 5> StepButtonPlaces{
    {{360, 6120}, {6120, 6120}, {7560, 6120}, {3240, 6120}, {1800, 6120}}};
// Back and Forward carry their arrows in their captions and have no room for a picture.
constexpr std::array<QStringView, 5> StepButtonArt{u"finished", {}, {}, u"print", u"about"};

// Command4, by index; the tops put the type finder first, each description beside its button.
constexpr std::array<int, 5> ToolTops{440, 880, 1320, 0, 1760};
constexpr std::array<int, 5> ToolDescriptionTops{500, 940, 1380, 100, 1780};
constexpr std::array<QStringView, 5> ToolArt{u"presentation", u"meeting", u"strategy", u"velkin",
                                             u"phone"};

QPushButton *button(QWidget *parent, const QString &name, const ButtonText &text, QStringView art,
                    const QRect &geometry, const QColor &background)
{
    auto *b = new QPushButton(text.caption.toString(), parent);
    b->setObjectName(name);
    b->setToolTip(text.toolTip.toString());
    if (!art.isEmpty()) {
        b->setIcon(parts::art(art));
        b->setIconSize(QSize(12, 12));
    }
    b->setGeometry(geometry);
    if (!text.spoken.isEmpty())
        b->setAccessibleName(text.spoken.toString());
    b->setAutoDefault(false);
    setColour(b, QPalette::Button, background);
    return b;
}

QLabel *picture(QWidget *parent, const QString &name, QStringView art, QStringView description)
{
    auto *p = new QLabel(parent);
    p->setObjectName(name);
    p->setAccessibleName(description.toString());
    p->setGeometry(twipsRect(2100, 3600, 4815, 2115));
    if (!art.isEmpty())
        p->setPixmap(parts::art(art).pixmap(p->size()));
    return p;
}

} // namespace

frmPresenting::frmPresenting(platform::Platform &platform, platform::WindowPlatform &windows,
                             QWidget *parent)
    : QWidget(parent)
    , m_platform(platform)
    , m_windows(windows)
    , m_navigation(m_state, *this, platform)
{
    setObjectName(QStringLiteral("frmPresenting"));
    setWindowTitle(texts::StartCaption.toString());
    setWindowIcon(art(u"orvanta"));
    setFont(msSansSerif(8.25));
    setFixedSize(twipsRect(0, 0, 9015, 6630).size());
    createControls();
    Form_Load();
}

frmPresenting::~frmPresenting() = default;

void frmPresenting::createControls()
{
    m_frame1 = frame(this, u"Frame1", twipsRect(120, 120, 8775, 5775));
    m_frame1->setAccessibleName(texts::ScreenFrame.toString());

    m_label1 = label(m_frame1, u"Label1", {}, twipsRect(480, 240, 7935, 375), DarkRed);
    m_label1->setFont(arial(12, true));
    m_label1->setWordWrap(false);
    m_label1->setAutoFillBackground(true);
    setColour(m_label1, QPalette::Window, LightYellow);

    m_frame2 = frame(m_frame1, u"Frame2", twipsRect(480, 720, 7935, 2600));
    m_frame2->setTitle(texts::InitialFrame.toString());
    const QColor windowText = m_frame2->palette().color(QPalette::WindowText);
    setColour(m_frame2, QPalette::WindowText, DarkBlue);
    m_frame2->setMouseTracking(true);
    m_frame2->installEventFilter(this);

    m_label2 = label(m_frame2, u"Label2", {}, twipsRect(120, 240, 7575, 2175), windowText);
    m_label2->setFont(arial(9.75));
    // The notes are labelled by the screen's title, which a screen reader
    // speaks as their name when they have the focus.
    m_label1->setBuddy(m_frame2);

    m_frame3 = frame(this, u"Frame3", twipsRect(720, 1080, 7695, 2175));
    m_frame3->setAccessibleName(texts::ToolsFrame.toString());
    const QFont descriptionFont = msSansSerif(9.75);
    for (int i = 0; i < int(m_command4.size()); ++i) {
        m_command4[i] =
            button(m_frame3, QStringLiteral("Command4_%1").arg(i), texts::ToolButtons[i],
                   ToolArt[i], twipsRect(120, ToolTops[i], 2415, 375), LightCyan);
        m_command4[i]->setIconSize(QSize(16, 16));
        m_command4[i]->setMouseTracking(true);
        m_command4[i]->installEventFilter(this);
        connect(m_command4[i], &QPushButton::clicked, this,
                [this, i] { m_navigation.Command4_Click(int16_t(i)); });
        m_label3[i] = label(m_frame3, QStringLiteral("Label3_%1").arg(i),
                            texts::ToolDescriptions[i].toString(),
                            twipsRect(2760, ToolDescriptionTops[i], 4815, 255), Black);
        m_label3[i]->setFont(descriptionFont);
    }

    m_picture1 = picture(this, QStringLiteral("Picture1"), {}, texts::PlanningPicture);
    m_picture1->hide();
    m_picture2 = picture(this, QStringLiteral("Picture2"), u"picture2", texts::MenuPicture);
    m_picture2->setAutoFillBackground(true);
    setColour(m_picture2, QPalette::Window, Qt::white);

    for (int i = 0; i < int(m_command1.size()); ++i) {
        const Place place = StepButtonPlaces[i];
        m_command1[i] =
            button(this, QStringLiteral("Command1_%1").arg(i), texts::StepButtons[i],
                   StepButtonArt[i], twipsRect(place.left, place.top, 1095, 375), LightYellow);

        connect(m_command1[i], &QPushButton::clicked, this,
                [this, i] { m_navigation.Command1_Click(int16_t(i)); });
    }
    m_command1[3]->hide();

    m_command2 = button(this, QStringLiteral("Command2"), texts::TypeFinderButton, u"velkin",
                        twipsRect(4680, 6120, 1095, 375), LightYellow);
    m_command2->hide();
    connect(m_command2, &QPushButton::clicked, this, [this] { m_navigation.Command2_Click(); });

    // Keyboard order follows the screen: the tools, the screen (where the answer
    // box and Save to Disk come when first needed), then the buttons left to right.
    QWidget *order[] = {m_command4[3], m_command4[0], m_command4[1], m_command4[2],
                        m_command4[4], m_frame2,      m_command1[0], m_command1[4],
                        m_command1[3], m_command2,    m_command1[1], m_command1[2]};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

// Made when a screen first needs it, not at start-up.
AnswerBox *frmPresenting::answerBox()
{
    if (!m_text1) {
        m_text1 = newAnswerBox(twipsRect(480, 3480, 7935, 2055));
        setTabOrder(m_frame2, m_text1);
        if (m_command3)
            m_text1->stackUnder(m_command3);
    }
    return m_text1;
}

QToolButton *frmPresenting::saveButton()
{
    if (m_command3)
        return m_command3;
    m_command3 = pictureButton(m_frame1, u"Command3", texts::SaveButton.caption,
                               texts::SaveButton.toolTip, twipsRect(7440, 4560, 615, 735), u"save");
    m_command3->setAccessibleName(texts::SaveButton.spoken.toString());
    m_command3->setIconSize(QSize(16, 16));
    QFont small = m_command3->font();
    small.setPointSizeF(7.5);
    m_command3->setFont(small);
    setColour(m_command3, QPalette::Button, LightYellow);
    m_command3->setAutoFillBackground(true);
    m_command3->hide();
    connect(m_command3, &QToolButton::clicked, this, [this] { m_navigation.Command3_Click(); });
    setTabOrder(answerBox(), m_command3);
    m_command3->raise(); // Save to Disk lies within the box's area
    return m_command3;
}

void frmPresenting::Form_Load()
{
    centre(*this);
    m_navigation.ShowMainMenu();
}

void frmPresenting::Form_Unload()
{
    setWindowState(Qt::WindowMinimized);
    m_platform.endProgram();
}

void frmPresenting::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    event->accept();
}

bool frmPresenting::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && watched == m_text1)
        return Text1_KeyPress(static_cast<const QKeyEvent &>(*event));
    // The description lights up for the keyboard's tool as for the mouse's.
    if (event->type() == QEvent::MouseMove || event->type() == QEvent::FocusIn) {
        if (watched == m_frame2) {
            Frame2_MouseMove();
        } else {
            const auto tool = std::find(m_command4.begin(), m_command4.end(), watched);
            if (tool != m_command4.end())
                Command4_MouseMove(int(tool - m_command4.begin()));
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmPresenting::Command4_MouseMove(int index)
{
    for (int i = 0; i < int(m_label3.size()); ++i) {
        if (i != index)
            setColour(m_label3[i], QPalette::WindowText, Black);
    }
    if (m_label3[index]->palette().color(QPalette::WindowText) != Red)
        setColour(m_label3[index], QPalette::WindowText, Red);
}

void frmPresenting::Frame2_MouseMove()
{
    for (QLabel *description : m_label3)
        setColour(description, QPalette::WindowText, Black);
}

bool frmPresenting::Text1_KeyPress(const QKeyEvent &key)
{
    const bool lineBreak = key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
    return lineBreak && answerBox()->mode().oneLine;
}

QWidget *frmPresenting::control(Control control) const
{
    switch (control) {
    case Control::Form:
        return const_cast<frmPresenting *>(this);
    case Control::Label1:
        return m_label1;
    case Control::Frame2:
        return m_frame2;
    case Control::Label2:
        return m_label2;
    case Control::Text1:
        return const_cast<frmPresenting *>(this)->answerBox();
    case Control::Command3:
        return const_cast<frmPresenting *>(this)->saveButton();
    case Control::Frame3:
        return m_frame3;
    case Control::Picture1:
        return m_picture1;
    case Control::Picture2:
        return m_picture2;
    case Control::Command2:
        return m_command2;
    case Control::Finished:
        return m_command1[0];
    case Control::Back:
        return m_command1[1];
    case Control::Forward:
        return m_command1[2];
    case Control::Print:
        return m_command1[3];
    case Control::AboutBox:
        return m_command1[4];
    }
    return nullptr;
}

void frmPresenting::setCaption(Control control, const QString &caption)
{
    QWidget *w = this->control(control);
    if (w == this) {
        setWindowTitle(caption);
    } else if (auto *l = qobject_cast<QLabel *>(w)) {
        QString shown = caption;
        l->setText(shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    } else if (auto *f = qobject_cast<QGroupBox *>(w)) {
        f->setTitle(caption);
    } else if (auto *b = qobject_cast<QPushButton *>(w)) {
        b->setText(caption);
    }
}

void frmPresenting::setControlVisible(Control control, bool visible)
{
    const bool unmade =
        (control == Control::Text1 && !m_text1) || (control == Control::Command3 && !m_command3);
    if (unmade && !visible)
        return;
    QWidget *w = this->control(control);
    // The planners' picture is read when it is first shown, not at start-up.
    if (control == Control::Picture1 && visible && m_picture1->pixmap().isNull())
        m_picture1->setPixmap(art(u"picture1").pixmap(m_picture1->size()));
    // Hidden with the focus in it, a control would pass the focus on to the
    // next, which a screen reader would read before the screen takes it.
    if (!visible && w->isAncestorOf(focusWidget()))
        focusWidget()->clearFocus();
    w->setVisible(visible);
}

void frmPresenting::setControlEnabled(Control control, bool enabled)
{
    this->control(control)->setEnabled(enabled);
}

void frmPresenting::setControlTop(Control control, int twips)
{
    QWidget *w = this->control(control);
    w->move(w->x(), platform::pixels(twips));
}

void frmPresenting::setControlHeight(Control control, int twips)
{
    QWidget *w = this->control(control);
    w->resize(w->width(), platform::pixels(twips));
}

void frmPresenting::focusControl(Control control)
{
    this->control(control)->setFocus();
}

QString frmPresenting::answerText() const
{
    return m_text1 ? m_text1->text() : QString();
}

void frmPresenting::setAnswerText(const QString &text)
{
    answerBox()->setText(text);
}

void frmPresenting::setAnswerMode(AnswerMode mode)
{
    answerBox()->setMode(mode);
}

platform::Answer frmPresenting::messageBox(const platform::Message &message)
{
    return m_windows.messageBox(*this, message);
}

void frmPresenting::showAboutBox()
{
    frmAbout about(this);
    m_windows.showModal(about);
}

// A screen reader speaks a control when the focus reaches it, its name and
// then its description, but not a label's description. So each change of
// screen, its texts set, gives the focus to what reads the whole screen: the
// first tool; a new answer box, named after the screen's title and described
// by its guidance; or, on a screen without a box, the notes, labelled by the
// title and described by the guidance. Each label's own name stays the text
// it shows.
void frmPresenting::screenShown()
{
    const QString title = m_label1->text().trimmed();
    const QString guidance = m_frame2->isVisibleTo(this) ? m_label2->text().trimmed() : QString();
    const bool answered = m_text1 && m_text1->isVisibleTo(this);
    const bool notes = !m_frame3->isVisibleTo(this) && !answered && !guidance.isEmpty();
    m_frame2->setFocusPolicy(notes ? Qt::StrongFocus : Qt::NoFocus);
    m_frame2->setAccessibleDescription(notes ? guidance : QString());
    if (m_frame3->isVisibleTo(this)) {
        m_command4[3]->setFocus();
    } else if (answered) {
        renewAnswerBox(title, guidance);
    } else if (!m_frame2->hasFocus()) {
        m_frame2->setFocus();
    } else {
        // The focus stays, so nothing would tell; the notes are read anew as
        // a new object that takes the focus.
        QAccessible::deleteAccessibleInterface(
            QAccessible::uniqueId(QAccessible::queryAccessibleInterface(m_frame2)));
        QAccessibleEvent focus(m_frame2, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
    if (m_text1) {
        m_text1->setAccessibleName(title);
        m_text1->setAccessibleDescription(guidance);
    }
}

AnswerBox *frmPresenting::newAnswerBox(const QRect &geometry)
{
    auto *box = new AnswerBox(m_frame1);
    box->setObjectName(QStringLiteral("Text1"));
    box->setFont(answerFont());
    box->setGeometry(geometry);
    box->installEventFilter(this);
    return box;
}

// The new box takes the focus straight from the old one, and only then its
// name and text: a screen reader that finds a control already changed when
// the focus reaches it takes it for old news and says nothing.
void frmPresenting::renewAnswerBox(const QString &title, const QString &guidance)
{
    AnswerBox *old = m_text1;
    m_text1 = newAnswerBox(old->geometry());
    m_text1->setMode(old->mode());
    setTabOrder(m_frame2, m_text1);
    setTabOrder(m_text1, saveButton());
    m_text1->stackUnder(m_command3); // Save to Disk lies within the box's area
    m_text1->show();
    m_text1->setFocus();
    m_text1->setAccessibleName(title);
    m_text1->setAccessibleDescription(guidance);
    m_text1->setText(old->text());
    // The caret on the first line with words, which is what is read first.
    QTextCursor caret = m_text1->textCursor();
    while (caret.block().length() == 1 && caret.block().next().isValid())
        caret.movePosition(QTextCursor::NextBlock);
    m_text1->setTextCursor(caret);
    old->setObjectName({});
    old->hide();
    old->deleteLater();
}

void frmPresenting::closeWindow()
{
    close();
}

} // namespace planner
