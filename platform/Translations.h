// SPDX-License-Identifier: GPL-3.0-or-later
// The user's language: the program's catalogue, built in, and Qt's own for
// its standard buttons and the command line's "Usage:", installed on the
// application object that exists.
#pragma once

#include <QString>
#include <QStringList>

namespace platform {

// Where the program's catalogues are built in.
inline const QString kCatalogues = QStringLiteral(":/i18n");

// Installs the catalogues for the first of languages (as
// QLocale::uiLanguages names them: "pt-BR", "de") that the program speaks,
// English, the program's own, ending the search. Call again on a later
// application object; the catalogues are read once. One that is missing or
// damaged leaves English, with a line in the debug log. Gives the language
// chosen ("de", "pt_BR"; empty for English).
QString installTranslations(const QStringList& languages, const QString& folder = kCatalogues);
// The same for the languages the session names.
QString installTranslations();
// A text marked with QT_TRANSLATE_NOOP, in the session's language, also
// where no application object exists yet (Qt failing to open the display).
QString translateEarly(const char* context, const char* text);

} // namespace platform
