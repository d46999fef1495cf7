#pragma once
// Without a display Qt would abort with its platform-plugin message, which
// reads like a crash. Instead one line points to --reading, then status 1.
// A platform that Qt does not have gets a line of its own, naming it and the
// platforms Qt has, again with status 1.

// Qt's failure to open any platform, from here on, ends the program so. What
// Qt says of platforms it could not open is dropped; what the opened one says
// is held until DisplayOpened, which is false, once the line is written, when
// that platform has no screen.
void WatchDisplayOpening();
bool DisplayOpened();
