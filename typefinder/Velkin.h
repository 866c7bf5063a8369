#pragma once

#include "PersonalityType.h"

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
}

namespace typefinder {

class ChoiceButton;
class OptionButton;
struct TypeFinderValues;

// The type finder's main window: who to check (Step 1), two either-or
// questions (Steps 2 and 3) or the detailed test, then how to deal with the type.
class Velkin : public QWidget
{
    Q_OBJECT

public:
    Velkin(TypeFinderValues &values, platform::Platform &platform, QWidget *parent = nullptr);
    ~Velkin() override;

    Audience audience() const;

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void createControls();
    void Form_Load();
    void chooseAudience();
    void chooseSpeed();
    void ShowDescription();
    void runDetailedTest();
    void Command4_Click(); // Traits
    void Command2_Click(); // Clear
    void Command1_Click(int index); // Finished, About, Help
    void Command3_Click(); // Print
    void showPanel(const QString &text, const QString &name);
    void showSteps(bool shown);

    TypeFinderValues &m_values;
    platform::Platform &m_platform;

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
    QButtonGroup *m_speedGroup = nullptr; // Option3, Option4, Option8
    QButtonGroup *m_step3Group = nullptr; // Option5, Option6
    TextPanel *m_label4 = nullptr;
    QPushButton *m_command2 = nullptr;
    QPushButton *m_command3 = nullptr;
    QPushButton *m_command4 = nullptr;
    QLabel *m_label5 = nullptr;
};

} // namespace typefinder
