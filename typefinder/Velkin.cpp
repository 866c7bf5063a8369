#include "Velkin.h"

#include "ChoiceButton.h"
#include "OptionButton.h"
#include "Platform.h"
#include "TextPanel.h"
#include "Twips.h"
#include "VelkinTexts.h"
#include "WindowParts.h"
#include "WindowPlatform.h"
#include "frmAbout.h"
#include "frmSelfTest.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QToolButton>

using namespace parts;
using platform::twipsRect;

namespace typefinder {

namespace {

constexpr std::array<QStringView, 3> TopButtonArt{u"finished", u"about", u"help"};

QGroupBox *blueFrame(QWidget *parent, QStringView name, const QRect &geometry)
{
    QGroupBox *f = frame(parent, name, geometry);
    setColour(f, QPalette::WindowText, Blue);
    return f;
}

template<typename Option> Option *option(QWidget *parent, QStringView name, const QRect &geometry)
{
    auto *o = new Option(parent);
    o->setObjectName(name.toString());
    o->setGeometry(geometry);
    setColour(o, QPalette::WindowText, Qt::black);
    return o;
}

QPushButton *yellowButton(QWidget *parent, QStringView name, const ButtonText &text,
                          const QRect &geometry, QStringView icon)
{
    auto *b = new QPushButton(art(icon), text.caption.toString(), parent);
    b->setObjectName(name.toString());
    b->setToolTip(text.toolTip.toString());
    b->setGeometry(geometry);
    b->setIconSize(QSize(12, 12));
    b->setAutoDefault(false);
    setColour(b, QPalette::Button, Yellow);
    b->hide();
    return b;
}

} // namespace

Velkin::Velkin(platform::Platform &platform, platform::WindowPlatform &windows, QWidget *parent)
    : QWidget(parent)
    , m_platform(platform)
    , m_windows(windows)
{
    setObjectName(QStringLiteral("Velkin"));
    setWindowTitle(texts::AppTitle.toString());
    setWindowIcon(art(u"velkin"));
    setFont(arial(8.25));
    setFixedSize(twipsRect(0, 0, 8895, 6435).size());
    createControls();
    centre(*this);
    m_selection.Form_Load();
}

Velkin::~Velkin() = default;

void Velkin::createControls()
{
    m_label2 =
        label(this, u"Label2", texts::Intro.toString(), twipsRect(240, 120, 8415, 735), DarkRed);
    m_label2->setFont(arial(12));

    for (int i = 0; i < 3; ++i) {
        const ButtonText &text = texts::TopButtons[i];
        m_command1[i] =
            pictureButton(this, QStringLiteral("Command1_%1").arg(i), text.caption, text.toolTip,
                          twipsRect(7680 - i * 1200, 1080, 975, 855), TopButtonArt[i]);
        connect(m_command1[i], &QToolButton::clicked, this, [this, i] { Command1_Click(i); });
    }

    m_frame1 = blueFrame(this, u"Frame1", twipsRect(240, 1080, 4815, 735));
    m_frame1->setTitle(texts::Step1Frame.toString());
    m_option1 = option<ChoiceButton>(m_frame1, u"Option1", twipsRect(240, 360, 1215, 255));
    m_option1->setText(texts::Customer.toString());
    m_option2 = option<ChoiceButton>(m_frame1, u"Option2", twipsRect(1680, 360, 1695, 255));
    m_option2->setText(texts::Associate.toString());
    m_option7 = option<ChoiceButton>(m_frame1, u"Option7", twipsRect(3600, 360, 975, 255));
    m_option7->setText(texts::Yourself.toString());
    const std::pair<ChoiceButton *, Audience> audiences[] = {{m_option1, Audience::Customer},
                                                             {m_option2, Audience::Associate},
                                                             {m_option7, Audience::Self}};
    for (const auto &[o, chosen] : audiences) {
        o->setToolTip(texts::OptionTip.toString());
        connect(o, &QRadioButton::toggled, this, [this, audience = chosen](bool on) {
            if (on)
                m_selection.chooseAudience(audience);
        });
    }

    m_frame2 = blueFrame(this, u"Frame2", twipsRect(240, 2040, 8415, 1695));
    m_option3 = option<OptionButton>(m_frame2, u"Option3", twipsRect(120, 240, 2295, 1335));
    label(m_frame2, u"Label1", texts::Or.toString(), twipsRect(2640, 720, 255, 255), Blue);
    m_option4 = option<OptionButton>(m_frame2, u"Option4", twipsRect(3120, 240, 2295, 1335));
    label(m_frame2, u"Label6", texts::Or.toString(), twipsRect(5640, 720, 255, 255), Blue);
    m_option8 = option<OptionButton>(m_frame2, u"Option8", twipsRect(6120, 240, 2055, 1335));
    m_option8->setActOnPress(true);
    auto *speeds = new QButtonGroup(this);
    for (OptionButton *o : {m_option3, m_option4, m_option8})
        speeds->addButton(o);
    for (OptionButton *o : {m_option3, m_option4}) {
        connect(o, &QRadioButton::toggled, this, [this, fast = o == m_option3](bool on) {
            if (on)
                m_selection.chooseSpeed(fast);
        });
    }
    connect(m_option8, &QRadioButton::toggled, this, [this](bool on) {
        if (on)
            m_selection.runDetailedTest();
    });
    connect(m_option8, &OptionButton::pressedAgain, this,
            [this] { m_selection.runDetailedTest(); });

    m_frame3 = blueFrame(this, u"Frame3", twipsRect(240, 3840, 8415, 1095));
    m_option5 = option<OptionButton>(m_frame3, u"Option5", twipsRect(240, 360, 3255, 615));
    label(m_frame3, u"Label3", texts::Or.toString(), twipsRect(3840, 480, 255, 255), Blue);
    m_option6 = option<OptionButton>(m_frame3, u"Option6", twipsRect(4440, 240, 3735, 735));
    auto *answers = new QButtonGroup(this);
    for (OptionButton *o : {m_option5, m_option6}) {
        answers->addButton(o);
        o->setActOnPress(true);
        const auto describe = [this, first = o == m_option5] {
            m_selection.ShowDescription(first);
        };
        connect(o, &QRadioButton::toggled, this, [describe](bool on) {
            if (on)
                describe();
        });
        connect(o, &OptionButton::pressedAgain, this, describe);
    }

    m_command2 = yellowButton(this, u"Command2", texts::ClearButton,
                              twipsRect(2520, 5760, 1095, 375), u"clear");
    connect(m_command2, &QPushButton::clicked, this, [this] { m_selection.Command2_Click(); });
    m_command3 = yellowButton(this, u"Command3", texts::PrintButton,
                              twipsRect(3960, 5760, 1095, 375), u"print");
    connect(m_command3, &QPushButton::clicked, this, &Velkin::Command3_Click);
    m_command4 = yellowButton(this, u"Command4", texts::TraitsButton,
                              twipsRect(5400, 5760, 1095, 375), u"traits");
    connect(m_command4, &QPushButton::clicked, this, [this] { m_selection.Command4_Click(); });

    m_label5 = label(this, u"Label5", texts::Maker.toString(), twipsRect(3720, 5300, 1335, 950),
                     Qt::white);
    m_label5->setFont(arial(12, true));
    m_label5->setAlignment(Qt::AlignCenter);
    m_label5->setAutoFillBackground(true);
    setColour(m_label5, QPalette::Window, Blue);

    // The panel comes between Step 3 and its buttons when first needed.
    QWidget *order[] = {m_option1,  m_option2,     m_option7,     m_option3,    m_option4,
                        m_option8,  m_option5,     m_option6,     m_command2,   m_command3,
                        m_command4, m_command1[2], m_command1[1], m_command1[0]};
    for (size_t i = 1; i < std::size(order); ++i)
        setTabOrder(order[i - 1], order[i]);
}

// Made when a description or traits are first shown, not at start-up.
TextPanel *Velkin::panel()
{
    if (!m_label4) {
        m_label4 =
            new TextPanel(this, u"Label4", twipsRect(240, 2040, 8415, 4215), DarkRed, PaleYellow);
        m_label4->setFont(arial(9.75));
        m_label4->hide();
        m_label4->stackUnder(m_command2);
        setTabOrder(m_option6, m_label4);
        setTabOrder(m_label4, m_command2);
    }
    return m_label4;
}

void Velkin::Command1_Click(int index)
{
    switch (index) {
    case 0:
        close();
        break;
    case 1: {
        frmAbout about(this);
        m_windows.showModal(about);
        break;
    }
    default: // what the program reports of its help is nothing, whatever happens
        m_windows.showHelp(*this, m_platform.programFolder() + texts::HelpFile,
                           texts::HelpContents);
        break;
    }
}

// Prints the window as it shows, the panel in white on black; failures pass silently.
void Velkin::Command3_Click()
{
    if (m_windows.messageBox(*this,
                             {texts::PrintQuestion.toString(), platform::Buttons::YesNo,
                              platform::Icon::None, texts::PrintTitle.toString()})
        != platform::Answer::Yes)
        return;
    m_label4->setColours(Qt::white, Qt::black);
    m_windows.printWindowImage(*this);
    m_label4->setColours(DarkRed, PaleYellow);
}

void Velkin::closeEvent(QCloseEvent *event)
{
    setWindowState(Qt::WindowMinimized);
    m_platform.endProgram();
    event->accept();
}

QWidget *Velkin::control(Control control) const
{
    switch (control) {
    case Control::Option1:
        return m_option1;
    case Control::Frame2:
        return m_frame2;
    case Control::Option3:
        return m_option3;
    case Control::Option4:
        return m_option4;
    case Control::Option8:
        return m_option8;
    case Control::Frame3:
        return m_frame3;
    case Control::Option5:
        return m_option5;
    case Control::Option6:
        return m_option6;
    case Control::Label4:
        return const_cast<Velkin *>(this)->panel();
    case Control::Label5:
        return m_label5;
    case Control::Command2:
        return m_command2;
    case Control::Command3:
        return m_command3;
    case Control::Command4:
        return m_command4;
    }
    return nullptr;
}

void Velkin::setCaption(Control control, const QString &caption)
{
    QWidget *w = this->control(control);
    if (auto *frame = qobject_cast<QGroupBox *>(w))
        frame->setTitle(caption);
    else if (auto *button = qobject_cast<QAbstractButton *>(w))
        button->setText(caption);
}

void Velkin::setControlVisible(Control control, bool visible)
{
    if (control == Control::Label4 && !m_label4 && !visible)
        return;
    this->control(control)->setVisible(visible);
}

// Changed by the program, an answer's group must let it go, and it must not
// run what choosing it runs.
void Velkin::setSelected(Control option, bool selected)
{
    auto *button = static_cast<QAbstractButton *>(control(option));
    const QSignalBlocker quiet(button);
    QButtonGroup *group = button->group();
    if (group)
        group->setExclusive(selected);
    button->setChecked(selected);
    if (group)
        group->setExclusive(true);
}

void Velkin::focusControl(Control control)
{
    this->control(control)->setFocus();
}

// The panel takes the focus before its text and name change, so that a screen
// reader reads it on arrival rather than taking the change as old news.
void Velkin::setPanel(const QString &text, const QString &name)
{
    if (text.isEmpty() && !m_label4)
        return;
    if (!text.isEmpty())
        panel()->setFocus();
    m_label4->setText(text);
    m_label4->setAccessibleName(name);
}

std::optional<PersonalityType> Velkin::runDetailedTest(bool self)
{
    frmSelfTest test(self, m_windows, this);
    m_windows.showModal(test);
    return test.result();
}

} // namespace typefinder
