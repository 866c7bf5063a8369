#include "AnswerPieces.h"

namespace planner {

bool canSeamAt(QStringView text, qsizetype at)
{
    return at > 0 && at + 1 < text.size() && text[at] == u' '
        && text[at - 1] != QChar::ParagraphSeparator && !text[at + 1].isSpace();
}

QList<qsizetype> seamsFor(QStringView text, qsizetype head)
{
    QList<qsizetype> seams;
    qsizetype start = -head; // where the current piece starts
    for (qsizetype end = 0; end <= text.size(); start = ++end) {
        end = text.indexOf(QChar::ParagraphSeparator, end);
        if (end < 0)
            end = text.size();
        while (end - start > LongestPiece) {
            // The last space that can be a seam before the piece is full, or else the first after
            // it.
            qsizetype seam = start + PieceLength;
            while (seam > start && seam > 0 && !canSeamAt(text, seam))
                --seam;
            if (seam <= start || seam <= 0) {
                seam = std::max<qsizetype>(start + PieceLength, 0);
                while (seam < end && !canSeamAt(text, seam))
                    ++seam;
                if (seam >= end)
                    break;
            }
            seams.append(seam);
            start = seam + 1;
        }
    }
    return seams;
}

} // namespace planner
