#pragma once

#include <QString>

namespace typefinder {

enum class TraitLayout {
    MainWindow, // five traits to a line
    TestWindow, // three traits to a line
};

// The traits of the type with this letter, from the trait table; empty for
// any text that is not a type letter.
QString ComposeTraitList(const QString &letter, TraitLayout layout);

} // namespace typefinder
