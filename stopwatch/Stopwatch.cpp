// The stopwatch on the "SW" button and the clock in the alarm half.
#include "app/Unit1.h"

void TAForm1::StopwatchStep() {}

void TAForm1::ClockStep() {}
