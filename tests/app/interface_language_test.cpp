#include <gtest/gtest.h>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>

#include "app/interface_language.h"
#include "resources/ids.h"
#include "resources/string_table.h"

using Lang = InterfaceLanguage;

TEST(InterfaceLanguage, ChosenByTheLocaleWithTraditionalByDefault) {
    const QList<QPair<const char*, Lang>> cases = {
        {"zh_TW", Lang::TraditionalChinese}, {"zh_HK", Lang::TraditionalChinese},
        {"zh_CN", Lang::SimplifiedChinese},  {"zh_SG", Lang::SimplifiedChinese},
        {"en_US", Lang::English},            {"en_GB", Lang::English},
        {"de_DE", Lang::TraditionalChinese}, {"C", Lang::TraditionalChinese},
    };
    for (const auto& [name, language] : cases)
        EXPECT_EQ(ChooseInterfaceLanguage(QLocale(QLatin1String(name))), language) << name;
}

// Each shipped translation keeps the placeholders of its source, and names that are paths
// or settings keys are never translated.
TEST(InterfaceLanguage, TranslationsKeepPlaceholdersAndLeaveNamesAlone) {
    auto placeholders = [](const QString& text) {
        static const QRegularExpression kPlaceholder(QStringLiteral("%[0-9.]*l?[sdf]"));
        QStringList found;
        for (auto it = kPlaceholder.globalMatch(text); it.hasNext();)
            found.append(it.next().captured());
        return found;
    };
    for (const char* file : {"nuvio_en", "nuvio_zh_CN"}) {
        QTranslator translator;
        ASSERT_TRUE(translator.load(QString::fromLatin1(file), QStringLiteral(":/i18n"))) << file;
        int translated = 0;
        for (const StringResourceEntry& entry : StringResourceTable()) {
            const QString source = QString::fromUtf16(entry.text);
            const QString text = translator.translate("StringTable", source.toUtf8().constData());
            if (text.isEmpty()) continue;
            ++translated;
            EXPECT_EQ(placeholders(text), placeholders(source)) << file << " " << entry.id;
        }
        EXPECT_GT(translated, 80) << file;
        for (int id : {IDS_MY_DOCUMENTS, IDS_RECYCLE_FOLDER_NAME, IDS_HOME_CARD_NAME}) {
            const QString source = QString::fromUtf16(StringResource(id));
            EXPECT_TRUE(translator.translate("StringTable", source.toUtf8().constData()).isEmpty());
        }
    }
}
