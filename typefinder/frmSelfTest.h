#pragma once

#include "TraitTest.h"

#include <QDialog>

#include <array>

class QGroupBox;
class QLabel;
class QPushButton;
class QToolButton;
class TextPanel;

namespace platform {
class WindowPlatform;
}

namespace typefinder {

// The detailed test: 24 questions, then the counts as bars. Created afresh
// for each test.
class frmSelfTest : public QDialog
{
    Q_OBJECT

public:
    // `self`: the user is testing themselves, which changes the wording.
    frmSelfTest(bool self, platform::WindowPlatform &windows, QWidget *parent = nullptr);
    ~frmSelfTest() override;

    // The type with the most answers once the results are up; none before,
    // or when every answer was "Don't Know".
    std::optional<PersonalityType> result() const { return m_result; }

protected:
    void showEvent(QShowEvent *event) override;

private:
    void createControls();
    QPushButton *answerButton(int index); // Command2: 0 is "Don't Know"
    void Form_Load();
    void firstQuestion();
    void Command2_Click(int index); // an answer, 0 is "Don't Know"
    void showAnswers();
    void showResults();
    void Frame1_Click(int bar);
    void Command3_Click(); // Print
    void Command4_Click(); // Clear
    void setBarsVisible(bool visible);

    platform::WindowPlatform &m_windows;
    const bool m_self;
    TraitTest m_test;
    std::optional<PersonalityType> m_result;
    bool m_started = false;
    int m_shownBar = 0; // whose traits are on show, to come back to

    QLabel *m_label1 = nullptr;
    std::array<QPushButton *, 5> m_command2{};
    QToolButton *m_command1 = nullptr;
    QToolButton *m_command3 = nullptr;
    QGroupBox *m_frame2 = nullptr;
    std::array<QPushButton *, 4> m_frame1{};
    TextPanel *m_label2 = nullptr;
    QLabel *m_label3 = nullptr; // the bars' names
    QLabel *m_label5 = nullptr; // how to read the chart
    QPushButton *m_command4 = nullptr;
};

} // namespace typefinder
