#pragma once
// Which of the main window's two promotions is in front for the whole run.
// The decision lives here; the window that acts on it lies above.

#include <cstdint>

namespace cobrand {

enum class Front { CoBrand, FullBrand, Unchanged };

// r * 6 + 1 rounded to the nearest whole number, an exact half to the even
// neighbour: 1 to 7 for 0 <= r < 1.
int CoBrandNumber(float r);

// 1, 3, 5: the co-brand offer; 2, 4, 6: the full-brand offer; 7: whichever
// is already in front stays there.
Front FrontFor(int number);

// The last draw of the rotation, 1 to 7; 0 before the first.
extern int16_t intCoBrandRandomNumber;

} // namespace cobrand
