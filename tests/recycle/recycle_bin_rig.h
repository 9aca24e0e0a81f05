#pragma once

#include <QDateTime>
#include <QStringList>

#include "app/clock.h"
#include "app/settings_store.h"
#include "recycle/recycle_bin.h"
#include "resources/ids.h"
#include "support/recording_prompt.h"
#include "support/temp_device.h"

// A device, a scripted prompt, a fixed clock and a bin over them. The bin is opened in main
// memory unless a test chooses otherwise before calling Open.
struct BinRig {
    explicit BinRig(const QStringList& cards = {})
        : dev(cards),
          clock(QDateTime(QDate(2024, 5, 6), QTime(7, 8, 9, 10), Qt::LocalTime)),
          bin(dev.fs(), dev.settings(), prompt, clock) {}

    void SetInt(int key, int value) {
        dev.settings().SetProfileIntById(IDS_SECTION_RECYCLEBIN, key, value);
    }
    void SetText(int key, const QString& value) {
        dev.settings().SetProfileTextById(IDS_SECTION_RECYCLEBIN, key, value);
    }
    void OpenInMainMemory() {
        SetInt(IDS_KEY_RECYCLE_BIN_POS, 0);
        bin.Open();
    }
    // The items of a bin folder, without its index and lock files.
    QStringList BinItems(const QString& folder = QStringLiteral("\\~Recycle")) {
        QStringList items = dev.List(folder);
        items.removeIf([](const QString& name) {
            return name == QLatin1String("~Recycle.bin") ||
                   name.startsWith(QLatin1String(".nuvio-"));
        });
        return items;
    }

    TempDevice dev;
    RecordingPrompt prompt;
    FixedClock clock;
    RecycleBin bin;
};
