#include <gtest/gtest.h>
#include <QLocale>
#include <ctime>
#include <tuple>

#include "app/interface_language.h"
#include "browse/format.h"
#include "platform/file_time.h"

using Lang = InterfaceLanguage;

// The locale picks the language; dates follow the language, in the system's regional form
// when it speaks that language. (Numbers group by threes with "," in all three.)
TEST(InterfaceLanguage, ChosenByTheLocaleWithTraditionalByDefault) {
    qputenv("TZ", "Asia/Taipei");
    tzset();
    const FileTime time =
        FileTimeFromDateTime(QDateTime(QDate(2024, 3, 5), QTime(6, 7, 59), Qt::UTC));
    const std::tuple<const char*, Lang, const char*> cases[] = {
        {"zh_TW", Lang::TraditionalChinese, "2024/3/5 下午2:07"},
        {"zh_HK", Lang::TraditionalChinese, "5/3/2024 下午2:07"},
        {"zh_CN", Lang::SimplifiedChinese, "2024/3/5 14:07"},
        {"zh_SG", Lang::SimplifiedChinese, "05/03/24 下午2:07"},
        {"en_US", Lang::English, "3/5/24 2:07 PM"},
        {"en_GB", Lang::English, "05/03/2024 14:07"},
        {"de_DE", Lang::TraditionalChinese, "2024/3/5 下午2:07"},
        {"C", Lang::TraditionalChinese, "2024/3/5 下午2:07"},
    };
    for (const auto& [name, language, date] : cases) {
        const QLocale system{QLatin1String(name)};
        EXPECT_EQ(ChooseInterfaceLanguage(system), language) << name;
        EXPECT_EQ(FormatDateText(time, InterfaceLocale(language, system)), date) << name;
    }
}
