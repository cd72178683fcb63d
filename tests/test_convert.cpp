// SPDX-License-Identifier: GPL-3.0-or-later
// The conversions of user-written text, the line rules of the stores, and
// the command line.
#include "cli/CommandLine.h"
#include "cli/StateText.h"
#include "core/Convert.h"
#include "core/LineList.h"

#include <QtTest>

class ConvertTest : public QObject {
    Q_OBJECT
private slots:
    void wholeNumbers_data();
    void wholeNumbers();
    void timeTextWritten_data();
    void timeTextWritten();
    void timeTextRead_data();
    void timeTextRead();
    void patterns();
    void lineListRead_data();
    void lineListRead();
    void lineListEdits();
    void commandLine_data();
    void commandLine();
    void panelLines_data();
    void panelLines();
};

void ConvertTest::wholeNumbers_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<int>("value");

    QTest::newRow("plain") << "930" << true << 930;
    QTest::newRow("leading zero") << "0930" << true << 930;
    QTest::newRow("leading blanks") << "  930" << true << 930;
    QTest::newRow("plus") << "+5" << true << 5;
    QTest::newRow("minus") << "-17" << true << -17;
    QTest::newRow("dollar hex") << "$1F" << true << 31;
    QTest::newRow("0x hex") << "0x1f" << true << 31;
    QTest::newRow("signed hex") << "-$10" << true << -16;
    QTest::newRow("hex all bits") << "$FFFFFFFF" << true << -1;
    QTest::newRow("largest") << "2147483647" << true << 2147483647;
    QTest::newRow("smallest") << "-2147483648" << true << int(-2147483647 - 1);
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("blank only") << "   " << false << 0;
    QTest::newRow("sign only") << "-" << false << 0;
    QTest::newRow("dollar only") << "$" << false << 0;
    QTest::newRow("trailing blank") << "930 " << false << 0;
    QTest::newRow("letters") << "09a0" << false << 0;
    QTest::newRow("tab before") << "\t930" << false << 0;
    QTest::newRow("too large") << "2147483648" << false << 0;
    QTest::newRow("hex too large") << "$100000000" << false << 0;
    QTest::newRow("bracketed") << "[0930]" << false << 0;
    QTest::newRow("arabic digits") << QString::fromUtf8("\u0661\u0662") << false << 0;
}

void ConvertTest::wholeNumbers() {
    QFETCH(QString, text);
    QFETCH(bool, valid);
    QFETCH(int, value);
    if (valid)
        QCOMPARE(strToInt(text), value);
    else
        QVERIFY_THROWS_EXCEPTION(EConvertError, strToInt(text));
}

void ConvertTest::timeTextWritten_data() {
    QTest::addColumn<QTime>("time");
    QTest::addColumn<QString>("text");

    QTest::newRow("morning") << QTime(9, 30, 0) << "9:30:00 AM";
    QTest::newRow("midnight") << QTime(0, 0, 0) << "12:00:00 AM";
    QTest::newRow("noon") << QTime(12, 1, 30) << "12:01:30 PM";
    QTest::newRow("evening") << QTime(22, 30, 5) << "10:30:05 PM";
    QTest::newRow("last second") << QTime(23, 59, 59) << "11:59:59 PM";
}

void ConvertTest::timeTextWritten() {
    QFETCH(QTime, time);
    QFETCH(QString, text);
    QCOMPARE(timeToStr(time), text);
    QCOMPARE(strToTime(text), time);
}

void ConvertTest::timeTextRead_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QTime>("time");

    // What the message editor builds from a saved slot line: "12:" + hh:mm.
    QTest::newRow("editor") << "12:01:30" << QTime(12, 1, 30);
    QTest::newRow("no seconds") << "7:05" << QTime(7, 5, 0);
    QTest::newRow("24-hour") << "17:45:00" << QTime(17, 45, 0);
    QTest::newRow("lower-case designator") << "7:30:00 pm" << QTime(19, 30, 0);
    QTest::newRow("12 AM") << "12:15:00 AM" << QTime(0, 15, 0);
    QTest::newRow("surrounding blanks") << " 7:30:00 AM " << QTime(7, 30, 0);
    QTest::newRow("empty") << "" << QTime();
    QTest::newRow("minutes above 59") << "12:75:00" << QTime();
    QTest::newRow("hour 24") << "24:00:00" << QTime();
    QTest::newRow("13 PM") << "13:00:00 PM" << QTime();
    QTest::newRow("0 AM") << "0:30:00 AM" << QTime();
    QTest::newRow("letters") << "12:ab:00" << QTime();
    QTest::newRow("one field") << "12" << QTime();
    QTest::newRow("four fields") << "1:2:3:4" << QTime();
    QTest::newRow("empty field") << "12::00" << QTime();
}

