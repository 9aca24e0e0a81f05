#include "app/interface_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace {

// Set once the program installed a translation; until then the table is read as it is.
bool translated = false;

QLocale& InterfaceLocaleSlot() {
    static QLocale locale(QLocale::Chinese, QLocale::TraditionalChineseScript, QLocale::Taiwan);
    return locale;
}

}  // namespace

InterfaceLanguage ChooseInterfaceLanguage(const QLocale& locale) {
    if (locale.language() == QLocale::English) return InterfaceLanguage::English;
    if (locale.language() == QLocale::Chinese &&
        locale.script() == QLocale::SimplifiedHanScript) {
        return InterfaceLanguage::SimplifiedChinese;
    }
    return InterfaceLanguage::TraditionalChinese;
}

QLocale InterfaceLocale(InterfaceLanguage language, const QLocale& system) {
    if (ChooseInterfaceLanguage(system) == language &&
        (language == InterfaceLanguage::English || system.language() == QLocale::Chinese)) {
        return system;
    }
    switch (language) {
        case InterfaceLanguage::English:
            return QLocale(QLocale::English, QLocale::UnitedStates);
        case InterfaceLanguage::SimplifiedChinese:
            return QLocale(QLocale::Chinese, QLocale::SimplifiedChineseScript, QLocale::China);
        case InterfaceLanguage::TraditionalChinese:
            break;
    }
    return QLocale(QLocale::Chinese, QLocale::TraditionalChineseScript, QLocale::Taiwan);
}

QLocale InstalledInterfaceLocale() {
    return InterfaceLocaleSlot();
}

bool InstallInterfaceTranslations(QCoreApplication& app, InterfaceLanguage language) {
    InterfaceLocaleSlot() = InterfaceLocale(language, QLocale::system());
    QLocale::setDefault(InterfaceLocaleSlot());
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
