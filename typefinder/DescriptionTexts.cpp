#include "DescriptionText.h"

#include <array>

namespace typefinder {

namespace {

// Headings are shared by several descriptions; naming them once keeps the wording identical.
constexpr QStringView meetings = u"MEETINGS:";
constexpr QStringView decisions = u"DECISIONS:";
constexpr QStringView details = u"DETAILS:";
constexpr QStringView documentation = u"DOCUMENTATION:";
constexpr QStringView negotiatingStyle = u"NEGOTIATING STYLE:";
constexpr QStringView strengths = u"STRENGTHS:";
constexpr QStringView areasToWatch = u"AREAS TO WATCH:";
constexpr QStringView ifYouAreTheirManager = u"IF YOU ARE THEIR MANAGER:";
constexpr QStringView timeHeading = u"TIME:";

} // namespace

const DescriptionText &descriptionText(PersonalityType type, Audience audience)
{
    // Every headed line is kept within one panel line where the advice allows it, so that
    // the whole description fits above the buttons without scrolling.
    // clang-format off
    static const std::array<std::array<DescriptionText, 3>, 4> texts{{
        {{
            // In Charge, customer
            {u" MAIN TYPE:  'In Charge'  person.",
             {
                 {meetings, u"     They like meetings short, to the point and focused on results."},
                 {decisions, u"    They make decisions quickly and base them on facts."},
                 {details, u"     They are good at concepts but not so good at details."},
                 {documentation, u"  Keep it short and formal, showing the results others have had with you."},
                 {negotiatingStyle, u"  Out to win at almost any cost, they may be hard and domineering."},
                 {areasToWatch, u"  They want to be in charge and dislike having their time wasted."},
             },
             {u"  SUMMARY: They are assertive, want action and like to feel in charge. They want you to get to the point, give them the information and get on with it.",
              u" They DON'T want waffle, indecision, long friendly chats or being told what to do. Their attention span is short.",
              u" You need to be confident, direct, to the point and focused on results."}},
            // In Charge, associate
            {u" MAIN TYPE:  'In Charge'  person.",
             {
                 {meetings, u"     They like meetings short, to the point and focused on results."},
                 {decisions, u"    They make decisions quickly and base them on facts."},
                 {details, u"     They are good at concepts but not so good at details."},
                 {strengths, u"    They get things done and are strong leaders."},
                 {areasToWatch, u"  They want to be in charge and may change course without warning."},
                 {ifYouAreTheirManager, u"  If they have the skills, let them do the job their way."},
             },
             {u"  SUMMARY: They are assertive, want action and like to feel in charge. They want direct answers quickly and make changes fast.",
              u" They DON'T want their position challenged, or staff who don't deliver. Their attention span is short.",
              u" You need to be confident and direct, and let them feel the decisions are their own."}},
            // In Charge, self
            {u" MAIN TYPE:  'In Charge'  person.",
             {
                 {meetings, u"     You like meetings short, to the point and focused on results."},
                 {decisions, u"    You make decisions quickly and base them on facts."},
                 {details, u"     You are better at concepts than at details."},
                 {negotiatingStyle, u"  You want to win at almost any cost and may be hard on others."},
                 {strengths, u"    You get things done and are a strong leader."},
                 {areasToWatch, u"  You always want to be in charge and may make changes too quickly."},
                 {timeHeading, u"     You are very conscious of time and hate wasting it."},
             },
             {u"  SUMMARY: You like to take the lead and you are assertive, with an eye for the big picture rather than the small print.",
              u" You are confident, independent, competitive and good under pressure, and you guard your time. You welcome change and rarely sit on a decision."}},
        }},
        {{
            // Enthusiastic, customer
            {u" MAIN TYPE:  'Enthusiastic'  person.",
             {
                 {meetings, u"     They like short, interesting, enthusiastic meetings where they can talk."},
                 {decisions, u"    They make decisions quickly and base them on emotions."},
                 {details, u"     They are good at concepts but not so good at details."},
                 {documentation, u"  Keep it short, lively and upbeat, and about the people it helps."},
                 {negotiatingStyle, u"  They like to enthuse others and may skip over the details."},
                 {areasToWatch, u"  They may start out excited and then not follow through."},
             },
             {u"  SUMMARY: They want enthusiasm, like new and interesting things and can be quite assertive.",
              u" They DON'T want dry, boring meetings or presentations. They want to be excited, and their attention soon wanders.",
              u" You need to be enthusiastic and positive, and support them and their decisions."}},
            // Enthusiastic, associate
            {u" MAIN TYPE:  'Enthusiastic'  person.",
             {
                 {meetings, u"     They like meetings short, interesting and enthusiastic."},
                 {decisions, u"    They make decisions quickly and base them on emotions."},
                 {details, u"     They are good at concepts but not so good at details."},
                 {strengths, u"    They motivate people and bring fun and life to an office."},
                 {areasToWatch, u"  They are great starters but poor finishers, and often forgetful."},
                 {ifYouAreTheirManager, u"  Inspire them and they will achieve great things."},
             },
             {u"  SUMMARY: They like change and new things, like to talk and can be assertive. They are weak on details and like support from other staff.",
              u" They DON'T want dry, boring or repetitive work. Their attention span is short.",
              u" You need to be enthusiastic, positive, flexible and supportive."}},
            // Enthusiastic, self
            {u" MAIN TYPE:  'Enthusiastic'  person.",
             {
                 {meetings, u"     You like meetings short, interesting and enthusiastic."},
                 {decisions, u"    You make decisions quickly and base them on emotions."},
                 {details, u"     You are good at concepts but not so good at details."},
                 {negotiatingStyle, u"  You like to enthuse others and may skip over the details."},
                 {strengths, u"    You motivate people and bring fun and life to an office."},
                 {areasToWatch, u"  You are a great starter but a poor finisher, and often forgetful."},
             },
             {u"  SUMMARY: You are enthusiastic and assertive, and you prefer the big picture to the small print. You are popular but often messy.",
              u" You are a good talker, spontaneous, bright and fun, though happier launching things than finishing them."}},
        }},
        {{
            // Friendly, customer
            {u" MAIN TYPE:  'Friendly'  person.",
             {
                 {meetings, u"     They like meetings social and friendly, but well prepared."},
                 {decisions, u"    They make decisions slowly and base them on emotions."},
                 {details, u"     They are quite good at details."},
                 {documentation, u"  Show them clearly why they should deal with you."},
                 {negotiatingStyle, u"  They like agreement and keep the peace, but may be too soft."},
                 {areasToWatch, u"  They can be slow to deal with and need plenty of time."},
             },
             {u"  SUMMARY: They want you to be friendly and social, and they hate pressure. They dislike rapid change and want good reasons for it. Feelings matter greatly to them.",
              u" They want to deal with people they feel comfortable with, even at a higher price.",
              u" You need to spend time talking about their family and hobbies. Be their friend, and have an organised plan."}},
            // Friendly, associate
            {u" MAIN TYPE:  'Friendly'  person. ",
             {
                 {meetings, u"     They like meetings social and friendly, but well prepared."},
                 {decisions, u"    They make decisions slowly and base them on emotions."},
                 {details, u"     They are quite good at details."},
                 {strengths, u"    They keep the peace, get on with people and are good administrators."},
                 {areasToWatch, u"  They are slow to change and can seem to plod along."},
                 {ifYouAreTheirManager, u"  Give them clear plans and a path to follow."},
             },
             {u"  SUMMARY: They like teamwork, harmony, friendly colleagues and the social side of work. Feelings matter greatly to them.",
              u" They DON'T want anyone to rock the boat, or sudden changes to plans.",
              u" You need to be their friend and show that you appreciate them."}},
            // Friendly, self
            {u" MAIN TYPE:  'Friendly'  person.",
             {
                 {meetings, u"     You like meetings social and friendly, but well prepared."},
                 {decisions, u"    You make decisions slowly and base them on emotions."},
                 {details, u"     You are quite good at details."},
                 {negotiatingStyle, u"  You like everyone to agree and may give way too easily."},
                 {strengths, u"    You smooth things over, get on with people and are a good administrator."},
                 {areasToWatch, u"  You may be slow to change or decide; don't let others walk over you."},
             },
             {u"  SUMMARY: You are friendly, you like stability and details, and you aren't assertive. Relaxed and calm, you bring harmony wherever you go.",
              u" You work well in a team, listen well, care about people and don't rock the boat."}},
        }},
        {{
            // Details, customer
            {u" MAIN TYPE:  'Details'  person.",
             {
                 {meetings, u"     They like meetings long, fairly formal and fully prepared."},
                 {decisions, u"    They make decisions slowly and base them on facts."},
                 {details, u"     They are excellent at details."},
                 {documentation, u"  Make it exact and orderly, with evidence and full details of how it works."},
                 {negotiatingStyle, u"  They like things fixed, orderly and organised but can be inflexible."},
                 {areasToWatch, u"  They need proof, like to be the expert, may turn negative and hate being pushed."},
             },
             {u"  SUMMARY: They want facts, figures, information, graphs and charts, and the more the better. They like to think things over and dislike rapid change and disorder.",
              u" You will need a step-by-step plan to bring them to where you want them to be."}},
            // Details, associate
            {u" MAIN TYPE:  'Details'  person.",
             {
                 {meetings, u"     They like meetings long, fairly formal and fully prepared."},
                 {decisions, u"    They make decisions slowly and base them on facts."},
                 {details, u"     They are excellent at details."},
                 {strengths, u"    They are accurate and organised, often artistic, and like to analyse."},
                 {areasToWatch, u"  They pick faults, resist change, can turn negative and hate being rushed."},
                 {ifYouAreTheirManager, u"  Give them exact procedures to follow."},
             },
             {u"  SUMMARY: They want high-quality, well-planned and logical work to a detailed schedule, knowing exactly what to do and when.",
              u" They DON'T want rapid change or criticism, however helpful it is meant to be.",
              u" Let them be the expert."}},
            // Details, self
            {u" MAIN TYPE:  'Details'  person.",
             {
                 {meetings, u"     You like meetings long and fairly formal, and come fully prepared."},
                 {decisions, u"    You make decisions slowly and base them on facts."},
                 {details, u"     You are good at details."},
                 {negotiatingStyle, u"  You like everything settled and in its place but can be inflexible."},
                 {strengths, u"    You are accurate and organised, may be artistic, and like to analyse."},
                 {areasToWatch, u"  You pick faults, resist change, can turn negative and hate being rushed."},
             },
             {u"  SUMMARY: You love precision, facts and figures, and you are creative. You are a good planner who likes schedules, and you aren't assertive.",
              u" You are a good problem solver who weighs decisions carefully. You are often sceptical, and very neat and orderly."}},
        }},
    }};
    // clang-format on
    return texts[int(type)][int(audience)];
}

} // namespace typefinder
