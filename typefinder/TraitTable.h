#pragma once

#include <QString>

#include <array>
#include <cstdint>

namespace typefinder {

struct TraitEntry
{
    QString text; // at most 33 characters
    QString typeLetter;
};

// The 24 questions of the detailed test, four rows each, one trait of each
// type per question. Rows are numbered from 1; rows 97 to 100 stay empty,
// which is how the test knows it is over.
class TraitTable
{
public:
    static constexpr int16_t Rows = 100;

    const TraitEntry &row(int16_t number) const;
    TraitEntry &row(int16_t number);

private:
    std::array<TraitEntry, Rows> m_rows;
};

// Writes rows 1 to 96.
void LoadTraitTable(TraitTable &table);

} // namespace typefinder
