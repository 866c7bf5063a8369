#pragma once

#include "ButtonText.h"

#include <QStringView>

#include <array>

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
// Added to the store question when the sheet's own name is taken by another plan's sheet.
inline constexpr QStringView StoredBeside =
    u"\r\n\r\nA Work Sheet called \"%1\" is already there, so this one goes beside it.";
inline constexpr QStringView NotStored = u"The Work Sheet could not be stored in:\r\n\r\n";
inline constexpr QStringView PostMortemQuestion =
    u"Was it successful and what can be improved for next time?";
inline constexpr QStringView PrintQuestion = u"Are you sure that you wish to print the Work Sheet?";
inline constexpr QStringView PrintError = u"Command1_Click_error ";
inline constexpr QStringView Printing = u"Printing the Work Sheet...";

// The About box: each item after its run of blanks.
inline constexpr QStringView AboutCaption = u"About Orvanta";
struct AboutItem
{
    int blanks;
    QStringView text;
};
inline constexpr std::array<AboutItem, 5> AboutItems{{
    {5, u"Orvanta - Professional Orvanta"},
    {8, u"Quillan"},
    {10, u"Version 1.0, December 2026"},
    {10, u"Help: GUIDE.html, beside the program"},
    {10, u"Copyright (C) 2026 Quillan. All rights reserved."},
}};

// Command1, by index: Finished, Back, Forward, Print, AboutBox.
inline constexpr std::array<ButtonText, 5> StepButtons{{
    {u"F&inished", u" Click to exit this program "},
    {u"<---  &Back", u" Click to move back to the previous screen ", u"Back"},
    {u"&Forward  --->", u" Click to move forward to the next screen ", u"Forward"},
    {u"&Print", u" Click to print the Work Sheet "},
    {u"&AboutBox", u" Click to display the AboutBox "},
}};

// Command4 and its description Label3, by index.
inline constexpr std::array<ButtonText, 5> ToolButtons{{
    {u"Presentation Planner", u"Click to use the Presentation Planner"},
    {u"Meeting Planner", u"Click to use the Meeting Planner"},
    {u"Strategy Planner", u"Click to use the Strategy Planner"},
    {u"Velkin", u"Click to use Velkin"},
    {u"Phone Call Planner", u"Click to use the Phone Call Planner"},
}};
inline constexpr std::array<QStringView, 5> ToolDescriptions{
    u"-  to help you give professional presentations.",
    u"-  to help you get the most from meetings.",
    u"-  to help you develop stratagies for important tasks.",
    u"-  to help you to determine a person's personality type.",
    u"-  to help  make your important calls more effective.",
};

// Too narrow for its caption on one line, it shows the words under its picture.
inline constexpr ButtonText SaveButton{
    u"Save to\nDisk", u" Click to save this information to disk ", u"Save to Disk"};
inline constexpr ButtonText TypeFinderButton{u"&Velkin", u" Click to display the Velkin program "};

inline constexpr QStringView ScreenFrame = u"Screen";
inline constexpr QStringView ToolsFrame = u"Tools";
inline constexpr QStringView PlanningPicture = u"Planning picture";
inline constexpr QStringView MenuPicture = u"Orvanta picture";

} // namespace planner::texts
