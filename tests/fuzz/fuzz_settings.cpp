// Any bytes at all in "prefs.qbx" and "pprefs.qbx": the program loads them
// without failing, and a save after no change by the user gives back every
// line it does not own byte for byte (the slots' without line separators),
// and line 0 from position 10 on.
//
// The input is the content of "prefs.qbx", optionally followed by a line
// "=====" and the content of "pprefs.qbx".
#include "FuzzApplication.h"
#include "FuzzMain.h"
#include "app/Unit1.h"
#include "platform/FakePlatform.h"
#include "settings/Prefs.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace {

// The lines of a file as bytes, by the rules the program reads them with.
QList<QByteArray> ByteLines(const QByteArray& bytes, bool& finalBreak) {
    QList<QByteArray> lines;
    qsizetype start = 0;
    finalBreak = false;
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n')
            continue;
        lines.append(bytes.mid(start, i - start));
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < bytes.size())
        lines.append(bytes.mid(start));
    else
        finalBreak = !lines.isEmpty();
    return lines;
}

void Fail(const char* what) {
    std::fprintf(stderr, "settings round trip: %s\n", what);
    std::abort();
}

struct Program {
    Program() {
        StartOffscreenApplication();
        desktop.executableDir = folder.path();
        form = new TAForm1(desktop.Interfaces());
    }
    QTemporaryDir folder;
    platform::FakePlatform desktop;
    TAForm1* form;
};

void Store(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        Fail("cannot write the input");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static Program program;
    const QByteArray input(reinterpret_cast<const char*>(data), qsizetype(size));
    const qsizetype split = input.indexOf("\n=====\n");
    const QByteArray prefs = split < 0 ? input : input.left(split);
    const QDir folder(program.folder.path());
    Store(folder.filePath("prefs.qbx"), prefs);
    if (split < 0)
        QFile::remove(folder.filePath("pprefs.qbx"));
    else
        Store(folder.filePath("pprefs.qbx"), input.mid(split + 7));

    TAForm1& form = *program.form;
    form.State.AlarmTimeChanged = false;
    if (!Guard([&] { form.InitializeParameters(QStringLiteral("PgmStart")); }))
        Fail("the load failed");
    if (!Guard([&] { form.InitializeParameters(QStringLiteral("ParmUpdate")); }))
        Fail("the save failed");
    // A file without a single line counts as no file: the defaults go in.
    if (DecodeText(prefs).text.isEmpty())
        return 0;

    QFile written(folder.filePath("prefs.qbx"));
    if (!written.open(QIODevice::ReadOnly))
        Fail("no file after the save");
    const QByteArray after = written.readAll();
    bool breakBefore = false;
    bool breakAfter = false;
    const QList<QByteArray> old = ByteLines(prefs, breakBefore);
    const QList<QByteArray> now = ByteLines(after, breakAfter);
    if (now.size() < old.size())
        Fail("lines were lost");
    // Slot lines lose their line separators, nothing else.
    const TextEncoding encoding = DecodeText(prefs).encoding;
    for (qsizetype i = 1; i < old.size(); ++i) {
        const bool slotLine = i <= 10;
        if (slotLine ? DecodeAs(now[i], encoding) != SingleLineMessage(DecodeAs(old[i], encoding))
                     : now[i] != old[i])
            Fail("a line changed");
    }
    if (old.size() >= 15 && (now.size() != old.size() || breakAfter != breakBefore))
        Fail("the file's shape changed");
    // Line 0 is the program's up to position 9, the rest the file's.
    const QString oldFlags = DecodeAs(old.value(0), encoding);
    const QString newFlags = DecodeAs(now.value(0), encoding);
    const QList<uint> oldCharacters = oldFlags.toUcs4();
    const QList<uint> newCharacters = newFlags.toUcs4();
    if (newCharacters.size() != qMax<qsizetype>(9, oldCharacters.size()))
        Fail("the option flags changed length");
    if (oldCharacters.size() > 9 && newCharacters.mid(9) != oldCharacters.mid(9))
        Fail("the option flags lost their tail");
    return 0;
}
