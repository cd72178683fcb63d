#include "SlotFlags.h"
#include "app/Unit1.h"

bool TAForm1::AnySlotRunning() const {
    bool running = false;
    slot::ForEachSlot([&](int n) {
        if (Find<TSpeedButton>(QStringLiteral("SpeedButton%1").arg(n))->Tag() & slot::Running)
            running = true;
    });
    return running;
}
