// The settings file "prefs.qbx".
#pragma once

#include <QString>

// What the store holds before any file is read: the option flags, ten
// slots of "00:00:00Message", both alarms at noon and both indicators "AM".
// A first run thus keeps the slots the user sets.
QString DefaultPrefsText();
