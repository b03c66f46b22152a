#pragma once
// How every division lesson writes an answer: the quotient, and the remainder where one is left.
#include <QString>

namespace kazemaru {

// "4 あまり 10", or "4" when the remainder is 0.
QString quotientWithRemainder(qint64 quotient, int remainder);

} // namespace kazemaru
