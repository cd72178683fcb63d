// SPDX-License-Identifier: GPL-3.0-or-later
// The few things the program asks of the desktop, one small interface per
// concern. The window and its handlers see only these; the real desktop is
// QtPlatform, the tests use FakePlatform.
#pragma once

#include <QByteArray>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <QStringList>
#include <QTime>
#include <QVariantList>

#include <functional>

class QFont;
class QIcon;
class QMenu;
class QObject;
class QWidget;

namespace platform {

class Clock {
public:
    virtual ~Clock() = default;
    // The local time of day.
    virtual QTime timeOfDay() const = 0;
    // The wall clock, in milliseconds since the epoch.
    virtual qint64 wallMs() const = 0;
    // What tells this boot of the system from the others; empty where
    // nothing does.
    virtual QString bootId() const = 0;
    // Milliseconds since the system started, the time it was suspended
    // included; only ever forward.
    virtual qint64 sinceBoot() = 0;
    // Calls then once from the event loop, a while from now, unless the
    // context has gone by then. Nothing waits meanwhile.
    virtual void after(int milliseconds, QObject* context, std::function<void()> then) = 0;
    // Who hears that the wall clock was set (by hand, by a time service, at
    // a change of zone it is not); an empty function stops the listening.
    virtual void listenForClockSet(std::function<void()> set) = 0;
};

class Cursor {
public:
    virtual ~Cursor() = default;
    // Where the mouse pointer is, in screen coordinates.
    virtual QPoint pos() const = 0;
    // Moves the mouse pointer to a point in screen coordinates; in a
    // Wayland session, where no program may, nothing happens.
    virtual void setPos(QPoint pos) = 0;
    // Whether the left mouse button is held down right now.
    virtual bool leftButtonDown() const = 0;
};

class Screens {
public:
    virtual ~Screens() = default;
    // The primary monitor, in screen coordinates.
    virtual QRect primary() const = 0;
    // The bounding rectangle of all monitors together.
    virtual QRect virtualDesktop() const = 0;
};

class Questions {
public:
    enum class Kind { Warning, Confirmation };
    enum class Answer { Yes, No, Closed };
    enum class Button { Yes, No };
    virtual ~Questions() = default;
    // Asks a modal Yes/No question centred on the primary screen and above
    // every window of the program, whatever their style; Yes is the default
    // and Escape answers No. The pointer goes onto the centre of the given
    // button once the box is on screen.
    // A request from the system to end the program answers an open
    // question as its default button, Yes, would.
    virtual Answer ask(Kind kind, const QString& title, const QString& text, Button pointer) = 0;
    // Tells the user something in a modal box with an OK button, as Ask
    // places its questions, and returns once it is read, or once the
    // program ends (a request from the system, its main window closed).
    virtual void tell(const QString& title, const QString& text) = 0;
};

class Files {
public:
    virtual ~Files() = default;
    // The folder of the running executable, symlinks resolved.
    virtual QString executableDir() const = 0;
    // Where the user's programs keep their settings ($XDG_CONFIG_HOME,
    // ~/.config when unset).
    virtual QString configHome() const = 0;
    // Replaces a file's content in one step: the bytes are written beside
    // it, flushed and synced to the disk, and only then take its place.
    // False when any of that fails (a full disk, a folder that cannot be
    // written); the old file is then exactly as it was.
    virtual bool replace(const QString& path, const QByteArray& bytes) = 0;
    // Gives a file, a folder or a link another name in its folder, in one
    // step and without copying; never in place of anything: false when the
    // name is taken.
    virtual bool rename(const QString& from, const QString& to) = 0;
    // Removes a file or a link, which takes no space; true when nothing is
    // left under the name.
    virtual bool remove(const QString& path) = 0;
};

class Text {
public:
    virtual ~Text() = default;
    // The width in pixels of a text drawn in a font.
    virtual int width(const QFont& font, const QString& text) const = 0;
    // Makes the window's faces ready; call before any text is shaped. Its
    // bitmap faces are wanted only where they show as drawn.
    virtual void loadFonts(bool bitmapFaces) = 0;
};

class Windows {
public:
    virtual ~Windows() = default;
    // Gives a shown top-level window the stay-on-top style or takes it away,
    // without moving, hiding or re-creating it.
    virtual void setStayOnTop(QWidget* window, bool onTop) = 0;
    // Lets the user drag a window by the mouse from a button press onwards.
    virtual void startMove(QWidget* window) = 0;
    // Shows a window that may be hidden or minimised, in its normal state.
    virtual void show(QWidget* window) = 0;
    // Shows a window as show() does, brings it to the front and makes it the
    // one the keyboard goes to; on Wayland, asks the compositor to, with the
    // token of the user's last click on the desktop for the program where
    // there is one.
    virtual void raise(QWidget* window) = 0;
    // Shows a window that rings as show() does, and asks for the user's
    // attention to it: where the program keeps itself on top on its own
    // (X11), nothing more; on Wayland the compositor is asked to activate
    // it, and shows it urgent, or as wanting attention, where it will not.
    virtual void alert(QWidget* window) = 0;
    // None of these ever puts a window above an open question.
};

class Sound {
public:
    virtual ~Sound() = default;
    // Starts playing a WAV file and returns at once, cutting off any sound
    // of the program still playing; a file it cannot play, or anything but
    // a regular file, gives the desktop's alert sound instead.
    virtual void play(const QString& path) = 0;

