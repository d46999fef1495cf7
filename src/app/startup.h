#pragma once
// The program's first code: refuse to run beside a running copy, seed the
// random generator, run the update reminder, show the main window and choose
// its promotion.

class FormsRegistry;

void StartUp(FormsRegistry &forms);

// Brings one of the main window's two promotions to the front, once per run.
void CoBrand_Randomize(FormsRegistry &forms);
