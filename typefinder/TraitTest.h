#pragma once

#include <QString>

#include <array>
#include <cstdint>

namespace typefinder {

class TraitTable;

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

    explicit TraitTest(const TraitTable &table);

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

    // The letter of the highest count, the earlier type on a tie; empty when every answer was
    // "Don't Know".
    QString result() const;
    // Bars of up to 3200 twips standing on the 3800 line, by type in their usual order.
    std::array<Bar, 4> bars() const;

private:
    const TraitTable &m_table;
    int16_t m_questionPosition = 1;
    int16_t m_questionNumber = 1;
    std::array<int16_t, 4> m_counts{};
};

// The line above the answers, addressed to the user or about the person.
QString questionLine(int16_t number, bool self);

} // namespace typefinder
