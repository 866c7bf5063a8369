#pragma once

#include "QuickSelection.h"
#include "VelkinView.h"

#include <QWidget>

#include <array>

class QButtonGroup;
class QGroupBox;
class QLabel;
class QPushButton;
class QToolButton;
class TextPanel;

namespace platform {
class Platform;
class WindowPlatform;
} // namespace platform

namespace typefinder {

class ChoiceButton;
class OptionButton;

// The type finder's main window: who to check (Step 1), two either-or
// questions (Steps 2 and 3) or the detailed test, then how to deal with the
// type. What each choice does is QuickSelection's.
class Velkin : public QWidget, public VelkinView
{
    Q_OBJECT

public:
    Velkin(platform::Platform &platform, platform::WindowPlatform &windows,
           QWidget *parent = nullptr);
    ~Velkin() override;

    const QuickSelection &selection() const { return m_selection; }

    // VelkinView
    void setCaption(Control control, const QString &caption) override;
    void setControlVisible(Control control, bool visible) override;
    void setSelected(Control option, bool selected) override;
    void focusControl(Control control) override;
    void setPanel(const QString &text, const QString &name) override;
    std::optional<PersonalityType> runDetailedTest(bool self) override;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void Command1_Click(int index); // Finished, About, Help
    void Command3_Click(); // Print
    QWidget *control(Control control) const;
    TextPanel *panel();

    platform::Platform &m_platform;
    platform::WindowPlatform &m_windows;
    QuickSelection m_selection{*this};

    QLabel *m_label2 = nullptr;
    std::array<QToolButton *, 3> m_command1{};
    QGroupBox *m_frame1 = nullptr;
    ChoiceButton *m_option1 = nullptr;
    ChoiceButton *m_option2 = nullptr;
    ChoiceButton *m_option7 = nullptr;
    QGroupBox *m_frame2 = nullptr;
    OptionButton *m_option3 = nullptr;
    OptionButton *m_option4 = nullptr;
    OptionButton *m_option8 = nullptr;
    QGroupBox *m_frame3 = nullptr;
    OptionButton *m_option5 = nullptr;
    OptionButton *m_option6 = nullptr;
    TextPanel *m_label4 = nullptr;
    QPushButton *m_command2 = nullptr;
    QPushButton *m_command3 = nullptr;
    QPushButton *m_command4 = nullptr;
    QLabel *m_label5 = nullptr;
};

} // namespace typefinder
