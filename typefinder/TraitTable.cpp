#include "TraitTable.h"

#include <QStringView>

#include <QtGlobal>

namespace typefinder {

namespace {

struct Trait
{
    QStringView text;
    QStringView letter;
};

// clang-format off
constexpr std::array<Trait, 96> Traits{{
        // 1
        {u"Likes facts and figures", u"D"},
        {u"Direct Formal Person", u"I"},
        {u"Always Friendly", u"F"},
        {u"Direct Enthusiastic Person", u"E"},
        // 2
        {u"Likes to Talk", u"E"},
        {u"Likes Schedules", u"D"},
        {u"A Peacemaker", u"F"},
        {u"Born Leader, Little Small Talk", u"I"},
        // 3
        {u"Easygoing", u"F"},
        {u"Confident, Needs Results", u"I"},
        {u"Confident, Often Messy", u"E"},
        {u"Neat and Orderly", u"D"},
        // 4
        {u"Gentle", u"F"},
        {u"Gets Things Done", u"I"},
        {u"Analyses Things", u"D"},
        {u"Life of the Party", u"E"},
        // 5
        {u"Methodical", u"D"},
        {u"Dress to be Noticed", u"E"},
        {u"Slow and Steady Worker", u"F"},
        {u"Good Under Pressure", u"I"},
        // 6
        {u"Procrastinates", u"F"},
        {u"Leader, Outgoing", u"E"},
        {u"Leader, Needs Control", u"I"},
        {u"Likes Perfection", u"D"},
        // 7
        {u"Assertive, not so Caring", u"I"},
        {u"Patient", u"F"},
        {u"Assertive but Caring", u"E"},
        {u"Hates Surprises", u"D"},
        // 8
        {u"Relaxed", u"F"},
        {u"Critical of Others", u"D"},
        {u"Forceful", u"I"},
        {u"Spontaneous", u"E"},
        // 9
        {u"Headstrong, Poor Finisher", u"E"},
        {u"Sometimes slow and sluggish", u"F"},
        {u"Musical", u"D"},
        {u"Headstrong, Good Finisher", u"I"},
        // 10
        {u"Cool and Calm", u"F"},
        {u"Gives Orders", u"I"},
        {u"Creative", u"D"},
        {u"Cheerful, often laughing", u"E"},
        // 11
        {u"Likes Touching People", u"E"},
        {u"Can write Poetry", u"D"},
        {u"Not Very Emotional", u"I"},
        {u"Happy with Life", u"F"},
        // 12
        {u"Likes Challenges, Not Showy", u"I"},
        {u"Can be Showy", u"E"},
        {u"Well Liked", u"F"},
        {u"Sensitive", u"D"},
        // 13
        {u"Likes Colourful Things", u"E"},
        {u"Goal Oriented", u"I"},
        {u"Likes Lists", u"D"},
        {u"Inoffensive", u"F"},
        // 14
        {u"Takes the Easy Path", u"F"},
        {u"Don't Like Attention", u"D"},
        {u"Meets Everybody", u"E"},
        {u"Independent", u"I"},
        // 15
        {u"Always Curious", u"E"},
        {u"Good Finisher", u"D"},
        {u"Good Delegator", u"I"},
        {u"Has Many Good Friends", u"F"},
        // 16
        {u"Pessimistic", u"D"},
        {u"Reserved", u"F"},
        {u"Work a Lot, Often Forgetful", u"E"},
        {u"Workaholic", u"I"},
        // 17
        {u"Supportive", u"F"},
        {u"Structured way of Thinking", u"D"},
        {u"Often not Tactful", u"I"},
        {u"Accidentally not Tactful", u"E"},
        // 18
        {u"Likes an Argument", u"I"},
        {u"Loud", u"E"},
        {u"Feels Insecure", u"D"},
        {u"Works Well in a Team", u"F"},
        // 19
        {u"Lots of Spirit", u"E"},
        {u"Daring", u"I"},
        {u"Very Tidy", u"D"},
        {u"Good Listener", u"F"},
        // 20
        {u"Persistent", u"D"},
        {u"Very Tolerant", u"F"},
        {u"Mover and Shaker", u"I"},
        {u"Energetic", u"E"},
        // 21
        {u"Meetings - Short and Concise", u"I"},
        {u"Meetings - Fun and Concise", u"E"},
        {u"Meetings - Social and Informative", u"F"},
        {u"Meetings - Long and Detailed", u"D"},
        // 22
        {u"Change - Likes Change", u"E"},
        {u"Change - Hates Change", u"D"},
        {u"Change - Makes Change", u"I"},
        {u"Change - Slow to Change", u"F"},
        // 23
        {u"Competitive and Serious", u"I"},
        {u"Competitive and Playful", u"E"},
        {u"Peaceful", u"F"},
        {u"Planner", u"D"},
        // 24
        {u"Sceptical", u"D"},
        {u"Shy", u"F"},
        {u"Popular", u"E"},
        {u"Bossy", u"I"},
}};
// clang-format on

} // namespace

TraitTable::TraitTable()
{
    for (size_t i = 0; i < Traits.size(); ++i)
        m_rows[i] = {Traits[i].text.toString(), Traits[i].letter.toString()};
}

const TraitEntry &TraitTable::row(int16_t number) const
{
    Q_ASSERT(number >= 1 && number <= Rows);
    return m_rows[number - 1];
}

const TraitTable &LoadTraitTable()
{
    static const TraitTable table;
    return table;
}

} // namespace typefinder
