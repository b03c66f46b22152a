#include "frame/PlaceValue.h"

namespace kazemaru {

void PlaceValue::set(int weight, int digit)
{
    for (Place& p : places_) {
        if (p.weight == weight) {
            p.digit = digit;
            return;
        }
    }
    places_.append({weight, digit});
}

std::optional<int> PlaceValue::digit(int weight) const
{
    for (const Place& p : places_)
        if (p.weight == weight) return p.digit;
    return std::nullopt;
}

int PlaceValue::value() const
{
    int v = 0;
    for (const Place& p : places_)
        v += p.digit * p.weight;
    return v;
}

} // namespace kazemaru
