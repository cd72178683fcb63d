// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrayIcon.h"

#include "widgets/Controls.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>

void IconList::Add(const QIcon& icon) {
    icons_.append(icon);
    changed_();
}

void IconList::Clear() {
    icons_.clear();
    changed_();
}

TrayIcon::TrayIcon(QObject* owner, const QString& name, platform::Tray* tray)
    : QObject(owner)
    , Icons([this] { Update(); })
    , tray_(tray) {
    setObjectName(name);
    stepper_.setInterval(interval_);
    connect(&stepper_, &QTimer::timeout, this, &TrayIcon::Step);
    // No more steps once the program is on its way out.
    if (QCoreApplication::instance()) {
        connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this,
                [this] { stepper_.stop(); });
    }
    if (tray_)
        tray_->Listen([this](platform::Tray::Mouse mouse) { Notify(mouse); });
}

TrayIcon::~TrayIcon() {
    stepper_.stop();
    animated_ = false;
    Hide();
    if (tray_)
        tray_->Listen({});
}

void TrayIcon::SetActive(bool active) {
    if (active == active_)
        return;
    active_ = active;
    if (active)
        Show();
    else
        Hide();
}

void TrayIcon::SetHint(const QString& hint) {
    if (hint == hint_)
        return;
    hint_ = hint;
    Update();
}

void TrayIcon::SetPopupMenu(QMenu* menu) {
    popupMenu_ = menu;
    if (tray_)
        tray_->SetMenu(menu);
}

void TrayIcon::SetInterval(int milliseconds) {
    interval_ = milliseconds;
    stepper_.setInterval(milliseconds);
}

void TrayIcon::SetIcon(const QIcon& icon) {
    icon_ = icon;
    iconName_.clear();
    Update();
}

QIcon TrayPicture(const QString& name) {
    return IconInSizes(QStringLiteral(":/tray/%1.png").arg(name),
                       QStringLiteral(":/tray/%2/%1.png").arg(name));
}

void TrayIcon::LoadIcon(const QString& resourceName) {
    icon_ = TrayPicture(resourceName);
    iconName_ = resourceName;
    Update();
}

void TrayIcon::SetAnimated(bool on) {
    on = on && Icons.Count() > 0;
    if (on == animated_)
        return;
    animated_ = on;
    frameIndex_ = 0;
    RunStepper();
    Update();
}

QIcon TrayIcon::CurrentImage() const {
    if (animated_ && Icons.Count() > 0)
        return Icons[qBound(0, frameIndex_, Icons.Count() - 1)];
    return icon_;
}

void TrayIcon::Show() {
    if (!tray_)
        return;
    Delete();
    const QIcon image = CurrentImage();
    if (!image.isNull()) {
        leftPressed_ = rightPressed_ = false;
        added_ = true;
        shown_ = tray_->Add(image, hint_.left(63));
    }
    RunStepper();
}

void TrayIcon::Delete() {
    if (tray_ && added_)
        tray_->Delete();
    added_ = false;
    shown_ = false;
}

void TrayIcon::Hide() {
    Delete();
    leftPressed_ = rightPressed_ = false;
    RunStepper();
}

void TrayIcon::Update() {
    if (Icons.Count() == 0 && animated_) {
        animated_ = false;
        frameIndex_ = 0;
        RunStepper();
    }
    if (!tray_)
        return;
    if (shown_) {
        const QIcon image = CurrentImage();
        if (image.isNull())
            Hide();
        else
            tray_->Modify(image, hint_.left(63));
    } else if (active_) {
        // A notification area that was missing may be there by now.
        Show();
    }
}

void TrayIcon::Step() {
    if (!animated_ || Icons.Count() == 0)
        return;
    frameIndex_ = (frameIndex_ + 1) % Icons.Count();
    Update();
}

void TrayIcon::RunStepper() {
    // Turning only while animated and in the notification area: a hidden
    // or idle icon costs no wake-ups at all.
    const bool run = animated_ && shown_ && !QCoreApplication::closingDown();
    if (run && !stepper_.isActive())
        stepper_.start();
    else if (!run)
        stepper_.stop();
}

void TrayIcon::Notify(platform::Tray::Mouse mouse) {
    if (!Enabled)
        return;
    using M = platform::Tray::Mouse;
    const QPoint where = QCursor::pos();
    const Qt::KeyboardModifiers shift = QGuiApplication::queryKeyboardModifiers();
    switch (mouse) {
    case M::LeftDown:
        emit MouseDown(Qt::LeftButton, shift, where);
        leftPressed_ = true;
        break;
    case M::LeftUp:
        if (leftPressed_) {
            leftPressed_ = false;
            PerformClick(Qt::LeftButton, where);
        }
        emit MouseUp(Qt::LeftButton, shift, where);
        break;
    case M::LeftDouble:
        emit DblClick(Qt::LeftButton, shift, where);
        emit MouseDown(Qt::LeftButton, shift, where);
        break;
    case M::RightDown:
        emit MouseDown(Qt::RightButton, shift, where);
        rightPressed_ = true;
        break;
    case M::RightUp:
        if (rightPressed_) {
            rightPressed_ = false;
            PerformClick(Qt::RightButton, where);
        }
        emit MouseUp(Qt::RightButton, shift, where);
        break;
    case M::RightDouble:
        emit MouseDown(Qt::RightButton, shift, where);
        break;
    case M::MiddleDown:
    case M::MiddleDouble:
        emit MouseDown(Qt::MiddleButton, shift, where);
        break;
    case M::MiddleUp:
        emit MouseUp(Qt::MiddleButton, shift, where);
        break;
    }
}

void TrayIcon::PerformClick(Qt::MouseButton button, QPoint where) {
    // The notification area opens the menu itself, wherever it lives: in
    // the panel's own process for a StatusNotifierItem host.
    if (button == Qt::RightButton && popupMenu_)
        return;
    emit Click(button, QGuiApplication::queryKeyboardModifiers(), where);
}
