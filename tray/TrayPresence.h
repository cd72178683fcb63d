// SPDX-License-Identifier: GPL-3.0-or-later
// The program in the notification area: the icon, animated while timers
// run and showing a countdown's last minute as a coloured number; its
// click, which brings the window back; its tip, which names the running
// timers; and its menu, which shows the window, stops a timer or quits.
#pragma once

#include "TrayIcon.h"
#include "core/Guard.h"
#include "models/Timers.h"
#include "platform/Platform.h"

#include <QAction>
#include <QObject>
#include <QTimer>
#include <QWidget>

class TrayPresence : public QObject {
    Q_OBJECT
public:
    TrayPresence(const Timers& timers, QWidget& window, platform::Platform platform,
                 HandlerEntry enter, QObject* parent);

    TrayIcon* trayIcon() const { return icon_; }
    // A window on screen is drawn first; the notification area gets the
    // icon once its first frame is there.
    bool waitsForFirstFrame() const { return waiting_; }
    void showAfterFirstFrame();

    // A timer started: the icon moves.
    void timerStarted() { icon_->setAnimated(true); }
    // Animated while timers run, unless a number is on show.
    void animate(bool timersRunning);
    // A countdown's last minute, or with no number the clock again.
    void showNumber(const QString& number);
    bool numberShown() const { return numberShown_; }
    // Back to the clock once no countdown is in its last minute.
    void releaseNumber();
    // The tip names the nearest timers to run out.
    void updateHint();
    // The menu's entries for the running timers, and their times.
    void settle();

signals:
    void quitAsked();
    // A timer's entry chosen: it stops, as a click on its button would.
    void stopAsked(int n);

private:
    void createMenu();
    // A running timer's line in the tip and the menu: its name, its time left.
    static QString timerLine(const QString& label, const QString& left);

    const Timers& timers_;
    QWidget& window_;
    platform::Platform platform_;
    HandlerEntry enter_;
    TrayIcon* icon_;
    bool waiting_ = false;
    // A coloured number is on show; the tick leaves the animation off.
    bool numberShown_ = false;
    // The menu: an entry for each running timer, before the last
    // separator; the timers they are for; whether a panel shows it now.
    QList<QAction*> timerEntries_;
    QList<int> menuSlots_;
    QAction* timersEnd_ = nullptr;
    bool menuOpen_ = false;
    QTimer menuShowing_;
};
