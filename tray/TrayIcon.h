// The notification-area icon of the program: a still picture, or a list of
// frames that turn while the animation is on.
#pragma once

#include <QIcon>
#include <QList>
#include <QObject>
#include <functional>

// The animation frames; any change refreshes the icon.
class TIconList {
public:
    explicit TIconList(std::function<void()> changed)
        : changed_(std::move(changed)) {}

    int Count() const { return int(icons_.size()); }
    const QIcon& operator[](int index) const { return icons_[index]; }
    void Add(const QIcon& icon);
    void Clear();

private:
    QList<QIcon> icons_;
    std::function<void()> changed_;
};

class TTrayIcon : public QObject {
    Q_OBJECT
public:
    TTrayIcon(QObject* owner, const QString& name);

    bool Active = true;
    bool Enabled = true;
    QString Hint;
    // Milliseconds per animation frame.
    int Interval = 150;
    TIconList Icons;

    // The still picture, shown while the animation is off.
    const QIcon& Icon() const { return icon_; }
    void SetIcon(const QIcon& icon);
    // Puts one of the program's tray pictures ("M1" to "M7") in place of
    // the still picture, for the rest of the run.
    void LoadIcon(const QString& resourceName);
    // The resource the still picture last came from.
    const QString& IconName() const { return iconName_; }

    bool Animated() const { return animated_; }
    // On only with frames to show. Asking for the state it is in changes
    // nothing, not even the frame; a change starts again from frame 0.
    void SetAnimated(bool on);
    int FrameIndex() const { return frameIndex_; }

    // What the tray shows now: the current frame, or the still picture.
    QIcon CurrentImage() const;
    // How many times the icon was refreshed.
    int Updates() const { return updates_; }

private:
    void Update();

    QIcon icon_;
    QString iconName_;
    bool animated_ = false;
    int frameIndex_ = -1;
    int updates_ = 0;
};
