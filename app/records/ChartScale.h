#pragma once
// Where the records chart puts its date ticks: one a day or one every few days, always the same
// number of days apart, each at noon of the day it names.
#include <QDateTime>

namespace kazemaru {

struct DateScale {
    QDateTime start; // the first tick, noon of its day
    QDateTime end;   // the last tick
    int ticks = 2;   // ticks from start to end, evenly spaced, at most 10
    int stepDays = 1;
};

// The date axis for runs from `first` to `last`: every run at least three hours from either end.
DateScale dateScale(const QDateTime& first, const QDateTime& last);

} // namespace kazemaru