void ConvertTest::timeTextRead() {
    QFETCH(QString, text);
    QFETCH(QTime, time);
    if (time.isValid())
        QCOMPARE(strToTime(text), time);
    else
        QVERIFY_THROWS_EXCEPTION(EConvertError, strToTime(text));
}

void ConvertTest::patterns() {
    QCOMPARE(hhmmOf(QTime(9, 30)), QStringLiteral("0930"));
    QCOMPARE(hhmmOf(QTime(0, 5)), QStringLiteral("0005"));
    QCOMPARE(hhmmOf(QTime(23, 59, 59)), QStringLiteral("2359"));
}

void ConvertTest::lineListRead_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QString>("written");

    QTest::newRow("empty") << "" << QStringList() << "";
    QTest::newRow("one line, no end") << "abc" << QStringList{"abc"} << "abc";
    QTest::newRow("CR LF") << "a\r\nb\r\n" << QStringList{"a", "b"} << "a\r\nb\r\n";
    QTest::newRow("lone LF") << "a\nb\n" << QStringList{"a", "b"} << "a\r\nb\r\n";
    QTest::newRow("lone CR") << "a\rb" << QStringList{"a", "b"} << "a\r\nb";
    QTest::newRow("mixed") << "a\r\nb\nc\rd" << QStringList{"a", "b", "c", "d"}
                           << "a\r\nb\r\nc\r\nd";
    QTest::newRow("LF CR is two ends") << "a\n\rb" << QStringList{"a", "", "b"} << "a\r\n\r\nb";
    QTest::newRow("two final ends") << "a\r\n\r\n" << QStringList{"a", ""} << "a\r\n\r\n";
    QTest::newRow("only an end") << "\n" << QStringList{""} << "\r\n";
}

void ConvertTest::lineListRead() {
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QFETCH(QString, written);
    LineList list;
    list.setText(text);
    QCOMPARE(list.lines(), lines);
    QCOMPARE(list.text(), written);
}

void ConvertTest::lineListEdits() {
    LineList list;
    QCOMPARE(list.line(0), QString());
    // An empty store still has a line 0, and only that one.
    list.setLine(1, QStringLiteral("ignored"));
    QCOMPARE(list.count(), 0);
    list.setLine(0, QStringLiteral("flags"));
    QCOMPARE(list.text(), QStringLiteral("flags"));

    list.setText(QStringLiteral("a\r\nb\r\n"));
    list.setLine(1, QStringLiteral("B"));
    list.setLine(2, QStringLiteral("past the end"));
    list.setLine(-1, QStringLiteral("before the start"));
    QCOMPARE(list.text(), QStringLiteral("a\r\nB\r\n"));
    QCOMPARE(list.line(5), QString());
    QCOMPARE(list.line(-1), QString());
}

QTEST_APPLESS_MAIN(ConvertTest)
#include "test_convert.moc"

