#include "ScreenTable.h"

namespace planner {

const ScreenTable &strategyScreens()
{
    // One piece per line reads better than literals split at the column limit.
    // clang-format off
    static const ScreenTable table{
        u"Strategies - the Strategy Planner",
        {
            {u" The Strategy Planner", Answer::No, {
                {Join::Flush, u"All important tasks and projects should have a strategy. It helps to make sure that they are handled professionally and successfully."},
                {Join::Paragraph, u"This program will:"},
                {Join::Line, u"-  Help you organise the background work required."},
                {Join::Line, u"-  Help you plan out a Strategy for the task."},
                {Join::Line, u"-  Produce a Work Sheet for your strategy."},
                {Join::Paragraph, u"Click [ Forward ---> ] to move to the next screen."},
            }},
            {u"Task - Name.", Answer::Yes, {
                {Join::Paragraph, u"Please enter a short name for the important task that needs to be performed."},
            }},
            {u"What is the purpose of this task?", Answer::Yes, {
                {Join::Paragraph, u"Please describe what this task is to achieve. Include the date and time it is required to be finished by."},
                {Join::Paragraph, u"Answer the question, ''Why are we doing this?''"},
            }},
            {u"Background Research.", Answer::Yes, {
                {Join::Paragraph, u"Is there any background work that you can do to make the task more successful?"},
            }},
            {u" Key Player.", Answer::Yes, {
                {Join::Paragraph, u"Who is the key player? What is their personality type, and how do they like to be dealt with? Velkin will tell you their type and how to approach it. Do they decide, or do they influence the person who does?"},
                {Join::Paragraph, u"What is their role in this? Do you know where they are coming from and where they want to go?"},
                {Join::Paragraph, u"Do they have a special business or personal objective?"},
            }},
            {u" Other Players.", Answer::Yes, {
                {Join::Paragraph, u"Enter details about the other players. If it is a large group, enter a profile of them."},
                {Join::Paragraph, u"Do they share the same wants or needs? People in one industry often share a personality type - if so, enter it here. Who decides, who influences, who holds the budget, and by when must it be settled? Who else is competing for their time or money? What will get them on side?"},
            }},
            {u"The Strategy.", Answer::Yes, {
                {Join::Paragraph, u"Enter your Strategy to best perform this important task."},
                {Join::Paragraph, u"Enter all of your ideas and any relevant points that you can think of."},
            }},
            {u"The Strategy Steps.", Answer::Yes, {
                {Join::Paragraph, u"List the steps your strategy needs in order to work. Give each one an owner and the date it must be done by, and note any commitment you need from others at that step, so that you can tick the steps off the Work Sheet as they are completed."},
            }},
            {u"The Good and the Bad.", Answer::Yes, {
                {Join::Paragraph, u"Answer the question, ''What Good can come from this?''"},
                {Join::Paragraph, u"And the question, ''What Bad can come from this?''"},
            }},
            {u"General Notes.", Answer::Yes, {
                {Join::Paragraph, u"Take time now for reflective thought on your strategy plan and add any extra notes. It is the most important and most neglected part of strategy planning."},
                {Join::Paragraph, u"Who is involved, and why? Who may resist or object, and how will you answer them? How can a bad outcome be avoided? What can you do to make sure the strategy works?"},
            }},
            {u"The Strategy Planner is finished", Answer::No, withFileNotes({
                {Join::Paragraph, u"You should now have a strategy that helps make sure this important task is handled in the best possible and most professional way. "},
                // No trailing blank here, unlike the other closing screens.
                {Join::Paragraph, u"The next display will give you a summary of your entries that you can print out and use as a Strategy Work Sheet."},
            })},
        }};
    // clang-format on
    return table;
}

} // namespace planner
