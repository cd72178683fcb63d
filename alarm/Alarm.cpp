// The two alarms.
#include "app/Unit1.h"

void TAForm1::Alarm1Check() {}

void TAForm1::Alarm2Check() {}
