#pragma once

#include <QStringView>

// The planner window's own wording, kept in one place.
namespace planner::texts {

inline constexpr QStringView AppTitle = u"Orvanta";
inline constexpr QStringView StartCaption = u"Orvanta  -   Quillan";
inline constexpr QStringView MainMenuCaption = u"Orvanta  -  Quillan";
inline constexpr QStringView MainMenuTitle = u"Orvanta - A Toolkit for Sales Professionals";
inline constexpr QStringView MainMenuFrame = u" Select a tool to use ";
inline constexpr QStringView InitialFrame = u" Click on a tool to use ";
inline constexpr QStringView NotesFrame = u" Notes ";
inline constexpr QStringView SummarySuffix = u" Summary";
inline constexpr QStringView ExitQuestion = u"Are you sure that you wish to exit ";
inline constexpr QStringView MustEnter = u"You must enter a ";
inline constexpr QStringView TypeFinderProgram = u"velkin";
inline constexpr QStringView TypeFinderMissing = u"Cannot find the Velkin.exe in the ";
inline constexpr QStringView TypeFinderMissingEnd = u" directory. ";

inline constexpr QStringView StoreQuestion =
    u"Do you wish to store a copy of this Work Sheet on disk? (";
inline constexpr QStringView NotStored = u"The Work Sheet could not be stored in:\r\n\r\n";
inline constexpr QStringView PostMortemQuestion =
    u"Was it successful and what can be improved for next time?";
inline constexpr QStringView PrintQuestion = u"Are you sure that you wish to print the Work Sheet?";
inline constexpr QStringView PrintError = u"Command1_Click_error ";

} // namespace planner::texts
