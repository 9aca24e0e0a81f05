#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "tools/system_figures_memory.h"

class DeviceFs;

// The figures of the system information dialog, in kilobytes, and their texts.

struct SpaceFigures {
    quint64 totalKb = 0;
    quint64 freeKb = 0;
};

struct SystemFigures {
    SpaceFigures program;  // the host's memory
    SpaceFigures storage;  // the root volume
    QStringList cards;     // the mounted storage cards, in the device's order
    QString chosenCard;    // empty when there is no card
    SpaceFigures card;     // of the chosen card; 0 when it cannot be queried

    // Each figure grouped by thousands ("1,000,448").
    QString ProgramTotalText() const;
    QString ProgramFreeText() const;
    QString StorageTotalText() const;
    QString StorageFreeText() const;
    QString CardTotalText() const;
    QString CardFreeText() const;
};

// Every figure, with the first card chosen. Memory that cannot be read shows as 0.
SystemFigures GatherSystemFigures(DeviceFs& fs, const std::optional<HostMemory>& memory);
SystemFigures GatherSystemFigures(DeviceFs& fs);

// The total and free space of a storage card ("Storage Card"); 0 and 0 when it cannot be
// queried.
SpaceFigures CardSpace(DeviceFs& fs, const QString& card);

// Chooses another card of the list and updates only the card figures; false, and nothing
// changed, when no listed card has that name.
bool ChooseCard(DeviceFs& fs, SystemFigures& figures, const QString& card);
