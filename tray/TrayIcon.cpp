// SPDX-License-Identifier: GPL-3.0-or-later
#include "TrayIcon.h"

#include "widgets/Controls.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>

void IconList::add(const QIcon& icon) {
    icons_.append(icon);
    changed_();
}

void IconList::clearFrames() {
    icons_.clear();
    changed_();
}

TrayIcon::TrayIcon(QObject* owner, const QString& name, platform::Tray* tray)
    : QObject(owner)
    , tray_(tray)
    , icons_([this] { refresh(); }) {
    setObjectName(name);
    stepper_.setInterval(interval_);
    connect(&stepper_, &QTimer::timeout, this, &TrayIcon::step);
    // No more steps once the program is on its way out.
    if (QCoreApplication::instance()) {
        connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, this,
                [this] { stepper_.stop(); });
    }
    if (tray_)
        tray_->listen([this](platform::Tray::Mouse mouse) { notify(mouse); });
}

TrayIcon::~TrayIcon() {
    stepper_.stop();
    animated_ = false;
    takeOut();
    if (tray_)
        tray_->listen({});
}

void TrayIcon::setActive(bool active) {
    if (active == active_)
        return;
    active_ = active;
    if (active)
        putIn();
    else
        takeOut();
}

void TrayIcon::setHint(const QString& hint) {
    if (hint == hint_)
        return;
    hint_ = hint;
    refresh();
}

void TrayIcon::setPopupMenu(QMenu* menu) {
    popupMenu_ = menu;
    if (tray_)
        tray_->setMenu(menu);
}

void TrayIcon::setFrameInterval(int milliseconds) {
    interval_ = milliseconds;
    stepper_.setInterval(milliseconds);
}

void TrayIcon::setStillPicture(const QIcon& icon) {
    icon_ = icon;
    refresh();
}

QIcon trayPicture(const QString& name) {
    return iconInSizes(QStringLiteral(":/tray/%1.png").arg(name),
                       QStringLiteral(":/tray/%2/%1.png").arg(name));
}

void TrayIcon::loadIcon(const QString& resourceName) {
    icon_ = trayPicture(resourceName);
    refresh();
}

void TrayIcon::setAnimated(bool on) {
    on = on && icons_.frameCount() > 0;
    if (on == animated_)
        return;
    animated_ = on;
    frameIndex_ = 0;
    runStepper();
    refresh();
}

QIcon TrayIcon::currentImage() const {
    if (animated_ && icons_.frameCount() > 0)
        return icons_[qBound(0, frameIndex_, icons_.frameCount() - 1)];
    return icon_;
}

void TrayIcon::putIn() {
    if (!tray_)
        return;
    removeIcon();
    const QIcon image = currentImage();
    if (!image.isNull()) {
        leftPressed_ = rightPressed_ = false;
        added_ = true;
        shown_ = tray_->add(image, hint_.left(63));
    }
    runStepper();
}

void TrayIcon::removeIcon() {
    if (tray_ && added_)
        tray_->removeIcon();
    added_ = false;
    shown_ = false;
}

void TrayIcon::takeOut() {
    removeIcon();
    leftPressed_ = rightPressed_ = false;
    runStepper();
}

void TrayIcon::refresh() {
    if (icons_.frameCount() == 0 && animated_) {
        animated_ = false;
        frameIndex_ = 0;
        runStepper();
    }
    if (!tray_)
        return;
    if (shown_) {
        const QIcon image = currentImage();
        if (image.isNull())
            takeOut();
        else
            tray_->modify(image, hint_.left(63));
    } else if (active_) {
        // A notification area that was missing may be there by now.
        putIn();
    }
}

void TrayIcon::step() {
    if (!animated_ || icons_.frameCount() == 0)
        return;
    frameIndex_ = (frameIndex_ + 1) % icons_.frameCount();
    refresh();
}

void TrayIcon::runStepper() {
    // Turning only while animated and in the notification area: a hidden
    // or idle icon costs no wake-ups at all.
    const bool run = animated_ && shown_ && !QCoreApplication::closingDown();
    if (run && !stepper_.isActive())
        stepper_.start();
    else if (!run)
        stepper_.stop();
}

void TrayIcon::notify(platform::Tray::Mouse mouse) {
    // A click is a press and a release on the icon; a double click gives
    // no second one.
    using M = platform::Tray::Mouse;
    const QPoint where = QCursor::pos();
    switch (mouse) {
    case M::LeftDown:
        leftPressed_ = true;
        break;
    case M::LeftUp:
        if (std::exchange(leftPressed_, false))
            performClick(Qt::LeftButton, where);
        break;
    case M::RightDown:
        rightPressed_ = true;
        break;
    case M::RightUp:
        if (std::exchange(rightPressed_, false))
            performClick(Qt::RightButton, where);
        break;
    default:
        break;
    }
}

void TrayIcon::performClick(Qt::MouseButton button, QPoint where) {
    // The notification area opens the menu itself, wherever it lives: in
    // the panel's own process for a StatusNotifierItem host.
    if (button == Qt::RightButton && popupMenu_)
        return;
    emit clicked(button, QGuiApplication::queryKeyboardModifiers(), where);
}
