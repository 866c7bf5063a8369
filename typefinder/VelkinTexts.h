#pragma once

#include "ButtonText.h"

#include <QStringView>

#include <array>

// The type finder windows' own wording, kept in one place.
namespace typefinder::texts {

inline constexpr QStringView AppTitle = u"Velkin";
inline constexpr QStringView Intro =
    u" Match your actions to the different personality types and enjoy more success  in your dealings with people.";
inline constexpr QStringView Step1Frame = u"Step 1 - Who do you wish to check";
inline constexpr QStringView Customer = u"a Customer";
inline constexpr QStringView Associate = u"a Work Associate";
inline constexpr QStringView Yourself = u"Yourself";
inline constexpr QStringView OptionTip = u" Click to select this option ";
inline constexpr QStringView Or = u"OR";
inline constexpr QStringView Maker = u"Quillan";
// What a screen reader calls the panel: the type, and for a description who it is about.
inline constexpr QStringView DescriptionName = u"%1 type, %2";
inline constexpr QStringView TraitListName = u"%1 type traits";

inline constexpr QStringView PrintQuestion = u"Please Confirm that you wish to print this.";
inline constexpr QStringView PrintTitle = u"Velkin Print";
inline constexpr QStringView TestPrintTitle = u"Self Test Print";
inline constexpr QStringView PrintError = u"Command3_Click_error ";
inline constexpr QStringView HelpFile = u"/Velkin.hlp";
inline constexpr int HelpContents = 1;

inline constexpr QStringView AboutCaption = u"About Velkin";
inline constexpr QStringView AboutFinishedTip = u"Click to exit this screen";
inline constexpr std::array<QStringView, 5> AboutParagraphs{
    u"Velkin - Professional Orvanta",
    u"Quillan",
    u"Version 1.0, December 2026",
    u"Press Help, or read GUIDE.html",
    u"Copyright (C) 2026 Quillan. All rights reserved.",
};

// Command1 of the main window, by index.
inline constexpr std::array<ButtonText, 3> TopButtons{{
    {u"&Finished", u"Click to exit this program"},
    {u"&About", u"Click to display the About Box"},
    {u"&Help", u"Click to display why 'Velkin' works"},
}};
inline constexpr ButtonText ClearButton{u"Clear", u"Clear this Screen"};
inline constexpr ButtonText PrintButton{u"Print", u"Print these details"};
inline constexpr ButtonText TraitsButton{u"Traits", u"Show the traits of this type"};

inline constexpr QStringView TestTitle = u"Velkin - Personality Tester";
inline constexpr QStringView FirstQuestion =
    u"1 of 24 questions - click the answer that best suits the person at WORK.";
inline constexpr QStringView DontKnow = u"Don't Know";
inline constexpr QStringView OnlyDontKnow = u"Only 'Don't Know' answers were selected.";
inline constexpr QStringView Results = u"Results";
inline constexpr QStringView BarTip = u"Click to show traits";
inline constexpr QStringView High = u"High";
inline constexpr QStringView Low = u"Low";
inline constexpr QStringView BarNames =
    u"In Charge          Enthusiastic          Friendly          Details";
inline constexpr QStringView BarHint =
    u"Click on the personality type red graph column to see the personality traits.";
// The printed results name the bars a little closer, and say how to read them.
inline constexpr QStringView PrintedBarNames =
    u"In Charge          Enthusiastic        Friendly        Details";
inline constexpr QStringView PrintedBarHint =
    u"The higher the number the stonger personality type.";
inline constexpr ButtonText TestFinishedButton{u"&Finished", u"Click to exit this Self Test"};
inline constexpr ButtonText TestPrintButton{u"Print", u"Click to print the results"};
inline constexpr ButtonText TestClearButton{u"Clear", u"Click to clear this screen"};
inline constexpr std::array<QStringView, 4> TypeNames{u"In Charge", u"Enthusiastic", u"Friendly",
                                                      u"Details"};

} // namespace typefinder::texts
