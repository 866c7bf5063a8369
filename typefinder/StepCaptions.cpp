#include "StepCaptions.h"

#include <array>

namespace typefinder {

const AudienceCaptions &audienceCaptions(Audience audience)
{
    // clang-format off
    static constexpr std::array<AudienceCaptions, 3> captions{{
        {u"Step 2 - Which best describes the customer",
         u"Do they move and act quickly? Are they direct and confident? Do they accept change and 'tell' more than 'ask'?",
         u"Are their actions slow and steady? Are they are reserved, sensitive, not assertive and tend to 'ask' more than 'tell'?",
         u"You would like to do a detailed test on this person.",
         u"Step 3 - Which best describes the customer"},
        {u"Step 2 - Which best describes the associate",
         u"Do they move and act quickly? Are they direct and confident?  Do they accept change and 'tell' more than 'ask'?",
         u"Are their actions slow and steady? Are they are reserved, not assertive and sensitive? Do they 'ask' more than 'tell'?",
         u"You would like to do a detailed test on this person.",
         u"Step 3 - Which best describes the associate"},
        {u"Step 2 - Which best describes you",
         u"Do you move and act quickly? Are you direct, assertive and confident? Do you accept change and 'tell' more than 'ask'?",
         u"Are your actions slow, steady and controlled? Are you often reserved, sensitive and not assertive? Do you tend to 'ask' more than 'tell'?",
         u"You would like to do a detailed test on yourself.",
         u"Step 3 - Which best describes you"},
    }};
    // clang-format on
    return captions[int(audience)];
}

Step3Captions step3Captions(bool fast, Audience audience)
{
    // clang-format off
    static constexpr std::array<std::array<Step3Captions, 2>, 2> captions{{
        // After the slow answer: about the person ("they", shared by customers and associates), about you.
        {{{u"Are they warm, relaxed and friendly? Do they like stability and get along with others?",
           u"Are they cooler, organised and disciplined? Do they pay attention to detail?"},
          {u"Are you warm, relaxed and friendly? Do you like stability and get along with others?",
           u"Are you cooler, organised and disciplined? Do you pay attention to detail?"}}},
        // After the fast answer.
        {{{u"Are they forceful, no nonsense, cooler and formal? Do they want results and not excuses?",
           u"Are they open, friendly, animated and enhusiastic?"},
          {u"Are you forceful, no nonsense, cooler and formal. Do you want results and not excuses?",
           u"Are you open, friendly, animated and enhusiastic?"}}},
    }};
    // clang-format on
    return captions[fast ? 1 : 0][audience == Audience::Self ? 1 : 0];
}

} // namespace typefinder
