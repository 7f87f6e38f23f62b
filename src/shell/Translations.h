#pragma once

#include <QString>
#include <QStringList>

namespace quillet {

// Which language the windows speak, and Qt's translators for it.
class Translations {
  public:
    // The languages the program ships besides English.
    static const QStringList& shipped();
    // The first of `wanted` (BCP 47 or POSIX names, best first) that the program speaks:
    // a shipped code, or "" for English. English or C ends the search, as does a language
    // the program does not ship only when nothing better follows.
    static QString choose(const QStringList& wanted);
    // Installs the program's and Qt's own translations for `language` ("" = English, none),
    // replacing any installed before.
    static void install(const QString& language);
    static void remove();
    // The language installed last: "" while the windows speak English.
    static QString current();
};

}  // namespace quillet
