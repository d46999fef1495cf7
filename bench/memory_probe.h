#pragma once
// What readings leave behind in memory: readings played one after another on
// the real windows, each ended with Back, with the pauses' clock moved on at
// once so that hundreds take seconds. The heap in use and the resident size
// are noted after the first few readings and again after many, in the same
// process, so that anything a reading keeps shows as the growth between.

class FormsRegistry;

namespace bench {

struct MemoryAfterReadings
{
    int readings = 0;
    long heapKiB = -1;     // in use by malloc (glibc's mallinfo2)
    long residentKiB = -1; // VmRSS
};

struct ReadingMemory
{
    MemoryAfterReadings few;
    MemoryAfterReadings many;
};

// From the visible main window; it is visible again at the end.
ReadingMemory ProbeReadingMemory(FormsRegistry &forms, int few, int many);

} // namespace bench
