#include "TraitTest.h"

#include "PersonalityType.h"
#include "TraitTable.h"

#include <algorithm>
#include <cmath>

namespace typefinder {

void TraitTest::start()
{
    m_questionPosition = 1;
    m_questionNumber = 1;
}

TraitTest::Next TraitTest::answer(int index)
{
    const TraitTable &table = LoadTraitTable();
    const auto over = [&] {
        return table.row(m_questionPosition).text.isEmpty();
    };
    if (!over()) { // after the 24th question nothing more counts
        if (index >= 1 && index <= 4) {
            const QString letter = table.row(int16_t(m_questionPosition + index - 1)).typeLetter;
            if (const std::optional<PersonalityType> type = typeFromLetter(letter))
                ++m_counts[int(*type)];
        }
        m_questionPosition += 4;
    }
    if (!over()) {
        ++m_questionNumber;
        return Next::Question;
    }
    return result() ? Next::Results : Next::NoResult;
}

QString TraitTest::answerText(int index) const
{
    return LoadTraitTable().row(int16_t(m_questionPosition + index - 1)).text;
}

std::optional<PersonalityType> TraitTest::result() const
{
    int leader = 0;
    for (int i = 1; i < 4; ++i) {
        if (m_counts[i] > m_counts[leader])
            leader = i;
    }
    if (m_counts[leader] == 0)
        return std::nullopt;
    return allTypes[leader];
}

std::array<TraitTest::Bar, 4> TraitTest::bars() const
{
    const int16_t highest = *std::max_element(m_counts.begin(), m_counts.end());
    const int barScale = highest > 0 ? int(std::floor(3200.0 / highest)) : 0;
    std::array<Bar, 4> bars;
    for (int i = 0; i < 4; ++i) {
        const int height = barScale * m_counts[i];
        bars[i] = {height, 3800 - height, QString::number(m_counts[i])};
    }
    return bars;
}

QString questionLine(int16_t number, bool self)
{
    const QStringView rest = self
        ? QStringView(u" of 24 questions - click the answer that best suits you at WORK.")
        : QStringView(u" of 24 questions - click the button that best suits the person at WORK.");
    return QString::number(number) + rest;
}

} // namespace typefinder
