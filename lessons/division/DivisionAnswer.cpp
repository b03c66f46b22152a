#include "lessons/division/DivisionAnswer.h"

using namespace Qt::StringLiterals;

namespace kazemaru {

QString quotientWithRemainder(qint64 quotient, int remainder)
{
    QString text = QString::number(quotient);
    if (remainder != 0) text += u" あまり "_s + QString::number(remainder);
    return text;
}

} // namespace kazemaru
