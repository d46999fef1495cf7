#include "cobrand.h"

#include <cmath>

namespace cobrand {

int16_t intCoBrandRandomNumber = 0;

int CoBrandNumber(float r)
{
    // In double the product is exact, so the only halves are r = 0.25 and
    // r = 0.75, and every r above 11/12 gives 7. std::nearbyint rounds half
    // to even in the default rounding mode; std::round would not.
    return int(std::nearbyint(double(r) * 6.0 + 1.0));
}

Front FrontFor(int number)
{
    if (number == 7)
        return Front::Unchanged;
    return number % 2 == 1 ? Front::CoBrand : Front::FullBrand;
}

} // namespace cobrand
