// SPDX-License-Identifier: GPL-3.0-or-later
// The program's icon in the notification area: a still picture, or frames
// that turn while the animation is on, and the mouse on it.
#pragma once

#include "platform/Platform.h"

#include <QIcon>
#include <QList>
#include <QObject>
#include <QTimer>
#include <functional>

class QMenu;

// One of the tray's pictures ("clock", "frame0" to "frame7", "M1" to "M7")
// at every size a panel asks for.
QIcon trayPicture(const QString& name);

// The animation frames; any change refreshes the icon.
class IconList {
public:
    explicit IconList(std::function<void()> changed)
        : changed_(std::move(changed)) {}

    int frameCount() const { return int(icons_.size()); }
    const QIcon& operator[](int index) const { return icons_[index]; }
    void add(const QIcon& icon);
    void clearFrames();

private:
    QList<QIcon> icons_;
    std::function<void()> changed_;
};

class TrayIcon : public QObject {
    Q_OBJECT
public:
    // Without a notification area the icon lives in memory only.
    TrayIcon(QObject* owner, const QString& name, platform::Tray* tray = nullptr);
    ~TrayIcon() override;

    // In the notification area or not.
    bool active() const { return active_; }
    void setActive(bool active);
    // The tip; at most 63 characters of it show.
    void setHint(const QString& hint);
    // The animation's frames.
    IconList& icons() { return icons_; }
    // Milliseconds per animation frame.
    int frameInterval() const { return interval_; }
    void setFrameInterval(int milliseconds);
    // The menu of a right click, which the notification area shows; with
    // none, a right click is a click.
    QMenu* contextMenu() const { return popupMenu_; }
    void setPopupMenu(QMenu* menu);

    // The still picture, shown while the animation is off.
    const QIcon& stillPicture() const { return icon_; }
    void setStillPicture(const QIcon& icon);
    // Puts one of the program's tray pictures ("M1" to "M7") in place of
    // the still picture, for the rest of the run.
    void loadIcon(const QString& resourceName);

    // In the notification area now.
    bool isShown() const { return shown_; }

    bool animated() const { return animated_; }
    // On only with frames to show. Asking for the state it is in changes
    // nothing, not even the frame; a change starts again from frame 0.
    void setAnimated(bool on);
    int frameIndex() const { return frameIndex_; }

    // What the notification area shows now: the frame, or the still picture.
    QIcon currentImage() const;

signals:
    void clicked(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint where);

private:
    void putIn();
    void takeOut();
    // Takes the icon out, if it was ever put in.
    void removeIcon();
    void refresh();
    void step();
    void runStepper();
    void notify(platform::Tray::Mouse mouse);
    void performClick(Qt::MouseButton button, QPoint where);

    platform::Tray* tray_;
    QMenu* popupMenu_ = nullptr;
    bool active_ = true;
    QString hint_;
    IconList icons_;
    int interval_ = 150;
    QIcon icon_;
    bool animated_ = false;
    int frameIndex_ = -1;
    bool shown_ = false;
    bool added_ = false;
    bool leftPressed_ = false;
    bool rightPressed_ = false;
    // Steps the animation on the user-interface thread, so a step never
    // meets a change half made.
    QTimer stepper_;
};