void ConvertTest::commandLine_data() {
    QTest::addColumn<QStringList>("arguments");
    // "run" with its actions in order ("start 3", "background"), or "help",
    // "version", "status", "watch", "error: what is wrong".
    QTest::addColumn<QStringList>("parsed");

    const auto row = [](const char* name, const QStringList& arguments, const QStringList& parsed) {
        QTest::newRow(name) << arguments << parsed;
    };
    row("nothing", {}, {"run"});
    row("--start at its bounds", {"--start", "1", "--start", "10"}, {"run", "start 1", "start 10"});
    row("--start 0", {"--start", "0"}, {"error"});
    row("--start 11", {"--start", "11"}, {"error"});
    row("--start no number", {"--start", "x"}, {"error"});
    row("--start without N", {"--start"}, {"error"});
    row("--start=3", {"--start=3"}, {"run", "start 3"});
    row("--quick at its bounds", {"--quick", "1", "--quick", "12"}, {"run", "quick 1", "quick 12"});
    row("--quick 0", {"--quick", "0"}, {"error"});
    row("--quick 13", {"--quick", "13"}, {"error"});
    row("--quick -1", {"--quick", "-1"}, {"error"});
    row("--stop at its bounds", {"--stop", "1", "--stop", "10"}, {"run", "stop 1", "stop 10"});
    row("--stop 0", {"--stop", "0"}, {"error"});
    row("--stop 11", {"--stop", "11"}, {"error"});
    row("--stop alone silences", {"--stop"}, {"run", "acknowledge"});
    row("--stop before another option", {"--stop", "--start", "2"},
        {"run", "acknowledge", "start 2"});
    row("--again at its bounds", {"--again", "1", "--again", "10"}, {"run", "again 1", "again 10"});
    row("--again 0", {"--again", "0"}, {"error"});
    row("--again 11", {"--again", "11"}, {"error"});
    row("in the order given", {"--quick", "3", "--start", "2", "--quick", "4"},
        {"run", "quick 3", "start 2", "quick 4"});
    row("--show --snooze --quit", {"--show", "--snooze", "--quit"},
        {"run", "show", "snooze", "quit"});
    row("--background", {"--background", "--start", "5"}, {"run", "background", "start 5"});
    row("--autostart on and off, in their place",
        {"--start", "1", "--autostart", "on", "--autostart", "off"},
        {"run", "start 1", "autostart 1", "autostart 0"});
    row("--autostart maybe", {"--autostart", "maybe"}, {"error"});
    row("an unknown option", {"--start-all"}, {"error"});
    row("a stray argument", {"3"}, {"error"});
    row("Qt's own options", {"-platform", "xcb", "-display", ":1"}, {"run"});
    row("--help before anything wrong", {"--help", "--start", "99"}, {"help"});
    row("--help alone", {"--help"}, {"help"});
    row("--version", {"--version"}, {"version"});

    // A countdown given its length and message, then started.
    row("--set with a message, then --start", {"--set", "3", "25m", "Pasta", "--start", "3"},
        {"run", "set 3 1500 Pasta", "start 3"});
    row("--set without a message", {"--set", "3", "1:30:15"}, {"run", "set 3 5415"});
    row("--set with an empty message", {"--set", "3", "90s", ""}, {"run", "set 3 90 "});
    row("--set a sum of units", {"--set", "10", "1h30m15s"}, {"run", "set 10 5415"});
    row("--set more minutes than an hour has", {"--set", "1", "100m"}, {"run", "set 1 6000"});
    row("--set the longest", {"--set", "1", "59:59:59"}, {"run", "set 1 215999"});
    row("--set one second", {"--set", "1", "1s"}, {"run", "set 1 1"});
    row("--set 0 5m", {"--set", "0", "5m"}, {"error"});
    row("--set 11 5m", {"--set", "11", "5m"}, {"error"});
    row("--set 3", {"--set", "3"}, {"error"});
    row("--set 3 25: a bare number", {"--set", "3", "25"}, {"error"});
    row("--set 3 25:00: minutes or hours", {"--set", "3", "25:00"}, {"error"});
    row("--set 3 0:99:00", {"--set", "3", "0:99:00"}, {"error"});
    row("--set 3 -5m", {"--set", "3", "-5m"}, {"error"});
    row("--set 3 5x", {"--set", "3", "5x"}, {"error"});
    row("--set 3 0s", {"--set", "3", "0s"}, {"error"});
    row("--set past the longest", {"--set", "3", "60h"}, {"error"});
    row("--set in other digits", {"--set", "\u0663", "5m"}, {"error"});
    row("--set with a length in other digits", {"--set", "3", "\u0665m"}, {"error"});
    row("--set=3 cannot carry a length", {"--set=3"}, {"error"});

    row("--alarm on and off", {"--alarm", "1", "on", "--alarm", "2", "off"},
        {"run", "alarm 1 on", "alarm 2 off"});
    row("--alarm at 7:30", {"--alarm", "1", "7:30"}, {"run", "alarm 1 07:30"});
    row("--alarm at 7:30 PM, one word", {"--alarm", "2", "7:30 PM"}, {"run", "alarm 2 19:30"});
    row("--alarm at 7:30 pm, two words", {"--alarm", "2", "7:30", "pm", "--show"},
        {"run", "alarm 2 19:30", "show"});
    row("--alarm at 12:05 AM", {"--alarm", "1", "12:05 AM"}, {"run", "alarm 1 00:05"});
    row("--alarm at 19:30", {"--alarm", "1", "19:30"}, {"run", "alarm 1 19:30"});
    row("--alarm 3 on", {"--alarm", "3", "on"}, {"error"});
    row("--alarm 1 25:00", {"--alarm", "1", "25:00"}, {"error"});
    row("--alarm 1 13:00 PM", {"--alarm", "1", "13:00 PM"}, {"error"});
    row("--alarm 1 maybe", {"--alarm", "1", "maybe"}, {"error"});
    row("--alarm 1", {"--alarm", "1"}, {"error"});

    row("--status", {"--status"}, {"status"});
    row("--status --json", {"--status", "--json"}, {"status", "json"});
    row("--watch", {"--watch"}, {"watch"});
    row("--watch --plain", {"--watch", "--plain"}, {"watch", "plain"});
    row("--status with an action", {"--status", "--start", "3"}, {"error"});
    row("--json alone", {"--json"}, {"error"});
    row("--plain with --status", {"--status", "--plain"}, {"error"});
    row("--status and --watch", {"--status", "--watch"}, {"error"});
}

