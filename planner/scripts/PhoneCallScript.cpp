#include "ScreenTable.h"

namespace planner {

const ScreenTable &phoneCallScreens()
{
    // One piece per line reads better than literals split at the column limit.
    // clang-format off
    static const ScreenTable table{
        u"Calls - the Phone Call Planner",
        {
            {u" The Phone Call Planner", Answer::No, {
                {Join::Paragraph, u"This program will help make your important phone calls more effective and successful."},
                {Join::Paragraph, u"This program will:"},
                {Join::Line, u"-  Help you organise any background work required."},
                {Join::Line, u"-  Help you plan out the phone call."},
                {Join::Line, u"-  Produce a Work Sheet for your phone calls/s."},
                {Join::Paragraph, u"Click [ Forward ---> ] to move to the next screen."},
            }},
            {u"Phone Call - Description.", Answer::Yes, {
                {Join::Paragraph, u"Please enter a short description for this phone call."},
            }},
            {u" Who are you calling?", Answer::Yes, {
                {Join::Paragraph, u"What is the person's name and personality type, and how do they like to be dealt with? Velkin will tell you their type and how to approach it; its Help shows how to judge a type by voice. Do they decide, or do they influence the person who does?"},
                {Join::Paragraph, u"If you are calling a group, do their similar occupations hint at their likely personality type? For example, many accountants have the 'Details' personality type."},
                {Join::Paragraph, u"Enter the person's phone number and the date and time you propose to call them."},
            }},
            {u"What is the purpose of this phone call?", Answer::Yes, {
                {Join::Paragraph, u"Please describe what you want to have achieved at the end of the call."},
            }},
            {u"Background Research.", Answer::Yes, {
                {Join::Paragraph, u"What background work can you do to make the phone call more successful?"},
                {Join::Paragraph, u"What notes do you have about the person? Remembering personal details, such as their child's name or favourite football team, quickly builds a bond."},
                {Join::Paragraph, u"What notes do you have about the person's company and the topic for which you are calling them?"},
            }},
            {u"Likely Questions.", Answer::Yes, {
                {Join::Paragraph, u"What questions are you likely to be asked? Do you have the answers ready?"},
                {Join::Paragraph, u"If this is a sales call people always want to know about pricing, service, availability and why should they buy from you?"},
            }},
            {u"The Phone Call.", Answer::Yes, {
                {Join::Paragraph, u"What are your opening statements to raise interest in what you have to say?"},
                {Join::Paragraph, u"What are the key points that you wish to cover?"},
                {Join::Paragraph, u"How do you plan to finish the call? What do you want the person to think and do after the call?"},
            }},
            {u"General Notes.", Answer::Yes, {
                {Join::Paragraph, u"Take time now for reflective thought on your phone call plan and add any extra notes. It is the most important and most neglected part of the whole planning process."},
                {Join::Paragraph, u"What is the most you can hope for from this call, and the least you will settle for? Are you calling the right person? Is this the best time of day for them? Which open questions will you ask to learn what they need, what the problem is and what it costs them? If you reach voicemail or an assistant, what short message will you leave? What will you send after the call, and by when?"},
            }},
            {u" Phone Tips.", Answer::No, {
                {Join::Paragraph, u"1. Be prepared. Have all information, a pad, a pen and anything else you may require ready, before you make the call."},
                {Join::Paragraph, u"2. Early in the call let the person know your name, your company and the reason for your call."},
                {Join::Paragraph, u"3. Speak at the same speed as the person you are talking to."},
                {Join::Paragraph, u"4. When you know the person's name use it regularly during the call."},
                {Join::Paragraph, u"5. Always let the other person hang up first."},
            }},
            {u"The Phone Call Planner is finished", Answer::No, withFileNotes({
                {Join::Paragraph, u"You should now have a well structured Phone Call plan. "},
                {Join::Paragraph, u"The next display will give you a summary of your entries that you can print out and use as a Phone Call Work Sheet. "},
            })},
        }};
    // clang-format on
    return table;
}

} // namespace planner
