#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace toolkit {

Translations::Translations(const QString& program) {
    const QLocale locale;
    const QString beside = QCoreApplication::applicationDirPath() + QStringLiteral("/translations");
    for (const QString& folder : {QLibraryInfo::path(QLibraryInfo::TranslationsPath), beside})
        if (qt_.load(locale, QStringLiteral("qtbase"), QStringLiteral("_"), folder)) {
            QCoreApplication::installTranslator(&qt_);
            break;
        }
    if (own_.load(locale, program, QStringLiteral("_"), QStringLiteral(":/i18n")))
        QCoreApplication::installTranslator(&own_);
}

Translations::~Translations() {
    QCoreApplication::removeTranslator(&own_);
    QCoreApplication::removeTranslator(&qt_);
}

} // namespace toolkit
