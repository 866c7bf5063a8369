#include "HelpTopics.h"

namespace help {

QString topic(const QString &file, int context)
{
    const QString open = u"<section id=\"" + QString::number(context) + u"\">";
    const qsizetype start = file.indexOf(open);
    if (start < 0)
        return {};
    const qsizetype end = file.indexOf(u"</section>", start);
    if (end < 0)
        return {};
    return file.mid(start + open.size(), end - start - open.size());
}

int linkedContext(const QString &link)
{
    if (!link.startsWith(u'#'))
        return 0;
    bool ok = false;
    const int context = link.mid(1).toInt(&ok);
    return ok && context > 0 ? context : 0;
}

} // namespace help
