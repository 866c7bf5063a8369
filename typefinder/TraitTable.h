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

    TraitTable(); // rows 1 to 96 filled

    const TraitEntry &row(int16_t number) const;

private:
    std::array<TraitEntry, Rows> m_rows;
};

// The one trait table, built at its first use and only read after.
const TraitTable &LoadTraitTable();

} // namespace typefinder
