// SPDX-License-Identifier: GPL-3.0-or-later
// The program in the user's language. The catalogue chosen for the session's
// languages, English ending the search and a missing or damaged one leaving
// English; and, in the developers' pseudo-language, where each text is
// marked at both ends, every text of the window, its menus, dialogs,
// notifications and the command line's help marked: what is not is a text
// that escaped translation, unless it is data.
#include "FormFixture.h"
#include "alerts/AlertOptionsDialog.h"
#include "alerts/AlertTuner.h"
#include "cli/CommandLine.h"
#include "platform/QtPlatform.h"
#include "platform/Translations.h"
#include "scheduler/ScheduleDialog.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QMenu>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>
#include <memory>

namespace {

const QString kPseudo = QStringLiteral(":/i18n/quorbel_en_XA.qm");

bool marked(const QString& text) {
    return text.startsWith(u'\x27ea') && text.endsWith(u'\x27eb');
}

// What the program shows as it is in every language: times, numbers, the
// dial's AM and PM, the program's name, what the test itself typed.
bool data(const QString& text) {
    static const QRegularExpression shown(
        QStringLiteral("^([-0-9:.+ \\x{2190}-\\x{21ff}]*|AM|PM|Quorbel|Tea|00:05:00Tea)$"));
    return shown.match(text).hasMatch();
}

} // namespace

class LanguagesTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void choosesTheCatalogue_data();
    void choosesTheCatalogue();
    void pseudoLanguageMarksEveryText();
    void everyLetterInItsFace_data();
    void everyLetterInItsFace();
    void filesTheSameInEveryLanguage_data();
    void filesTheSameInEveryLanguage();

private:
    std::unique_ptr<platform::FakePlatform> desktop;
    std::unique_ptr<Form> form;
    QStringList unmarked;
    int markedSeen = 0;

    void look(const QString& where, const QString& text) {
        markedSeen += marked(text);
        if (!text.isEmpty() && !marked(text) && !data(text))
            unmarked << where + QStringLiteral(": ") + text;
    }
    // Every text a widget and those within show, tell a reader or tip.
    void lookAt(QWidget* top) {
        QList<QWidget*> widgets = top->findChildren<QWidget*>();
        widgets.prepend(top);
        for (QWidget* widget : std::as_const(widgets)) {
            const QString where = widget->objectName().isEmpty()
                                      ? QString::fromLatin1(widget->metaObject()->className())
                                      : widget->objectName();
            if (widget->isWindow())
                look(where + QStringLiteral(" title"), widget->windowTitle());
            look(where + QStringLiteral(" tip"), widget->toolTip());
            look(where + QStringLiteral(" name"), widget->accessibleName());
            look(where + QStringLiteral(" description"), widget->accessibleDescription());
            if (auto* label = qobject_cast<QLabel*>(widget))
                look(where, label->text());
            if (auto* button = qobject_cast<QAbstractButton*>(widget))
                look(where, button->text());
            if (auto* box = qobject_cast<QComboBox*>(widget)) {
                for (int i = 0; i < box->count(); ++i)
                    look(where, box->itemText(i));
            }
            if (auto* menu = qobject_cast<QMenu*>(widget)) {
                // A menu kept from the design that no one is shown.
                if (!menu->menuAction()->isVisible())
                    continue;
                look(where, menu->title());
                for (QAction* action : menu->actions()) {
                    if (!action->isVisible())
                        continue;
                    look(where, action->text());
                    if (action->toolTip() != action->text())
                        look(where + QStringLiteral(" tip"), action->toolTip());
                }
            }
        }
    }
};

void LanguagesTest::cleanup() {
    form.reset();
    desktop.reset();
    // English again for the next: the pseudo-language's translators go.
    platform::installTranslations({QStringLiteral("C")});
}

void LanguagesTest::choosesTheCatalogue_data() {
    QTest::addColumn<QStringList>("languages");
    // The catalogues in the folder; "!" marks one that cannot be read.
    QTest::addColumn<QStringList>("catalogues");
    QTest::addColumn<QString>("chosen");
    const QStringList shipped{"de", "fr", "pt_BR", "zh_CN"};
    QTest::newRow("German") << QStringList{"de", "de-Latn-DE", "de-DE"} << shipped << "de";
    QTest::newRow("Brazilian before German")
        << QStringList{"pt-BR", "pt-Latn-BR", "pt", "de"} << shipped << "pt_BR";
    QTest::newRow("Chinese with its script")
        << QStringList{"zh-CN", "zh-Hans-CN", "zh"} << shipped << "zh_CN";
    QTest::newRow("French of Canada: French") << QStringList{"fr-CA", "fr"} << shipped << "fr";
    QTest::newRow("Portuguese of Portugal is not Brazil's")
        << QStringList{"pt-PT", "pt"} << shipped << "";
    QTest::newRow("English first, German after") << QStringList{"en-GB", "de"} << shipped << "";
    QTest::newRow("a language not shipped, then German")
        << QStringList{"eo", "de"} << shipped << "de";
    QTest::newRow("the C locale") << QStringList{"C"} << shipped << "";
    QTest::newRow("German damaged: English, not French")
        << QStringList{"de", "fr"} << QStringList{"!de", "fr"} << "";
}

