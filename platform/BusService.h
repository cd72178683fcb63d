// SPDX-License-Identifier: GPL-3.0-or-later
// The program on the session bus: the object behind the interface that
// platform/org.quorbel.Quorbel1.xml describes, whose adaptor the build
// generates from it. Each call goes up as it came, its answer sent once
// the program has given one; the Changed signal tells of a change.
#pragma once

#include "Platform.h"

#include <QDBusContext>
#include <QObject>
#include <QVariantMap>

class Quorbel1Adaptor;

namespace platform {

// Whether the session names a bus. Without one the bus library would
// launch a bus of its own, which is slow and outlives the program.
bool sessionBusNamed();

class BusService : public QObject, protected QDBusContext {
    Q_OBJECT
public:
    BusService();

    // Takes the name on the session bus, or waits for it behind another
    // copy that has it, which the log says; false where there is no bus.
    bool claim();
    void broadcastChange();

    // The interface's methods, named as on the bus since the generated
    // adaptor calls them so; each is answered through called's reply.
    void SetTimer(uint number, uint seconds, const QString& message);
    void StartTimer(uint number);
    void StopTimer(uint number);
    void StartQuick(uint number);
    void Again(uint number);
    void SetAlarm(uint number, const QString& time, bool on);
    void SilenceAll();
    void SnoozeAll();
    void Show(const QVariantMap& platformData);
    void Quit();
    QString Status();

signals:
    void called(const platform::Remote::Call& call, platform::Instance::Reply reply);
    // The token a caller gives with Show, to bring the window forward with
    // the user's action.
    void tokenGiven(const QByteArray& token);

private:
    // Status alone answers with a value, the text of its answer.
    void pass(const QString& method, const QVariantList& arguments = {}, bool answersText = false);

    Quorbel1Adaptor* adaptor_;
    bool owned_ = false;
};

} // namespace platform
