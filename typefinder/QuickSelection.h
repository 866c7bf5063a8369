#pragma once

#include "PersonalityType.h"

#include <QString>

#include <optional>

namespace typefinder {

class VelkinView;

// The main window's flow: who is checked (Step 1), how they act (Step 2) and
// which of two questions fits them (Step 3), or the detailed test instead;
// then how to deal with their type, or its traits, in the panel.
class QuickSelection
{
public:
    // What the window shows: the steps, or the panel with a description or traits.
    enum class Showing { Steps, Description, Traits };

    explicit QuickSelection(VelkinView &view);

    // The steps for a customer, where every check starts.
    void Form_Load();
    // Step 1: starts afresh for this audience.
    void chooseAudience(Audience audience);
    // Step 2: the fast or the slow answer offers Step 3's questions about it.
    void chooseSpeed(bool fast);
    // Step 3: the first or the second question; shows the type's description.
    void ShowDescription(bool first);
    // Step 2's third answer: the detailed test, whose type is put in as Steps 2 and 3.
    void runDetailedTest();
    // Traits: the type's traits in the panel.
    void Command4_Click();
    // Clear: back to the steps, every answer kept.
    void Command2_Click();

    Audience audience() const { return m_audience; }
    // The letter of the type on show, or empty.
    const QString &currentType() const { return m_currentType; }
    Showing showing() const { return m_showing; }

private:
    void showPanel(Showing showing, const QString &text, const QString &name);
    void showSteps(bool shown);

    VelkinView &m_view;
    Audience m_audience = Audience::Customer;
    bool m_fast = false; // Step 3's questions are about a quick person
    std::optional<bool> m_first; // Step 3's answer, once given
    QString m_currentType;
    Showing m_showing = Showing::Steps;
};

// The type that the Step 2 and Step 3 answers point to.
PersonalityType quickType(bool fast, bool first);

} // namespace typefinder
