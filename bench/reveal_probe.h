#pragma once
// Times whole reveals in this process, on the real main window reached
// through the registry: the processor time the process spends from the click
// on the coffee pot until the reading window is asked to show, and when each
// of the four dots and the reading window was shown and first painted.
//
// Two pauses are compared. The program's own waits in an event loop until a
// precise timer fires. The spinning pause is the one the animation was first
// described with: it reads a seconds-since-midnight clock and processes
// events in a loop until a second has passed. It lives here only, as the
// baseline; to run it, the benchmark plays the reveal's steps itself on the
// same window's controls.

#include <array>

class FormsRegistry;

namespace bench {

enum class Pause { EventLoop, Spinning };

struct StepTimes
{
    // Milliseconds after the click; negative when it never happened.
    double shownMs = -1;
    double paintedMs = -1;
};

constexpr int StepCount = 5; // four dots, then the reading window

struct RevealRun
{
    double cpuMs = 0;
    double wallMs = 0;
    std::array<StepTimes, StepCount> steps;
};

// Plays one reveal from the visible main window and waits until the reading
// window has been painted.
RevealRun RunReveal(FormsRegistry &forms, Pause pause);

// Back from the reading window; returns once the main window is painted again.
void GoBack(FormsRegistry &forms);

// Runs the event loop for the given time.
void Settle(int milliseconds);

} // namespace bench
