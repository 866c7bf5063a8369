#pragma once

#include <QString>

namespace typefinder {

class TraitTable;

enum class TraitLayout {
    MainWindow, // five traits to a line
    TestWindow, // three traits to a line
};

// The traits of the type with this letter, from a loaded table; empty for
// any text that is not a type letter.
QString ComposeTraitList(const TraitTable &table, const QString &letter, TraitLayout layout);

} // namespace typefinder
