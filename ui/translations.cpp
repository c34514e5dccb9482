// SPDX-FileCopyrightText: 2026 The Corvelle developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace corvelle {

namespace {

QTranslator& gameTexts() {
    static QTranslator translator;
    return translator;
}

QTranslator& qtTexts() {
    static QTranslator translator;
    return translator;
}

// "de_DE" and "de" for "de-DE"; nothing for English or the C locale.
QStringList candidates(const QString& uiLanguage) {
    QString name = uiLanguage;
    name.replace(QLatin1Char('-'), QLatin1Char('_'));
    const QString language = name.section(QLatin1Char('_'), 0, 0);
    if (language == QLatin1String("en") || language == QLatin1String("C") || language.isEmpty()) {
        return {};
    }
    return name == language ? QStringList{name} : QStringList{name, language};
}

} // namespace

QStringList translationDirectories() {
    const QDir program(QCoreApplication::applicationDirPath());
    return {program.filePath(QStringLiteral("translations")),
            QDir::cleanPath(program.filePath(QStringLiteral("../share/corvelle/translations")))};
}

QString useLanguageOf(const QLocale& locale) {
    QCoreApplication::removeTranslator(&gameTexts());
    QCoreApplication::removeTranslator(&qtTexts());
    for (const QString& uiLanguage : locale.uiLanguages()) {
        const QStringList names = candidates(uiLanguage);
        if (names.isEmpty()) {
            return {};
        }
        for (const QString& name : names) {
            for (const QString& directory : translationDirectories()) {
                if (gameTexts().load(QStringLiteral("corvelle_") + name, directory)) {
                    QCoreApplication::installTranslator(&gameTexts());
                    if (qtTexts().load(QStringLiteral("qtbase_") + name,
                                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
                        QCoreApplication::installTranslator(&qtTexts());
                    }
                    return gameTexts().language();
                }
            }
        }
    }
    return {};
}

} // namespace corvelle