void LanguagesTest::choosesTheCatalogue() {
    QFETCH(QStringList, languages);
    QFETCH(QStringList, catalogues);
    QFETCH(QString, chosen);
    QTemporaryDir folder;
    for (const QString& catalogue : std::as_const(catalogues)) {
        const QString path =
            folder.filePath(QStringLiteral("quorbel_%1.qm").arg(catalogue.section(u'!', -1)));
        if (catalogue.startsWith(u'!')) {
            QFile damaged(path);
            QVERIFY(damaged.open(QIODevice::WriteOnly));
            damaged.write("not a catalogue");
        } else {
            QVERIFY(QFile::copy(kPseudo, path));
        }
    }
    QCOMPARE(platform::installTranslations(languages, folder.path()), chosen);
    // What a text reads then: marked where a catalogue was installed.
    QCOMPARE(marked(QCoreApplication::translate("DesktopShortcuts", "Show Quorbel")),
             !chosen.isEmpty());
}

void LanguagesTest::pseudoLanguageMarksEveryText() {
    QCOMPARE(platform::installTranslations({QStringLiteral("en-XA")}), QStringLiteral("en_XA"));
    desktop = std::make_unique<platform::FakePlatform>();
    form = std::make_unique<Form>(desktop->interfaces());
    form->showCentred();
    QVERIFY(QTest::qWaitForWindowActive(form.get()));
    // A countdown ringing: its notification, and the window as it rings.
    form->settings().prefs().setLine(3, QStringLiteral("00:05:00Tea"));
    form->timersModel().readSaved();
    QTest::mouseClick(form->slotButton(3), Qt::LeftButton, {}, QPoint(5, 5));
    form->tick();
    form->timersModel().expire(3);
    lookAt(form.get());
    for (auto notice = desktop->notifications.cbegin(); notice != desktop->notifications.cend();
         ++notice) {
        look(QStringLiteral("notification"), notice.value().section(u'|', 1));
        for (const auto& choice : desktop->notificationActions.value(notice.key()))
            look(QStringLiteral("notification action"), choice.text);
    }
    QTest::keyClick(form.get(), Qt::Key_Return);

    QTest::mouseClick(form->openAlarmHalfButton, Qt::LeftButton, {}, QPoint(5, 5));
    lookAt(form.get());
    QTest::mousePress(form->slotButton(1), Qt::RightButton, {}, QPoint(5, 5));
    form->editMessageItem->trigger();
    lookAt(form.get());
    ScheduleDialog& schedule = *form->part<Scheduler>().createDialog();
    lookAt(&schedule);
    QTimer::singleShot(0, this, [this] {
        AlertOptionsDialog* dialog = form->part<AlertTuner>().dialog();
        lookAt(dialog);
        dialog->reject();
    });
    form->slotAlertOptionsItem->trigger();

    // The command line's help: what is left once the marked texts, the
    // options' names and Qt's own lines (from Qt's catalogue) are taken out.
    QString help = parseCommandLine({QStringLiteral("quorbel"), QStringLiteral("--help")}).text;
    for (const char* taken : {"\\x{27ea}.*?\\x{27eb}", "^Usage: .*$", "^Options:$", "^.*--help.*$",
                              "^.*--version.*$", "-{1,2}[a-z][a-z-]*", "[,<>|]"}) {
        help.remove(QRegularExpression(QString::fromLatin1(taken),
                                       QRegularExpression::MultilineOption |
                                           QRegularExpression::DotMatchesEverythingOption));
    }
    look(QStringLiteral("--help"), help.simplified());
    QVERIFY2(unmarked.isEmpty(), qPrintable(unmarked.join(u'\n')));
    // Not a look at nothing: captions, tips, reader names, menus, dialogs.
    QVERIFY2(markedSeen > 150, qPrintable(QString::number(markedSeen)));
}

void LanguagesTest::everyLetterInItsFace_data() {
    QTest::addColumn<QString>("language");
    for (const char* language : {"de", "es", "fr", "it", "pl", "pt_BR", "ru", "zh_CN"})
        QTest::newRow(language) << QString::fromLatin1(language);
}

