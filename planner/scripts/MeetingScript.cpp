#include "ScreenTable.h"

namespace planner {

// Asked of the key attendee and of the second one alike.
constexpr QStringView PersonalityQuestion =
    u"What is their personality type, and how do they like to be dealt with? Velkin will tell you their type and how to approach it. Do they make the decision, or influence the person who does?";

const ScreenTable &meetingScreens()
{
    // One piece per line reads better than literals split at the column limit.
    // clang-format off
    static const ScreenTable table{
        u"Meetings - the Meeting Planner",
        {
            {u" The Meeting Planner", Answer::No, {
                {Join::Paragraph, u"This program will help make your meetings more professional and successful."},
                {Join::Paragraph, u"This program will:"},
                {Join::Line, u"-  Help you organise the background work required."},
                {Join::Line, u"-  Help you plan out the meeting structure."},
                {Join::Line, u"-  Produce a Work Sheet for your meeting."},
                {Join::Paragraph, u"Click [ Forward ---> ] to move to the next screen."},
            }},
            {u"Meeting - Name.", Answer::Yes, {
                {Join::Paragraph, u"Please enter a short name for this meeting."},
            }},
            {u"Meeting - Where and When.", Answer::Yes, {
                {Join::Paragraph, u"Please enter the date, time and location of where the meeting will be held."},
            }},
            {u"What is the purpose of this meeting?", Answer::Yes, {
                {Join::Paragraph, u"Please describe what you want to have achieved at the end of the meeting."},
            }},
            {u"Background Research.", Answer::Yes, {
                {Join::Paragraph, u"What background work can you do to make the meeting more successful?"},
            }},
            {u" Key Attendee.", Answer::Yes, {
                {Join::Paragraph, PersonalityQuestion},
                {Join::Paragraph, u"What is their Business Objective? Eg, wants to generate more sales or save costs."},
                {Join::Paragraph, u"Do they have a personal objective? Eg, wants to find out what you know."},
            }},
            {u" Second Key Attendee.", Answer::Yes, {
                {Join::Paragraph, PersonalityQuestion},
                {Join::Paragraph, u"What is their Business Objective? Eg, wants to generate more sales or save costs."},
                {Join::Paragraph, u"Do they have a personal objective? Eg, wants to find out what you know."},
            }},
            {u" Other Attendees.", Answer::Yes, {
                {Join::Paragraph, u"Enter details about the other attendees or if it is a large group then enter a profile of them."},
                {Join::Paragraph, u"Do they share the same wants or needs? People in one industry often share a personality type - if so, enter it here. Who decides, and who influences the decision? Is there a budget, by when must they decide, and who else are they talking to? How can you best get them on side?"},
            }},
            {u"The Meeting / Agenda.", Answer::Yes, {
                {Join::Paragraph, u"Think of the meeting as a journey. It takes the people from where they are at the beginning to where you want them to be at the end."},
                {Join::Paragraph, u"Enter the agenda as timed items, each with who leads it. Open with their concerns, using open questions to learn their needs, the problem and what it costs them; cover your points; close by agreeing actions, owners and dates. For example: 10 min their concerns, 20 min your proposal, 5 min actions. Note the next step you will ask them to commit to, and send everyone a summary of the agreed actions within a day."},
            }},
            {u"What to Take.", Answer::Yes, {
                {Join::Paragraph, u"Enter the things that you need to take to the meeting."},
                {Join::Paragraph, u"Put each item on a line of its own, so that you can use the Work Sheet as a checklist before you leave."},
            }},
            {u"General Notes.", Answer::Yes, {
                {Join::Paragraph, u"Take time now for reflective thought on your meeting plan and add any extra notes. It is the most important and most neglected part of meeting planning."},
                {Join::Paragraph, u"Who will be there, and why? What do they want? Is the time of day right for them? What handouts can you give the audience? Which open questions will you ask to learn their needs? What objections might they raise, and how will you answer them?"},
            }},
            {u"The Meeting Planner is finished", Answer::No, withFileNotes({
                {Join::Paragraph, u"You should now have a well structured Meeting plan. "},
                {Join::Paragraph, u"The next display will give you a summary of your entries that you can print out and use as a Meeting Work Sheet. "},
            })},
        }};
    // clang-format on
    return table;
}

} // namespace planner
