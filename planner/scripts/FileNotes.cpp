#include "ScreenTable.h"

namespace planner {

std::vector<Piece> withFileNotes(std::initializer_list<Piece> pieces)
{
    // clang-format off
    static constexpr Piece Notes[] = {
        {Join::Paragraph, u"A file of the entries using the title as the name can also be stored in the "},
        {Join::FolderLine, u"[ "},
        {Join::Paragraph, u"To format this file in Word - "},
        {Join::Line, u"   - menu Format --> Style Gallery --> (select a style, eg Professional Report) --> Ok"},
        {Join::Line, u"     then"},
        {Join::Line, u"   - menu Format --> Auto Format --> Ok. "},
        {Join::Line, u"   - to save your changes use menu File --> Save As."},
    };
    // clang-format on
    std::vector<Piece> all(pieces);
    all.insert(all.end(), std::begin(Notes), std::end(Notes));
    return all;
}

} // namespace planner