// Each letter of a catalogue's texts in each face the window draws with,
// as the program chooses them for that language: the window's faces are
// asked for alone, so a letter missing would show as an empty box.
void LanguagesTest::everyLetterInItsFace() {
    QFETCH(QString, language);
    platform::QtPlatform real(nullptr);
    real.loadFonts(true);
    useFacesFor(language);
    const auto restore = qScopeGuard([] { useFacesFor({}); });
    QFile catalogue(QFINDTESTDATA(QStringLiteral("../translations/quorbel_%1.ts").arg(language)));
    QVERIFY(catalogue.open(QIODevice::ReadOnly));
    QSet<char32_t> letters;
    for (QXmlStreamReader ts(&catalogue); !ts.atEnd();) {
        if (ts.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (ts.name() == QLatin1String("translation") ||
            ts.name() == QLatin1String("numerusform")) {
            for (const char32_t letter :
                 ts.readElementText(QXmlStreamReader::IncludeChildElements).toUcs4()) {
                if (!QChar::isSpace(letter))
                    letters.insert(letter);
            }
        }
    }
    for (const auto& [face, height] : {std::pair{"MS Sans Serif", 11},
                                       {"MS Sans Serif", 13},
                                       {"Small Fonts", 8},
                                       {"Tahoma", 11},
                                       {"Arial", 11},
                                       {"Verdana", 11}}) {
        const QFont font = windowFont(QString::fromLatin1(face), height);
        // Each face of the font alone: a letter from a face the program
        // did not choose would be luck.
        QList<QFontMetrics> faces;
        for (const QString& family : font.families()) {
            QFont alone = font;
            alone.setFamilies({family});
            alone.setStyleStrategy(QFont::NoFontMerging);
            faces.append(QFontMetrics(alone));
        }
        QString missing;
        for (const char32_t letter : std::as_const(letters)) {
            if (std::none_of(faces.cbegin(), faces.cend(), [letter](const QFontMetrics& metrics) {
                    return metrics.inFontUcs4(letter);
                }))
                missing += QString::fromUcs4(&letter, 1);
        }
        QVERIFY2(missing.isEmpty(), qPrintable(QStringLiteral("%1 (%2) lacks %3")
                                                   .arg(QFontInfo(font).family(),
                                                        QString::fromLatin1(face), missing)));
    }
}

void LanguagesTest::filesTheSameInEveryLanguage_data() {
    everyLetterInItsFace_data();
}

// A user's settings, loaded, edited as a user edits them and saved under a
// language, are byte for byte what English saves: the placeholder message,
// the dial's AM and PM and the times are the file's, not the language's.
void LanguagesTest::filesTheSameInEveryLanguage() {
    QFETCH(QString, language);
    const QByteArray settings = "110120110000000000000000000000\r\n"
                                "00:10:00Tea\r\n00:00:00Message\r\n00:25:00Message\r\n"
                                "00:00:00Message\r\n00:00:00Message\r\n00:00:00Message\r\n"
                                "00:00:00Message\r\n00:00:00Message\r\n00:00:00Message\r\n"
                                "02:00:00Long one\r\n7:30:00 AM\r\n9:15:00 PM\r\nAM\r\nPM\r\n";
    const auto savedUnder = [&](const QStringList& languages) {
        QTemporaryDir folder;
        const auto write = [&folder](const char* name, const QByteArray& bytes) {
            QFile file(folder.filePath(QLatin1String(name)));
            return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
        };
        if (!write("prefs.qbx", settings) || !write("pprefs.qbx", defaultPprefsText().toLatin1()))
            return QByteArray();
        useFacesFor(platform::installTranslations(languages));
        desktop = std::make_unique<platform::FakePlatform>();
        desktop->executableFolder = folder.path();
        form = std::make_unique<Form>(desktop->interfaces());
        form->realSettings = true;
        form->showCentred();
        if (!QTest::qWaitForWindowActive(form.get()))
            return QByteArray();
        // The placeholder stored again from the editor; the alarm half
        // opened and shut; Sound switched off; the program quit from its
        // button.
        QTest::mousePress(form->slotButton(3), Qt::RightButton, {}, QPoint(5, 5));
        form->editMessageItem->trigger();
        form->editorOkButton->click();
        QTest::mouseClick(form->openAlarmHalfButton, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseClick(form->closeAlarmHalfButton, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseClick(form->soundBox, Qt::LeftButton, {}, QPoint(5, 5));
        form->quitButton->click();
        form.reset();
        useFacesFor({});
        QFile saved(folder.filePath(QStringLiteral("prefs.qbx")));
        return saved.open(QIODevice::ReadOnly) ? saved.readAll() : QByteArray();
    };
    const QByteArray english = savedUnder({QStringLiteral("C")});
    // Saved, not merely left: the Sound box clicked off.
    QVERIFY2(english.startsWith("010120110") && english.contains("00:25:00Message") &&
                 english.contains("9:15:00 PM"),
             english.constData());
    QCOMPARE(savedUnder({language}), english);
}

QTEST_MAIN(LanguagesTest)
#include "test_languages.moc"
