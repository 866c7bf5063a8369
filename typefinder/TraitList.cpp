#include "TraitList.h"

#include "PersonalityType.h"
#include "TraitTable.h"

namespace typefinder {

namespace {

struct Layout
{
    QStringView lead;
    int perLine;
};

Layout layoutOf(TraitLayout layout)
{
    return layout == TraitLayout::MainWindow ? Layout{u" ", 5} : Layout{u"  ", 3};
}

QStringView traitListName(PersonalityType type)
{
    static constexpr std::array<QStringView, 4> names{u"InCharge", u"Enthusiastic", u"Friendly",
                                                      u"Details"};
    return names[int(type)];
}

} // namespace

QString ComposeTraitList(const QString &letter, TraitLayout layout)
{
    const TraitTable &table = LoadTraitTable();
    const std::optional<PersonalityType> type = typeFromLetter(letter);
    if (!type)
        return {};
    const Layout shape = layoutOf(layout);
    QString text =
        shape.lead + u"Some ''" + traitListName(*type) + u"''  type  personality  traits\r\n\r\n";
    int position = 1;
    for (int16_t number = 1; number <= 96; ++number) {
        const TraitEntry &trait = table.row(number);
        if (trait.typeLetter != letter)
            continue;
        QStringView label = trait.text;
        if (label.startsWith(u"Change - "))
            label = label.sliced(9).first(std::min<qsizetype>(99, label.size() - 9));
        text += (position == 1 ? shape.lead : QStringView(u",  "));
        text += label;
        if (position == shape.perLine) {
            text += u"\r\n\r\n";
            position = 0;
        }
        ++position;
    }
    return text;
}

} // namespace typefinder
