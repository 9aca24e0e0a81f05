#include <gtest/gtest.h>
#include <QLocale>
#include <QRegularExpression>
#include <QTranslator>
#include <ctime>

#include "app/interface_language.h"
#include "browse/format.h"
#include "platform/file_time.h"
#include "resources/ids.h"
#include "resources/string_table.h"

using Lang = InterfaceLanguage;

// The locale picks the language; dates follow the language, in the system's regional form
// when it speaks that language. (Numbers group by threes with "," in all three.)
TEST(InterfaceLanguage, ChosenByTheLocaleWithTraditionalByDefault) {
    qputenv("TZ", "Asia/Taipei");
    tzset();
    const FileTime time =
        FileTimeFromDateTime(QDateTime(QDate(2024, 3, 5), QTime(6, 7, 59), Qt::UTC));
    const struct {
        const char* name;
        Lang language;
        const char* date;
    } cases[] = {
        {"zh_TW", Lang::TraditionalChinese, "2024/3/5 下午2:07"},
        {"zh_HK", Lang::TraditionalChinese, "5/3/2024 下午2:07"},
        {"zh_CN", Lang::SimplifiedChinese, "2024/3/5 14:07"},
        {"zh_SG", Lang::SimplifiedChinese, "05/03/24 下午2:07"},
        {"en_US", Lang::English, "3/5/24 2:07 PM"},
        {"en_GB", Lang::English, "05/03/2024 14:07"},
        {"de_DE", Lang::TraditionalChinese, "2024/3/5 下午2:07"},
        {"C", Lang::TraditionalChinese, "2024/3/5 下午2:07"},
    };
    for (const auto& c : cases) {
        const QLocale system(QLatin1String(c.name));
        EXPECT_EQ(ChooseInterfaceLanguage(system), c.language) << c.name;
        EXPECT_EQ(FormatDateText(time, InterfaceLocale(c.language, system)),
                  QString::fromUtf8(c.date))
            << c.name;
    }
}

// Each shipped translation has every Chinese text of the string table, keeps its
// placeholders, and leaves the names that are paths alone.
TEST(InterfaceLanguage, TranslationsAreCompleteKeepPlaceholdersAndLeaveNamesAlone) {
    auto placeholders = [](const QString& text) {
        static const QRegularExpression kPlaceholder(QStringLiteral("%[0-9.]*l?[sdf]"));
        QStringList found;
        for (auto it = kPlaceholder.globalMatch(text); it.hasNext();)
            found.append(it.next().captured());
        return found;
    };
    static const QRegularExpression kHan(QStringLiteral("\\p{Han}"));
    const QList<int> names = {IDS_MY_DOCUMENTS, IDS_RECYCLE_FOLDER_NAME, IDS_HOME_CARD_NAME};
    for (const char* file : {"nuvio_en", "nuvio_zh_CN"}) {
        QTranslator translator;
        ASSERT_TRUE(translator.load(QString::fromLatin1(file), QStringLiteral(":/i18n"))) << file;
        for (const StringResourceEntry& entry : StringResourceTable()) {
            const QString source = QString::fromUtf16(entry.text);
            const QString text = translator.translate("StringTable", source.toUtf8().constData());
            const bool wanted = source.contains(kHan) && !names.contains(entry.id);
            EXPECT_EQ(!text.isEmpty(), wanted) << file << " " << entry.id;
            if (!text.isEmpty()) EXPECT_EQ(placeholders(text), placeholders(source)) << entry.id;
        }
    }
}