    // The user's own sounds, on two channels: the alert's, and the cue's
    // (a warning, a sound tried in the options).
    enum class Channel { Alert, Cue };
    struct Tone {
        QString path;
        // Percent.
        int volume = 100;
        // Rises from quiet to the volume over that many milliseconds.
        int riseMs = 0;
        // Starts again each time it ends, until stopped.
        bool loop = false;
        Channel channel = Channel::Alert;
        // So much of the rise has passed already: a sound started again
        // while its alert goes on.
        int risenMs = 0;
    };
    // Plays a WAV, OGG or FLAC file without waiting, cutting off the tone
    // before on its channel. unplayable hears, a moment later, that the
    // file could not be played. A looping tone whose sound server is gone
    // rings the desktop's bell meanwhile and plays again once it is back.
    virtual void playTone(const Tone& tone, std::function<void()> unplayable) = 0;
    virtual void stopTone(Channel channel) = 0;
    // The desktop sound theme's file for a sound of that name
    // ("alarm-clock-elapsed", "bell"); empty when the theme has none.
    virtual QString themeSoundFile(const QString& name) = 0;
};

class Tray {
public:
    enum class Mouse {
        LeftDown,
        LeftUp,
        LeftDouble,
        RightDown,
        RightUp,
        RightDouble,
        MiddleDown,
        MiddleUp,
        MiddleDouble
    };
    using Listener = std::function<void(Mouse)>;
    virtual ~Tray() = default;
    // Puts the program's icon with a tip in the notification area; false
    // when the desktop has no notification area (yet).
    virtual bool add(const QIcon& icon, const QString& tip) = 0;
    // Changes the icon and the tip of the icon put there.
    virtual void modify(const QIcon& icon, const QString& tip) = 0;
    // Takes the icon out of the notification area.
    virtual void removeIcon() = 0;
    // The menu the notification area opens on a right click, or none.
    virtual void setMenu(QMenu* menu) = 0;
    // Who hears of the mouse on the icon.
    virtual void listen(Listener listener) = 0;
};

// A running process, as far as the system lets the user see it.
struct RunningProcess {
    qint64 pid = 0;
    // The process that started it, and the leader of its session.
    qint64 parent = 0;
    qint64 session = 0;
    // When it started, in the system's clock ticks since boot: with pid,
    // one process and no later one that took its number.
    qint64 started = 0;
    // The user may signal it.
    bool mayEnd = true;
    // The program file it runs, behind every link; empty when unreadable.
    QString executable;
    // The name it was started by (argv[0]).
    QString firstArgument;
    // The first argument after the options that names a file, absolute:
    // for an interpreter, the script it runs.
    QString script;
};

class Processes {
public:
    virtual ~Processes() = default;
    // The running processes in ascending id order, ended ones left out.
    virtual QList<RunningProcess> snapshot() = 0;
    // The program's own process.
    virtual qint64 self() = 0;
    // Asks a process of the last snapshot to end; one the user may not
    // signal, or one that is no longer the process of the snapshot, is
    // left alone.
    virtual void terminate(qint64 pid) = 0;
    // Ends a process asked to end that is still running, without asking;
    // never another process that took its number meanwhile.
    virtual void kill(qint64 pid) = 0;
};

// A file as the desktop would start or open it.
struct Launchable {
    // Absolute, links kept; empty when there is no such file, or when it
    // can be neither started nor opened.
    QString path;
    // The file behind the links, when path is one.
    QString target;
    // For a "#!" script, the program that runs it, behind every link.
    QString interpreter;
};

class Shell {
public:
    virtual ~Shell() = default;
    // Finds a file as a launcher would, never through a shell: a name
    // without a folder on PATH, any other relative to the current folder.
    // A program the system would not start (no run permission, a missing
    // interpreter, a file system that runs nothing) is not found.
    virtual Launchable find(const QString& file) = 0;
    // Opens a file found so: starts a program, or hands a document to the
    // desktop's opener. Nothing happens when it cannot.
    virtual void launch(const QString& path) = 0;
};

class Notifications {
public:
    virtual ~Notifications() = default;
    // What the user may choose on a notification: stop, snooze, again, and
    // the notification itself, which shows the window.
    enum class Action { Stop, Snooze, Again, Show };
    struct Choice {
        Action action;
        // What the user reads on it.
        QString text;
    };
    struct Notice {
        QString summary;
        QString body;
        QList<Choice> actions;
        // An alert stays until it is acted on or taken back; a notice that
        // is not urgent goes as the desktop's notices go.
        bool urgent = true;
    };
    // Tells the desktop, or renews the notification of the same key.
    // Without a notification service nothing happens, and nothing waits
    // for one.
    virtual void notify(int key, const Notice& notice) = 0;
    // Takes it back, if it is there.
    virtual void withdraw(int key) = 0;
    // Who hears an action chosen on a notification.
    virtual void listenForActions(std::function<void(int key, Action action)> listener) = 0;
};

class Instance {
public:
    virtual ~Instance() = default;
    // What a later start is told once its command line is acted on: its
    // exit status, and what it prints (on standard output, or on standard
    // error for a status other than 0).
    struct Response {
        int status = 0;
        QString text;
    };
    using Reply = std::function<void(const Response&)>;
    // Who hears the arguments of a later start, once this copy has claimed
    // its settings folder, and replies when it has acted on them.
    virtual void listenForStarts(std::function<void(const QStringList&, Reply)> listener) = 0;
    // What a probe (--status, --watch) is told of the program's state: a
    // JSON document, made when asked for.
    virtual void answerProbes(std::function<QByteArray()> state) = 0;
    // The state changed: each watcher is sent it, or only the newest where
    // one has not read the last yet.
    virtual void announceChange() = 0;
};

// The program's door on the session bus, for scripts and panels: the calls
// come in as they are, and go up to be judged; the door knows no rule.
class Remote {
public:
    virtual ~Remote() = default;
    // A method called on the bus: its name as the interface has it
    // ("SetTimer"), and its arguments as the bus gave them.
    struct Call {
        QString method;
        QVariantList arguments;
    };
    // Who hears the calls. Each is answered once, through its reply:
    // status 0 with the method's value (Status's document; empty for the
    // others), 1 for a call turned down and 2 for arguments that break a
    // rule, each with the words the caller is told.
    virtual void
    listenForCalls(std::function<void(const Call& call, Instance::Reply reply)> listener) = 0;
    // Takes the program's name on the session bus, where there is a bus;
    // where another copy has it, once that copy ends. Calls come from then
    // on.
    virtual void claimName() = 0;
    // The state changed: the bus is told, for those who listen.
    virtual void broadcastChange() = 0;
};

// Keys the user binds, in the desktop's own settings, to actions of the
// program, heard whatever has the keyboard: the desktop portal's global
// shortcuts, where the desktop offers them.
class Shortcuts {
public:
    struct Shortcut {
        // Fixed for good: the desktop files the user's keys under it.
        QString id;
        // What the desktop's settings list, in the user's words.
        QString description;
    };
    virtual ~Shortcuts() = default;
    // Offers the shortcuts to the desktop, once; pressed hears the id of
    // one whose key the user pressed (an activation token the desktop
    // handed with it is already offered to the window). Where the desktop
    // offers none, nothing comes and nothing is said.
    virtual void offerShortcuts(const QList<Shortcut>& shortcuts,
                                std::function<void(const QString& id)> pressed) = 0;
};

class Session {
public:
    virtual ~Session() = default;
    // Who hears that the program is being ended from outside. save writes
    // what must survive, asking nothing: the desktop's session is logging
    // out, or the display has gone and the program ends when save returns.
    // end ends the run as a close from the system does: a request to end
    // (SIGTERM), the terminal closed (SIGHUP) or interrupted (SIGINT).
    // Empty functions stop the listening.
    virtual void listenForEnd(std::function<void()> save, std::function<void()> end) = 0;
};

class Power {
public:
    virtual ~Power() = default;
    // Who hears the machine going to sleep (true) and waking (false). The
    // sleep waits, a moment at most, until the listener has returned from
    // hearing it. Where the system tells nothing (no logind), nothing comes.
    virtual void listenForSleep(std::function<void(bool sleeping)> listener) = 0;
    // While an alert rings, the screen stays on and the machine awake.
    virtual void keepAwake(bool awake) = 0;
    // Asks the system to wake the machine from a sleep at that moment of
    // the wall clock (milliseconds since the epoch; 0 for no moment), where
    // it lets a user program do so. answer hears whether it will: at once,
    // or once the desktop has answered.
    virtual void wakeAt(qint64 wallMs, std::function<void(bool wakes)> answer) = 0;
};

class Autostart {
public:
    enum class Change {
        Done,
        // The entry is one the user wrote, and is left as it is.
        UsersOwn,
        // The program's path cannot stand in an entry that every desktop
        // reads alike: none is written.
        Unnameable,
        Failed
    };
    virtual ~Autostart() = default;
    // Whether the desktop starts this copy of the program with the session:
    // the program's own autostart entry for it, which no desktop is told to
    // skip.
    virtual bool startsWithDesktop() const = 0;
    // Writes the program's own entry, which starts it in the background, or
    // removes it.
    virtual Change setStartsWithDesktop(bool on) = 0;
};

// Everything the program uses, handed to the main window at creation.
struct Platform {
    Clock& clock;
    Cursor& cursor;
    Screens& screens;
    Questions& questions;
    Files& files;
    Text& text;
    Windows& windows;
    Sound& sound;
    Tray& tray;
    Processes& processes;
    Shell& shell;
    Session& session;
    Notifications& notifications;
    Instance& instance;
    Remote& remote;
    Shortcuts& shortcuts;
    Power& power;
    Autostart& autostart;
};

// One object that is the whole desktop, as both the real one and the fake are.
class Desktop : public Clock,
                public Cursor,
                public Screens,
                public Questions,
                public Files,
                public Text,
                public Windows,
                public Sound,
                public Tray,
                public Processes,
                public Shell,
                public Session,
                public Notifications,
                public Instance,
                public Remote,
                public Shortcuts,
                public Power,
                public Autostart {
public:
    Platform interfaces() {
        return {*this, *this, *this, *this, *this, *this, *this, *this, *this,
                *this, *this, *this, *this, *this, *this, *this, *this, *this};
    }
};

} // namespace platform
