#include "app/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

QtTranslations::QtTranslations() {
    const QString folder = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (m_qtbase.load(QLocale(QLocale::Spanish), QStringLiteral("qtbase"), QStringLiteral("_"),
                      folder))
        m_installed = QCoreApplication::installTranslator(&m_qtbase);
}

QtTranslations::~QtTranslations() {
    if (m_installed)
        QCoreApplication::removeTranslator(&m_qtbase);
}
