#pragma once

#include "PersonalityType.h"

#include <QString>

#include <array>
#include <cstdint>

namespace typefinder {

// The detailed test: 24 questions of four traits, counted per type.
class TraitTest
{
public:
    struct Bar
    {
        int height; // twips
        int top; // twips from the top of the results frame
        QString caption;
    };

    // Puts up question 1; the counts are left as they are.
    void start();

    // What follows an answer: the next question, the chart, or, when every
    // answer was "Don't Know", no result at all.
    enum class Next { Question, Results, NoResult };

    // Counts answer `index` (1 to 4 a trait, 0 "Don't Know") and moves on.
    // Once the 24th question has been answered nothing more counts.
    Next answer(int index);

    int16_t questionNumber() const { return m_questionNumber; }
    // The trait of answer button 1 to 4 for the question on show.
    QString answerText(int index) const;
    const std::array<int16_t, 4> &counts() const { return m_counts; }

    // The type of the highest count, the earlier type on a tie; none when
    // every answer was "Don't Know".
    std::optional<PersonalityType> result() const;
    // Bars of up to 3200 twips standing on the 3800 line, by type in their usual order.
    std::array<Bar, 4> bars() const;

private:
    int16_t m_questionPosition = 1;
    int16_t m_questionNumber = 1;
    std::array<int16_t, 4> m_counts{};
};

// The line above the answers, addressed to the user or about the person.
QString questionLine(int16_t number, bool self);

} // namespace typefinder
