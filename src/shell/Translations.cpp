#include "shell/Translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

namespace quillet {

namespace {
std::unique_ptr<QTranslator>& ownTranslator() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}
QString& currentLanguage() {
    static QString language;
    return language;
}
std::unique_ptr<QTranslator>& qtTranslator() {
    static std::unique_ptr<QTranslator> translator;
    return translator;
}
}  // namespace

const QStringList& Translations::shipped() {
    static const QStringList languages = {QStringLiteral("de"), QStringLiteral("fr"),
                                          QStringLiteral("es")};
    return languages;
}

QString Translations::choose(const QStringList& wanted) {
    for (const QString& name : wanted) {
        // "de-DE", "de_DE.UTF-8", "de": the language is what comes before the region.
        const QString language = name.section(QLatin1Char('.'), 0, 0)
                                     .section(QLatin1Char('_'), 0, 0)
                                     .section(QLatin1Char('-'), 0, 0)
                                     .toLower();
        if (language == u"en" || language == u"c" || language == u"posix") return {};
        if (shipped().contains(language)) return language;
    }
    return {};
}

void Translations::install(const QString& language) {
    remove();
    if (language.isEmpty()) return;
    auto own = std::make_unique<QTranslator>();
    if (own->load(QStringLiteral(":/i18n/quillet_") + language)) {
        QCoreApplication::installTranslator(own.get());
        ownTranslator() = std::move(own);
        currentLanguage() = language;
    }
    // Qt's own dialogs and buttons, from the system's copy of Qt's translations.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qt_") + language,
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt.get());
        qtTranslator() = std::move(qt);
    }
}

void Translations::remove() {
    for (auto* slot : {&ownTranslator(), &qtTranslator()}) {
        if (*slot) QCoreApplication::removeTranslator(slot->get());
        slot->reset();
    }
    currentLanguage().clear();
}

QString Translations::current() {
    return currentLanguage();
}

}  // namespace quillet
