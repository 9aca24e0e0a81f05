#pragma once

#include <QString>

class QCoreApplication;
class QLocale;

// The language of the interface. The string table's Traditional Chinese is the source and
// the default; English and Simplified Chinese translations ship with the program.
enum class InterfaceLanguage { TraditionalChinese, SimplifiedChinese, English };

// zh_TW, zh_HK and any Traditional script: Traditional; zh_CN, zh_SG and any Simplified
// script: Simplified; English: English; any other language: Traditional.
InterfaceLanguage ChooseInterfaceLanguage(const QLocale& locale);

// The locale of dates and type names in the language: the system's own when it speaks that
// language (so its regional formats stay), else that of Taiwan, China or the United States.
QLocale InterfaceLocale(InterfaceLanguage language, const QLocale& system);

// Installs our translations and Qt's own (standard buttons, the editors' menus) for the
// language, and its InterfaceLocale as the default locale; false when ours are missing, so
// that the string table's texts stay.
bool InstallInterfaceTranslations(QCoreApplication& app, InterfaceLanguage language);

// The locale installed with the language; Taiwan's until one is.
QLocale InstalledInterfaceLocale();

// A string-table text in the installed language (itself when none is installed).
QString TranslateTableText(const char16_t* text);
