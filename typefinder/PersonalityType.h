#pragma once

#include <QString>

#include <array>
#include <optional>

namespace typefinder {

// Always taken in this order: counters, bars, tie-break and labels follow it.
enum class PersonalityType { InCharge, Enthusiastic, Friendly, Details };

inline constexpr std::array<PersonalityType, 4> allTypes{
    PersonalityType::InCharge, PersonalityType::Enthusiastic, PersonalityType::Friendly,
    PersonalityType::Details};

enum class Audience { Customer, Associate, Self };

// "I", "E", "F" or "D".
QString typeLetter(PersonalityType type);

// The type whose letter is exactly `letter`; none for any other text.
std::optional<PersonalityType> typeFromLetter(const QString &letter);

} // namespace typefinder
