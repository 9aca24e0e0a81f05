#include <QDate>

#include "app/clock.h"
#include "app/settings_store.h"
#include "recycle/recycle_bin.h"
#include "resources/ids.h"

namespace {

// The bin's own day count: 365-day years and 30-day months, so 31 January is 30 days old on
// 1 March and 31 December 5 days old on 1 January.
int AgeInDays(const LocalTimeRecord& deleted, const QDate& today) {
    return (today.year() - deleted.Year()) * 365 + (today.month() - deleted.Month()) * 30 +
           (today.day() - deleted.Day());
}

// Days an entry may stay for a lifetime code; -1 when it stays for ever.
int LifetimeDays(int lifetime) {
    switch (lifetime) {
        case 1:
            return 1;
        case 2:
            return 7;
        case 3:
            return 30;
        default:
            return -1;
    }
}

}  // namespace

// Purging, at most once a calendar day unless forced, under the bin's lock: entries older
// than the lifetime go from the last to the first, each with its archive. An entry whose
// archive cannot be removed stays listed, to be tried again.
int RecycleBin::PurgeExpired(bool force) {
    if (config_.lifetime == 0) return 0;
    ChangeScope scope(*this);
    if (entries_.isEmpty()) return 0;
    const QDate today = clock_.LocalNow().date();
    if (!force) {
        const int month = settings_.GetInt(IDS_SECTION_RECYCLEBIN, IDS_KEY_LIFETIME_MONTH);
        const int day = settings_.GetInt(IDS_SECTION_RECYCLEBIN, IDS_KEY_LIFETIME_DAY);
        if (month != 0 && day != 0 && month == today.month() && day == today.day()) return 0;
    }
    const int limit = LifetimeDays(config_.lifetime);
    int purged = 0;
    for (int i = int(entries_.size()) - 1; i >= 0 && limit >= 0; --i) {
        if (AgeInDays(entries_[i].deleteTime, today) <= limit) continue;
        if (!RemoveBinItem(entries_[i])) continue;
        entries_.removeAt(i);
        dirty_ = true;
        ++purged;
    }
    settings_.SetProfileIntById(IDS_SECTION_RECYCLEBIN, IDS_KEY_LIFETIME_MONTH, today.month());
    settings_.SetProfileIntById(IDS_SECTION_RECYCLEBIN, IDS_KEY_LIFETIME_DAY, today.day());
    return purged;
}
