// Loading and saving "prefs.qbx" and "pprefs.qbx".
#include "app/Unit1.h"

void TAForm1::InitializeParameters(const QString& mode) {
    // The settings files are read and written once their formats are in;
    // until then a run starts from the design values and keeps nothing.
    Q_UNUSED(mode);
}
