// The platform as the real desktop gives it, through Qt (X11 on Linux).
#pragma once

#include "Platform.h"

#include <thread>

class QSystemTrayIcon;

namespace platform {

// Call before the application object exists: settles which windowing
// system the program runs on.
void PrepareEnvironment();

// The window's design fonts. The desktop's font configuration is read the
// first time any text is measured, a few milliseconds of parsing; created
// before the application object, this reads it, and adds the design faces
// the desktop lacks, on a thread of its own while Qt connects to the display.
class DesignFonts {
public:
    DesignFonts();
    DesignFonts(const DesignFonts&) = delete;
    DesignFonts& operator=(const DesignFonts&) = delete;
    ~DesignFonts();

    // Call before any text is measured: makes the design faces available
    // under their design names.
    void Load();

private:
    std::thread reader_;
};

class QtPlatform final : public Desktop {
public:
    QtPlatform() = default;
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;
    ~QtPlatform() override;

    QTime TimeOfDay() const override;

    QPoint Pos() const override;
    void SetPos(QPoint pos) override;
    bool LeftButtonDown() const override;

    QRect Primary() const override;
    QRect VirtualDesktop() const override;

    Answer Ask(Kind kind, const QString& title, const QString& text) override;

    QString ExecutableDir() const override;

    int Width(const QFont& font, const QString& text) const override;

    void SetStayOnTop(QWidget* window, bool onTop) override;
    void StartMove(QWidget* window) override;
    void Raise(QWidget* window) override;

    void Play(const QString& path) override;

    bool Add(const QIcon& icon, const QString& tip) override;
    void Modify(const QIcon& icon, const QString& tip) override;
    void Delete() override;
    void Listen(Listener listener) override;

    qint64 FindProcessByExeName(const QString& name) override;
    void Terminate(qint64 pid) override;
    void Kill(qint64 pid) override;
    void Sleep(int milliseconds) override;

    void Open(const QString& file) override;

private:
    // Qt speaks StatusNotifierItem or the XEmbed tray, whichever the
    // desktop offers.
    QSystemTrayIcon* trayIcon_ = nullptr;
    Listener trayListener_;

    // The desktop's sound service, opened at the first sound.
    struct SoundService;
    SoundService* sound_ = nullptr;
};

} // namespace platform
