// SPDX-License-Identifier: GPL-3.0-or-later
// Any bytes at all in "prefs.qbx" and "pprefs.qbx": the program loads them
// without failing, and a save after no change by the user gives back every
// line it does not own as it was (the slots' without line separators), and
// line 0 from position 10 on.
//
// The input is the content of "prefs.qbx", optionally followed by a line
// "=====" and the content of "pprefs.qbx".
#include "FuzzApplication.h"
#include "FuzzMain.h"
#include "app/Quorbel.h"
#include "models/Prefs.h"
#include "platform/FakePlatform.h"
#include "window/MainWindow.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace {

void fail(const char* what) {
    std::fprintf(stderr, "settings round trip: %s\n", what);
    std::abort();
}

struct Program {
    Program() {
        startOffscreenApplication();
        desktop.executableFolder = folder.path();
        // A portable folder, as the build makes one, so that every file
        // stays in it.
        QFile presets(QDir(folder.path()).filePath("pprefs.qbx"));
        presets.open(QIODevice::WriteOnly);
        presets.close();
        form = new MainWindow(desktop.interfaces());
        root = new Quorbel(desktop.interfaces(), *form);
    }
    QTemporaryDir folder;
    platform::FakePlatform desktop;
    MainWindow* form;
    Quorbel* root;
};

void store(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        fail("cannot write the input");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Program program;
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    const qsizetype split = input.indexOf("\n=====\n");
    const QByteArray prefs = split < 0 ? input : input.left(split);
    const QDir folder(program.folder.path());
    store(folder.filePath("prefs.qbx"), prefs);
    if (split < 0)
        QFile::remove(folder.filePath("pprefs.qbx"));
    else
        store(folder.filePath("pprefs.qbx"), input.mid(split + 7));

    SettingsFile& settings = *program.root->findChild<SettingsFile*>();
    program.root->findChild<AlarmPanel*>()->saved();
    if (!guard([&] { settings.load(); }))
        fail("the load failed");
    if (!guard([&] { settings.saveSettings(false); }))
        fail("the save failed");
    // A file without a single line counts as no file: the defaults go in.
    if (decodeText(prefs).text.isEmpty())
        return 0;

    QFile written(folder.filePath("prefs.qbx"));
    if (!written.open(QIODevice::ReadOnly))
        fail("no file after the save");
    // Compared as text: a file the program could read in its encoding is
    // written back in it, and what it holds is what counts.
    LineList old;
    old.setBytes(prefs);
    const QByteArray after = written.readAll();
    LineList now;
    now.setBytes(after);
    if (after != encodeText(now.text(), old.encoding()))
        fail("the file left its encoding");
    if (now.count() < old.count())
        fail("lines were lost");
    // Slot lines lose their line separators, nothing else.
    for (int i = 1; i < old.count(); ++i) {
        if (now.line(i) != (i <= 10 ? singleLineMessage(old.line(i)) : old.line(i)))
            fail("a line changed");
    }
    if (old.count() >= 15 &&
        (now.count() != old.count() || now.endsWithLineBreak() != old.endsWithLineBreak()))
        fail("the file's shape changed");
    // Line 0 is the program's up to position 9, the rest the file's.
    const QList<uint> oldCharacters = old.line(0).toUcs4();
    const QList<uint> newCharacters = now.line(0).toUcs4();
    if (newCharacters.size() != qMax<qsizetype>(9, oldCharacters.size()))
        fail("the option flags changed length");
    if (oldCharacters.size() > 9 && newCharacters.mid(9) != oldCharacters.mid(9))
        fail("the option flags lost their tail");
    return 0;
}
