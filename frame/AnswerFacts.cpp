#include "frame/AnswerFacts.h"

#include <QStringList>

namespace kazemaru {

QString oneLine(const QString& text)
{
    QStringList lines;
    for (const QString& line : text.split(u'\n')) {
        // Half-width spaces at a line's ends only pad it; ideographic ones belong to the text.
        qsizetype first = 0, last = line.size();
        while (first < last && line[first] == u' ')
            ++first;
        while (last > first && line[last - 1] == u' ')
            --last;
        if (last > first) lines.append(line.sliced(first, last - first));
    }
    return lines.join(u' ');
}

} // namespace kazemaru
