#include "ScreenTable.h"

namespace planner {

// Asked of the key attendee and of the second one alike.
constexpr QStringView PersonalityQuestion =
    u"What is their personality type, and how do they like to be dealt with? Velkin will tell you their type and how to approach it. Do they make the decision, or influence the person who does?";

const ScreenTable &presentationScreens()
{
    // One piece per line reads better than literals split at the column limit.
    // clang-format off
    static const ScreenTable table{
        u"Presenting - the Presentation Planner",
        {
            {u" The Presentation Planner", Answer::No, {
                {Join::Paragraph, u"This program will help you to produce a professional presentation."},
                {Join::Paragraph, u"Successful presentations come from careful planning before the event and a well-structured delivery on the day. This program helps you with both, so that your presentations are more successful."},
                {Join::Paragraph, u"Click [ Forward ---> ] to move to the next screen."},
            }},
            {u" Presenting - Overview", Answer::No, {
                {Join::Paragraph, u"This program will:"},
                {Join::Paragraph, u"-  Help you organise the background work required."},
                {Join::Paragraph, u"-  Help you plan out the presentation structure."},
                {Join::Paragraph, u"-  Produce a Work Sheet for your presentation."},
            }},
            {u"Presentation - Title.", Answer::Yes, {
                {Join::Paragraph, u"Please enter a short title for this presentation."},
            }},
            {u"Presentation - Where and When.", Answer::Yes, {
                {Join::Paragraph, u"Please enter the date, time and location of where the presentation will be held."},
            }},
            {u"What is the purpose of this presentation?", Answer::Yes, {
                {Join::Paragraph, u"What do you want to have achieved by the end of the presentation? It may have little to do with the contents: for example, you may want the group to see you as thoroughly professional. Decide, too, the exact next step you will ask them to agree to."},
            }},
            {u"Background Research - Knowing your audience?", Answer::Yes, {
                {Join::Paragraph, u"What can you read, look up on the Internet or who can you talk to that will help you know your audience better?"},
                {Join::Paragraph, u"What do you know of their industry? What problem do they share that you can help solve, and what does it cost them? What would they like to hear?"},
                {Join::Paragraph, u"Do they know you, and do they have faith and confidence in you? If not, your presentation may have to build these first rather than just try to sell."},
            }},
            {u" Key Attendee.", Answer::Yes, {
                {Join::Paragraph, PersonalityQuestion},
                {Join::Paragraph, u"What is their business objective? Eg, wants to generate more sales or save costs."},
                {Join::Paragraph, u"Do they have a personal objective? Eg, wants a promotion, has been burnt by previous projects so now tries to avoid them."},
            }},
            {u" Second Key Attendee.", Answer::Yes, {
                {Join::Paragraph, PersonalityQuestion},
                {Join::Paragraph, u"What is their Business Objective? Eg, wants to generate more sales or save costs."},
                {Join::Paragraph, u"Do they have a personal objective? Eg, wants a promotion, has been burnt by previous projects so now tries to avoid them."},
            }},
            {u" Other Attendees or Audience Profile.", Answer::Yes, {
                {Join::Paragraph, u"Enter details about the other attendees or if it is a large group then enter a profile of the audience."},
                {Join::Paragraph, u"Do they share the same wants or needs? People in one industry often share a personality type - if so, enter it here. Who decides, and who influences the decision? Is there a budget, by when must they decide, and who else are they talking to? How can you best get these people on side?"},
            }},
            {u"The Presentation.", Answer::No, {
                {Join::Paragraph, u"Think of your presentation as a journey. It takes your audience from where they are at the start to where you want them to be at the end."},
                {Join::Line, u"Pick ONE theme, for example 'Save time', 'Grow together' or 'Quality first', and run it through all you say, your visuals and any handouts."},
                {Join::Paragraph, u"Visual aids - overhead slides, a slide-show program or a whiteboard - add interest and help make sure you cover all of your points."},
                {Join::Paragraph, u"The flow of the presentation is:"},
                {Join::IndentedParagraph, u"-  Strong Opening Statement to get attention."},
                {Join::IndentedLine, u"-  A summary of what topics the presentation will cover."},
                {Join::IndentedLine, u"-  Each topic to be covered."},
                {Join::IndentedLine, u"-  A Conclusion."},
                {Join::IndentedLine, u"-  A Future action plan."},
            }},
            {u"Strong Opening.", Answer::Yes, {
                {Join::Paragraph, u"All presentations need a strong opening. You need to get people to sit up and take notice of what you have to say."},
                {Join::Paragraph, u"For example, not 'Today I will tell you about our service', but 'Our last 20 customers cut their costs by 30% in the first year.'"},
                {Join::Paragraph, u"The opening need not be spoken: a striking visual display or a gimmick can grab attention too, but use it with care."},
            }},
            // The well-digging project runs as one example from here to Future Action.
            {u"Summary of your Presentation.", Answer::Yes, {
                {Join::Paragraph, u"You need to give a summary of what your presentation is going to cover."},
                {Join::Paragraph, u"For example: 'Today I will cover why the village needs a new well, the progress we have made so far and our plan to finish it.'"},
                {Join::Paragraph, u"This will let the people know the purpose of the presentation and what you will be covering."},
            }},
            {u"Presentation Topics.", Answer::Yes, {
                {Join::Flush, u"This is the body of your presentation. By now your audience should be tuned in and know what it is about."},
                {Join::Paragraph, u"Cover each topic named in your summary in turn, each with its own summary, body and conclusion."},
                {Join::Paragraph, u"For example, summary: 'Why the village needs a well.' Reasons: the river is polluted and clean water is 5 km away. Conclusion: 'A well is vital.' Do the same for each topic."},
            }},
            {u"Presentation Conclusion.", Answer::Yes, {
                {Join::Flush, u"Now you have to tie all of the topics together and sum it all up in a conclusion."},
                {Join::Paragraph, u"This should start with a brief recap of the conclusions of the topics then give the conclusion for the presentation."},
                {Join::Paragraph, u"For example: 'The village needs a well for clean water. The well is half dug and lined. We now need a pump and two more weeks of work.'"},
            }},
            {u"Future Action.", Answer::Yes, {
                {Join::Paragraph, u"If your presentation went to plan, your audience is now where you want them to be, and it is time to agree the future action. Ask for one clear next step - a decision, an order, a trial or another meeting - and agree who does what, by when; send them a summary of it within a day. If they hesitate, ask what holds them back, answer it and ask again."},
                {Join::Paragraph, u"For example: 'With your help to buy the pump, the village can have clean water by June. Will you approve the funds today, so that we can order the pump this week?'"},
            }},
            {u"General Notes.", Answer::Yes, {
                {Join::Flush, u"Take time now for reflective thought on your whole plan and add any extra notes. It is the most important and most neglected part of planning."},
                {Join::Paragraph, u"Will there be more than one presenter? Will you give the audience handouts? Have you included features, benefits and proof? Which objections do you expect, and how will you answer each one?"},
                {Join::Paragraph, u"Will this presentation achieve what you want?"},
            }},
            {u" Important Presentation Tips.", Answer::No, {
                {Join::Paragraph, u"Here are some important presentation tips:"},
                {Join::Paragraph, u"Eye Contact - Hold one person's eye while you make a point, then turn to someone else for the next. In a large group, include the people towards the back."},
                {Join::Paragraph, u"Speed - Vary the speed of your voice and movement to suit what you say: slow down for key points, pick up the pace to show enthusiasm."},
                {Join::Paragraph, u"Your Personality - Let your personality shine through, anything less will look fake."},
                {Join::Paragraph, u"Getting Better - Practice your presentation. Reading books and magazines aloud help many people."},
                {Join::Paragraph, u"Audio Visuals - Audio visuals take the pressure off you and add interest. Keep to a few simple points on each visual."},
            }},
            {u" The Presentation Planner is finished", Answer::No, {
                {Join::Paragraph, u"You should now have a well structured presentation tailored to achieve your goals and meet your audience's needs. "},
                {Join::Paragraph, u"Audio Visuals - Follow your printed Work Sheet from 'Strong Opening' to 'Future Action' for the information and structure of your audio visuals."},
                {Join::Paragraph, u"Rehearse the whole presentation, first on your own and then, if you can, in front of colleagues who will give you honest, constructive feedback."},
                {Join::Paragraph, u"The next display will give you a summary of your entries that you can print out and use as a Presentation Work Sheet. "},
                {Join::Paragraph, u"A file of the entries using the title as the name can also be stored in the "},
                {Join::FolderLine, u" [ "},
                {Join::Line, u"To lay out the file in Word, choose Style Gallery and then Auto Format from the Format menu, and save your changes with Save As from the File menu."},
            }},
        }};
    // clang-format on
    return table;
}

} // namespace planner