void ConvertTest::commandLine() {
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, parsed);
    const Command command = parseCommandLine(QStringList{"quorbel"} + arguments);
    QStringList got;
    switch (command.kind) {
    case Command::Kind::Run:
        got << QStringLiteral("run");
        break;
    case Command::Kind::Help:
        got << QStringLiteral("help");
        break;
    case Command::Kind::Version:
        got << QStringLiteral("version");
        break;
    case Command::Kind::Status:
        got << QStringLiteral("status");
        break;
    case Command::Kind::Watch:
        got << QStringLiteral("watch");
        break;
    case Command::Kind::Error:
        got << QStringLiteral("error");
        // What is wrong, in one line.
        QVERIFY2(!command.text.isEmpty() && !command.text.contains(u'\n'),
                 qPrintable(command.text));
        break;
    }
    if (command.background)
        got << QStringLiteral("background");
    if (command.json)
        got << QStringLiteral("json");
    if (command.plain)
        got << QStringLiteral("plain");
    using A = Command::Act;
    const QHash<A, QString> names{
        {A::Show, "show"},     {A::Start, "start"}, {A::Stop, "stop"},
        {A::Quick, "quick"},   {A::Quit, "quit"},   {A::Autostart, "autostart"},
        {A::Snooze, "snooze"}, {A::Again, "again"}, {A::Acknowledge, "acknowledge"},
        {A::Set, "set"},       {A::Alarm, "alarm"}};
    for (const Command::Action& action : command.actions) {
        QString said = names.value(action.act);
        if (action.number || action.act == A::Autostart)
            said += u' ' + QString::number(action.number);
        if (action.act == A::Set)
            said += u' ' + QString::number(action.seconds) +
                    (action.message ? u' ' + *action.message : QString());
        if (action.on)
            said += *action.on ? QStringLiteral(" on") : QStringLiteral(" off");
        if (action.time)
            said += u' ' + action.time->toString(QStringLiteral("HH:mm"));
        got << said;
    }
    QCOMPARE(got, parsed);
}

void ConvertTest::panelLines_data() {
    QTest::addColumn<QByteArray>("document");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("cssClass");
    QTest::addColumn<int>("percentage");
    QTest::addColumn<bool>("counting");

    // At 12:00:00 UTC.
    const auto timer = [](const char* kind, const char* state, const char* due, int length,
                          const char* message) {
        return QByteArray(R"({"timers":[{"number":2,"kind":")") + kind + R"(","state":")" + state +
               R"(","due":")" + due + R"(","length":)" + QByteArray::number(length) +
               R"(,"message":")" + message + R"("}]})";
    };
    QTest::newRow("no copy runs") << QByteArray() << ""
                                  << "idle" << 0 << false;
    QTest::newRow("nothing runs") << QByteArray("{}") << ""
                                  << "idle" << 0 << false;
    QTest::newRow("a countdown, its box at 1:00")
        << timer("countdown", "running", "2026-12-07T12:01:01.000Z", 240, "Tea") << "Tea 1:00"
        << "last-minute" << 75 << true;
    QTest::newRow("a minute and a second to go")
        << timer("countdown", "running", "2026-12-07T12:01:02.000Z", 240, "Tea") << "Tea 1:01"
        << "running" << 75 << true;
    QTest::newRow("a quick timer of a minute and a half")
        << timer("quick", "running", "2026-12-07T12:01:00.000Z", 90, "") << "Quick timer 1:30 1:00"
        << "last-minute" << 34 << true;
    QTest::newRow("ringing") << timer("countdown", "ringing", "2026-12-07T11:59:00.000Z", 240, "")
                             << "Timer 2 ringing"
                             << "ringing" << 100 << false;
}

// What a panel bar shows of the running copy's state, at 12:00.
void ConvertTest::panelLines() {
    QFETCH(QByteArray, document);
    QFETCH(QString, text);
    QFETCH(QString, cssClass);
    QFETCH(int, percentage);
    QFETCH(bool, counting);
    const PanelLine line = panelLine(
        document, QDateTime(QDate(2026, 12, 7), QTime(12, 0), Qt::UTC).toMSecsSinceEpoch());
    QCOMPARE(line.text, text);
    QCOMPARE(line.cssClass, cssClass);
    QCOMPARE(line.percentage, percentage);
    QCOMPARE(line.counting, counting);
    // As waybar reads it.
    const QJsonObject json = QJsonDocument::fromJson(waybarJson(line)).object();
    QCOMPARE(json.keys(), (QStringList{"class", "percentage", "text", "tooltip"}));
    QCOMPARE(json.value("text").toString(), text);
}
