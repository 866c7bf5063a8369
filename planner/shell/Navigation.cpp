#include "Navigation.h"

#include "PlannerState.h"
#include "PlannerView.h"
#include "ScriptBuilder.h"
#include "ShellTexts.h"
#include "WorkSheet.h"
#include "WorkSheetFile.h"
#include "WorkSheetPrint.h"

namespace planner {

Navigation::Navigation(PlannerState &state, PlannerView &view, platform::Platform &platform)
    : m_state(state)
    , m_view(view)
    , m_platform(platform)
{ }

void Navigation::ShowMainMenu()
{
    m_state.currentScreen = 0;
    m_view.setCaption(Control::Form, texts::MainMenuCaption.toString());
    m_view.setCaption(Control::Frame2, texts::MainMenuFrame.toString());
    m_view.setCaption(Control::Label1, texts::MainMenuTitle.toString());
    m_view.setCaption(Control::Label2, {});
    m_view.setControlEnabled(Control::Back, false);
    m_view.setControlEnabled(Control::Forward, false);
    m_view.setControlHeight(Control::Frame2, 2535);
    m_view.setControlVisible(Control::Frame2, true);
    m_view.setControlHeight(Control::Label2, 2175);
    m_view.setControlVisible(Control::Frame3, true);
    m_view.setControlVisible(Control::Text1, false);
    m_view.setControlVisible(Control::Picture1, false);
    m_view.setControlVisible(Control::Picture2, true);
    m_view.setControlVisible(Control::Command2, false);
    m_view.setControlVisible(Control::Command3, false);
    m_view.setControlVisible(Control::Print, false);
    m_view.screenShown();
}

void Navigation::Command4_Click(int16_t index)
{
    if (index == TypeFinderTool) {
        startTypeFinder(); // nothing is reported from the tool menu
        return;
    }
    const auto tool = PlannerTool(index);
    m_state.startTool(tool);
    m_view.setControlEnabled(Control::Forward, true);
    m_view.setCaption(Control::Frame2, texts::NotesFrame.toString());
    buildScript(tool, m_state, m_view, m_platform);
    m_view.setControlVisible(Control::Picture2, false);
    m_view.setControlVisible(Control::Command2, true);
    m_view.setControlVisible(Control::Frame3, false);
    m_view.screenShown();
}

void Navigation::Command1_Click(int16_t index)
{
    m_view.setControlEnabled(Control::Back, true);
    // The closing screen and the work sheet keep no answer.
    if (m_state.screenEnd - 1 > m_state.currentScreen) {
        Screen &screen = m_state.current();
        screen.answer = m_view.answerText();
        if (screen.role == ScreenRole::Naming)
            m_state.workName = screen.answer;
    }
    if (index != Finished && index != AboutBox)
        m_view.setControlVisible(Control::Picture1, false);

    switch (index) {
    case Finished:
        finish();
        break;
    case Back:
        back();
        break;
    case Forward:
        forward();
        break;
    case Print:
        PrintWorkSheet(m_state, m_platform, m_view);
        break;
    case AboutBox:
        m_view.showAboutBox();
        if (m_state.currentScreen == 0)
            m_view.setControlEnabled(Control::Back, false);
        break;
    default:
        break;
    }
}

void Navigation::Command2_Click()
{
    if (startTypeFinder() == platform::StartResult::FileNotFound) {
        m_view.messageBox(
            {texts::TypeFinderMissing + m_platform.programFolder() + texts::TypeFinderMissingEnd,
             platform::Buttons::Ok, platform::Icon::None, texts::AppTitle.toString()});
    }
}

void Navigation::Command3_Click()
{
    SaveWorkSheet(m_state, m_view.answerText(), m_platform, m_view);
}

void Navigation::finish()
{
    if (m_state.toolName.isEmpty() || m_state.currentScreen == 0) {
        m_view.closeWindow();
        return;
    }
    const platform::Answer answer =
        m_view.messageBox({texts::ExitQuestion + m_state.toolName + u'?', platform::Buttons::YesNo,
                           platform::Icon::Question, texts::AppTitle.toString()});
    if (answer == platform::Answer::Yes)
        ShowMainMenu();
}

void Navigation::back()
{
    if (!m_state.backLeadsSomewhere())
        return;
    m_view.setControlVisible(Control::Print, false);
    --m_state.currentScreen;
    ShowScreen();
}

void Navigation::forward()
{
    const Screen &screen = m_state.current();
    if (screen.role == ScreenRole::Naming && screen.answer.isEmpty()) {
        m_view.messageBox({texts::MustEnter + screen.title, platform::Buttons::Ok,
                           platform::Icon::None, texts::AppTitle.toString()});
        m_view.focusControl(Control::Text1);
        return;
    }
    m_view.setControlVisible(Control::Print, false);
    ++m_state.currentScreen;
    if (m_state.currentScreen > m_state.screenEnd)
        m_state.currentScreen = m_state.screenEnd;
    ShowScreen();
}

void Navigation::ShowScreen()
{
    m_view.setControlEnabled(Control::Back, m_state.backLeadsSomewhere());
    m_view.setControlEnabled(Control::Forward, true);
    const Screen &screen = m_state.current();
    if (screen.title.isEmpty() && screen.guidance.isEmpty()) {
        ComposeWorkSheet();
        return;
    }
    m_view.setControlVisible(Control::Frame2, true);
    m_view.setControlTop(Control::Text1, 3480);
    m_view.setControlVisible(Control::Command3, false);
    const bool naming = screen.role == ScreenRole::Naming;
    m_view.setControlHeight(Control::Text1, naming ? 300 : 2175);
    m_view.setAnswerMode(naming ? NameAnswer : FreeAnswer);
    const bool takesAnswer = screen.takesAnswer == TrueFlag;
    m_view.setControlVisible(Control::Text1, takesAnswer);
    // Without an answer box the guidance takes its room.
    m_view.setControlHeight(Control::Frame2, takesAnswer ? 2535 : 4800);
    m_view.setControlHeight(Control::Label2, takesAnswer ? 2175 : 4500);
    m_view.setCaption(Control::Label1, screen.title);
    m_view.setCaption(Control::Label2, screen.guidance);
    if (screen.role != ScreenRole::Opening)
        m_view.setAnswerText(screen.answer);
    if (takesAnswer)
        m_view.focusControl(Control::Text1);
    m_view.screenShown();
}

void Navigation::ComposeWorkSheet()
{
    --m_state.currentScreen; // the sheet is shown "on" the closing screen
    m_view.setCaption(Control::Label1, m_state.toolName + texts::SummarySuffix);
    m_view.setControlVisible(Control::Frame2, false);
    m_view.setControlVisible(Control::Text1, true);
    m_view.setControlTop(Control::Text1, 720);
    m_view.setControlHeight(Control::Text1, 4800);
    m_view.setAnswerText(workSheetText(m_state));
    m_view.setControlVisible(Control::Print, true);
    m_view.setControlVisible(Control::Command3, true);
    m_view.setControlEnabled(Control::Forward, false);
    m_view.focusControl(Control::Text1);
    m_view.screenShown();
}

platform::StartResult Navigation::startTypeFinder()
{
    return m_platform.startProgram(m_platform.programFolder() + u'/' + texts::TypeFinderProgram);
}

} // namespace planner
