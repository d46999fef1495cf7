#pragma once
// The exit window's long texts and its choice of support text, kept apart
// from the window so that the choice can be tried with any random value.

#include <QString>

namespace forms {

// Which support text a random value 0 <= r < 1 picks: 0 to 3, one per quarter.
int SupportTextNumber(float r);

// Support text 0 to 3; text 1 is also the one the window is designed with.
QString SupportText(int k);

// The panel about the maker's other programs.
QString SoftwareLineText();

} // namespace forms
