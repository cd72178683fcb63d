#include "TrayIcon.h"

void TIconList::Add(const QIcon& icon) {
    icons_.append(icon);
    changed_();
}

void TIconList::Clear() {
    icons_.clear();
    changed_();
}

TTrayIcon::TTrayIcon(QObject* owner, const QString& name)
    : QObject(owner)
    , Icons([this] { Update(); }) {
    setObjectName(name);
}

void TTrayIcon::SetIcon(const QIcon& icon) {
    icon_ = icon;
    iconName_.clear();
    Update();
}

void TTrayIcon::LoadIcon(const QString& resourceName) {
    icon_ = QIcon(QStringLiteral(":/tray/%1.png").arg(resourceName));
    iconName_ = resourceName;
    Update();
}

void TTrayIcon::SetAnimated(bool on) {
    on = on && Icons.Count() > 0;
    if (on == animated_)
        return;
    animated_ = on;
    frameIndex_ = 0;
    Update();
}

QIcon TTrayIcon::CurrentImage() const {
    if (animated_ && Icons.Count() > 0)
        return Icons[qBound(0, frameIndex_, Icons.Count() - 1)];
    return icon_;
}

void TTrayIcon::Update() {
    if (Icons.Count() == 0 && animated_) {
        animated_ = false;
        frameIndex_ = 0;
    }
    ++updates_;
}
