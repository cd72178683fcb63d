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
QIcon TrayPicture(const QString& name);

// The animation frames; any change refreshes the icon.
class IconList {
public:
    explicit IconList(std::function<void()> changed)
        : changed_(std::move(changed)) {}

    int Count() const { return int(icons_.size()); }
    const QIcon& operator[](int index) const { return icons_[index]; }
    void Add(const QIcon& icon);
    void Clear();

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
    bool Active() const { return active_; }
    void SetActive(bool active);
    // Whether the mouse on the icon is heard.
    bool Enabled = true;
    // The tip; at most 63 characters of it show.
    const QString& Hint() const { return hint_; }
    void SetHint(const QString& hint);
    IconList Icons;
    // Milliseconds per animation frame.
    int Interval() const { return interval_; }
    void SetInterval(int milliseconds);
    // The menu of a right click, which the notification area shows; with
    // none, a right click is a click.
    QMenu* ContextMenu() const { return popupMenu_; }
    void SetPopupMenu(QMenu* menu);

    // The still picture, shown while the animation is off.
    const QIcon& Icon() const { return icon_; }
    void SetIcon(const QIcon& icon);
    // Puts one of the program's tray pictures ("M1" to "M7") in place of
    // the still picture, for the rest of the run.
    void LoadIcon(const QString& resourceName);
    // The resource the still picture last came from.
    const QString& IconName() const { return iconName_; }

    // In the notification area now.
    bool Shown() const { return shown_; }

    bool Animated() const { return animated_; }
    // On only with frames to show. Asking for the state it is in changes
    // nothing, not even the frame; a change starts again from frame 0.
    void SetAnimated(bool on);
    int FrameIndex() const { return frameIndex_; }

    // What the notification area shows now: the frame, or the still picture.
    QIcon CurrentImage() const;

signals:
    void Click(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint where);
    void DblClick(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint where);
    void MouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint where);
    void MouseUp(Qt::MouseButton button, Qt::KeyboardModifiers shift, QPoint where);

private:
    void Show();
    void Hide();
    // Takes the icon out, if it was ever put in.
    void Delete();
    void Update();
    void Step();
    void RunStepper();
    void Notify(platform::Tray::Mouse mouse);
    void PerformClick(Qt::MouseButton button, QPoint where);

    platform::Tray* tray_;
    QMenu* popupMenu_ = nullptr;
    bool active_ = true;
    QString hint_;
    int interval_ = 150;
    QIcon icon_;
    QString iconName_;
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
