#pragma once
// A whole number entered a digit at a time: one digit per place weight (1, 10, 100, …). A place
// can be entered again, which replaces its digit; places never entered count as 0.
#include <QVarLengthArray>
#include <optional>

namespace kazemaru {

class PlaceValue {
  public:
    void set(int weight, int digit); // digit 0 … 9 at the place of `weight`
    std::optional<int> digit(int weight) const;
    int contribution(int weight) const { return digit(weight).value_or(0) * weight; }
    int value() const;
    bool isEmpty() const { return places_.isEmpty(); }
    void clear() { places_.clear(); }

  private:
    struct Place {
        int weight;
        int digit;
    };
    QVarLengthArray<Place, 8> places_;
};

} // namespace kazemaru
