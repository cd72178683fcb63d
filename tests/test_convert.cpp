// SPDX-License-Identifier: GPL-3.0-or-later
// The conversions of user-written text, the line rules of the stores, and
// the command line.
#include "cli/CommandLine.h"
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
    // "version", "error".
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
    row("--autostart on and off", {"--autostart", "on", "--autostart", "off"},
        {"run", "autostart 1", "autostart 0"});
    row("--autostart maybe", {"--autostart", "maybe"}, {"error"});
    row("an unknown option", {"--start-all"}, {"error"});
    row("a stray argument", {"3"}, {"error"});
    row("Qt's own options", {"-platform", "xcb", "-display", ":1"}, {"run"});
    row("--help before anything wrong", {"--help", "--start", "99"}, {"help"});
    row("--help alone", {"--help"}, {"help"});
    row("--version", {"--version"}, {"version"});
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
    case Command::Kind::Error:
        got << QStringLiteral("error");
        // A wrong argument is named, and the usage follows.
        QVERIFY(command.text.contains(QStringLiteral("Usage:")));
        break;
    }
    if (command.background)
        got << QStringLiteral("background");
    using A = Command::Act;
    const QHash<A, QString> names{
        {A::Show, "show"},     {A::Start, "start"}, {A::Stop, "stop"},
        {A::Quick, "quick"},   {A::Quit, "quit"},   {A::Autostart, "autostart"},
        {A::Snooze, "snooze"}, {A::Again, "again"}, {A::Acknowledge, "acknowledge"}};
    for (const Command::Action& action : command.actions) {
        const QString act = names.value(action.act);
        got << (action.number || action.act == Command::Act::Autostart
                    ? act + u' ' + QString::number(action.number)
                    : act);
    }
    QCOMPARE(got, parsed);
}
