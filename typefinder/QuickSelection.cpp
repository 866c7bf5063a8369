#include "QuickSelection.h"

#include "Description.h"
#include "StepCaptions.h"
#include "TraitList.h"
#include "VelkinTexts.h"
#include "VelkinView.h"

namespace typefinder {

QuickSelection::QuickSelection(VelkinView &view)
    : m_view(view)
{ }

void QuickSelection::Form_Load()
{
    m_view.setSelected(Control::Option1, true);
    chooseAudience(Audience::Customer);
    m_view.focusControl(Control::Option1);
}

void QuickSelection::chooseAudience(Audience audience)
{
    m_audience = audience;
    m_fast = false;
    m_first.reset();
    m_view.setPanel({}, {});
    for (const Control option :
         {Control::Option3, Control::Option4, Control::Option5, Control::Option6, Control::Option8})
        m_view.setSelected(option, false);
    m_view.setControlVisible(Control::Option5, false);
    m_view.setControlVisible(Control::Option6, false);
    showSteps(true);
    const AudienceCaptions &captions = audienceCaptions(audience);
    m_view.setCaption(Control::Option3, captions.fast.toString());
    m_view.setCaption(Control::Option4, captions.slow.toString());
    m_view.setCaption(Control::Option8, captions.detailedTest.toString());
    m_view.setCaption(Control::Frame2, captions.step2Frame.toString());
    m_view.setCaption(Control::Frame3, captions.step3Frame.toString());
}

void QuickSelection::chooseSpeed(bool fast)
{
    m_fast = fast;
    m_first.reset();
    m_view.setPanel({}, {});
    m_view.setSelected(Control::Option5, false);
    m_view.setSelected(Control::Option6, false);
    const Step3Captions captions = step3Captions(fast, m_audience);
    m_view.setCaption(Control::Option5, captions.first.toString());
    m_view.setCaption(Control::Option6, captions.second.toString());
    m_view.setControlVisible(Control::Option5, true);
    m_view.setControlVisible(Control::Option6, true);
}

void QuickSelection::ShowDescription(bool first)
{
    m_first = first;
    const PersonalityType type = quickType(m_fast, first);
    m_currentType = typeLetter(type);
    const QStringView who[] = {texts::Customer, texts::Associate, texts::Yourself};
    showPanel(Showing::Description, ComposeDescription(type, m_audience),
              texts::DescriptionName.arg(texts::TypeNames[int(type)], who[int(m_audience)]));
}

void QuickSelection::runDetailedTest()
{
    const std::optional<PersonalityType> result =
        m_view.runDetailedTest(m_audience == Audience::Self);
    if (!result)
        return;
    // Put the result in as if the user had answered Steps 2 and 3.
    using enum PersonalityType;
    const bool fast = *result == InCharge || *result == Enthusiastic;
    const bool first = *result == InCharge || *result == Friendly;
    m_view.setSelected(fast ? Control::Option3 : Control::Option4, true);
    chooseSpeed(fast);
    m_view.setSelected(first ? Control::Option5 : Control::Option6, true);
    ShowDescription(first);
}

void QuickSelection::Command4_Click()
{
    const std::optional<PersonalityType> type = typeFromLetter(m_currentType);
    showPanel(Showing::Traits, ComposeTraitList(m_currentType, TraitLayout::MainWindow),
              type ? texts::TraitListName.arg(texts::TypeNames[int(*type)]) : QString());
}

void QuickSelection::Command2_Click()
{
    showSteps(true);
    // Back where the same answer can be given again, or where a check starts.
    m_view.focusControl(m_first ? (*m_first ? Control::Option5 : Control::Option6)
                                : Control::Option1);
}

void QuickSelection::showPanel(Showing showing, const QString &text, const QString &name)
{
    m_showing = showing;
    showSteps(false);
    m_view.setPanel(text, name);
}

// The steps and the logo, or the panel with its buttons: never both.
void QuickSelection::showSteps(bool shown)
{
    if (shown)
        m_showing = Showing::Steps;
    m_view.setControlVisible(Control::Label4, !shown);
    m_view.setControlVisible(Control::Label5, shown);
    for (const Control button : {Control::Command2, Control::Command3, Control::Command4})
        m_view.setControlVisible(button, !shown);
    m_view.setControlVisible(Control::Frame2, shown);
    m_view.setControlVisible(Control::Frame3, shown);
}

PersonalityType quickType(bool fast, bool first)
{
    if (fast)
        return first ? PersonalityType::InCharge : PersonalityType::Enthusiastic;
    return first ? PersonalityType::Friendly : PersonalityType::Details;
}

} // namespace typefinder
