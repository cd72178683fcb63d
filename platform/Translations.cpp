// SPDX-License-Identifier: GPL-3.0-or-later
#include "Translations.h"

#include "core/Log.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace platform {

namespace {

// Read once for the run, whichever application object they serve.
struct Loaded {
    QString language;
    QStringList languages;
    QString folder;
    std::unique_ptr<QTranslator> program;
    std::unique_ptr<QTranslator> qt;
};

Loaded& loaded() {
    static Loaded once;
    return once;
}

// The names a language's catalogue may have, the most precise first:
// "pt-BR" gives pt_BR and pt.
QStringList namesFor(const QString& language) {
    QString name = language;
    name.replace(u'-', u'_');
    QStringList names{name};
    // A script ("zh-Hans-CN") is not part of a catalogue's name.
    const QStringList parts = name.split(u'_');
    if (parts.size() == 3)
        names << parts[0] + u'_' + parts[2];
    if (parts.size() > 1)
        names << parts[0];
    return names;
}

void choose(Loaded& chosen, const QStringList& languages, const QString& folder) {
    chosen.languages = languages;
    chosen.folder = folder;
    chosen.program.reset();
    chosen.qt.reset();
    chosen.language.clear();
    for (const QString& language : languages) {
        // The program's own language: nothing to load, and no other wins.
        // The developers' pseudo-language is English marked, from a
        // catalogue of its own.
        const bool english =
            language == QLatin1String("C") ||
            (language.startsWith(QLatin1String("en")) && language != QLatin1String("en-XA"));
        if (english)
            return;
        for (const QString& name : namesFor(language)) {
            const QString file = QDir(folder).filePath(QStringLiteral("quorbel_%1.qm").arg(name));
            if (!QFile::exists(file))
                continue;
            auto program = std::make_unique<QTranslator>();
            if (!program->load(file) || program->isEmpty()) {
                qCDebug(lcQuorbel, "the catalogue %s cannot be read: the program speaks English",
                        qUtf8Printable(file));
                return;
            }
            chosen.program = std::move(program);
            chosen.language = name;
            auto qt = std::make_unique<QTranslator>();
            // Qt's own words; a language Qt lacks keeps Qt's English.
            if (qt->load(QStringLiteral("qtbase_") + name,
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
                chosen.qt = std::move(qt);
            return;
        }
    }
    if (!languages.isEmpty())
        qCDebug(lcQuorbel, "no catalogue for %s: the program speaks English",
                qUtf8Printable(languages.join(u' ')));
}

} // namespace

QString installTranslations(const QStringList& languages, const QString& folder) {
    Loaded& chosen = loaded();
    if (!chosen.program || chosen.languages != languages || chosen.folder != folder)
        choose(chosen, languages, folder);
    for (QTranslator* translator : {chosen.qt.get(), chosen.program.get()}) {
        if (translator)
            QCoreApplication::installTranslator(translator);
    }
    return chosen.language;
}

QString installTranslations() {
    return installTranslations(QLocale::system().uiLanguages());
}

QString translateEarly(const char* context, const char* text) {
    Loaded& chosen = loaded();
    if (chosen.languages.isEmpty())
        choose(chosen, QLocale::system().uiLanguages(), kCatalogues);
    const QString translated =
        chosen.program ? chosen.program->translate(context, text) : QString();
    return translated.isEmpty() ? QString::fromUtf8(text) : translated;
}

} // namespace platform
