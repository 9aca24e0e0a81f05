#include "app/interface_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// Set once the program installed a translation; until then the table is read as it is.
bool translated = false;

}  // namespace

InterfaceLanguage ChooseInterfaceLanguage(const QLocale& locale) {
    if (locale.language() == QLocale::English) return InterfaceLanguage::English;
    if (locale.language() == QLocale::Chinese &&
        locale.script() == QLocale::SimplifiedHanScript) {
        return InterfaceLanguage::SimplifiedChinese;
    }
    return InterfaceLanguage::TraditionalChinese;
}

bool InstallInterfaceTranslations(QCoreApplication& app, InterfaceLanguage language) {
    const char* qt = language == InterfaceLanguage::English             ? "qtbase_en"
                     : language == InterfaceLanguage::SimplifiedChinese ? "qtbase_zh_CN"
                                                                        : "qtbase_zh_TW";
    auto* qtTexts = new QTranslator(&app);
    if (qtTexts->load(QLatin1String(qt), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qtTexts);
    }
    if (language == InterfaceLanguage::TraditionalChinese) return true;
    auto* ours = new QTranslator(&app);
    const QString name = language == InterfaceLanguage::English ? QStringLiteral("nuvio_en")
                                                                : QStringLiteral("nuvio_zh_CN");
    if (!ours->load(name, QStringLiteral(":/i18n"))) return false;
    QCoreApplication::installTranslator(ours);
    translated = true;
    return true;
}

QString TranslateTableText(const char16_t* text) {
    const QString source = QString::fromUtf16(text);
    if (!translated) return source;
    return QCoreApplication::translate("StringTable", source.toUtf8().constData());
}
