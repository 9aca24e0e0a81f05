#include "tools/system_figures.h"

#include <limits>

#include "browse/format.h"
#include "platform/device_fs.h"

namespace {

// Kilobytes stay 64-bit: a card or a host of 4 TB and more must not wrap.
SpaceFigures FromBytes(quint64 total, quint64 free) {
    return {total >> 10, free >> 10};
}

QString KbText(quint64 kb) {
    return FormatNumber(qint64(std::min<quint64>(kb, std::numeric_limits<qint64>::max())));
}

SpaceFigures VolumeSpaceOf(DeviceFs& fs, const QString& path) {
    const std::optional<VolumeSpace> space = fs.GetDiskFreeSpace(path);
    if (!space) return {};
    return FromBytes(space->total, space->freeToCaller);
}

}  // namespace

QString SystemFigures::ProgramTotalText() const {
    return KbText(program.totalKb);
}
QString SystemFigures::ProgramFreeText() const {
    return KbText(program.freeKb);
}
QString SystemFigures::StorageTotalText() const {
    return KbText(storage.totalKb);
}
QString SystemFigures::StorageFreeText() const {
    return KbText(storage.freeKb);
}
QString SystemFigures::CardTotalText() const {
    return KbText(card.totalKb);
}
QString SystemFigures::CardFreeText() const {
    return KbText(card.freeKb);
}

SpaceFigures CardSpace(DeviceFs& fs, const QString& card) {
    if (card.isEmpty()) return {};
    return VolumeSpaceOf(fs, QLatin1Char('\\') + card);
}

SystemFigures GatherSystemFigures(DeviceFs& fs, const std::optional<HostMemory>& memory) {
    SystemFigures figures;
    if (memory) figures.program = FromBytes(memory->totalBytes, memory->availableBytes);
    figures.storage = VolumeSpaceOf(fs, QStringLiteral("\\"));
    figures.cards = fs.StorageCards();
    if (!figures.cards.isEmpty()) {
        figures.chosenCard = figures.cards.first();
        figures.card = CardSpace(fs, figures.chosenCard);
    }
    return figures;
}

SystemFigures GatherSystemFigures(DeviceFs& fs) {
    return GatherSystemFigures(fs, ReadHostMemory());
}

bool ChooseCard(DeviceFs& fs, SystemFigures& figures, const QString& card) {
    for (const QString& listed : figures.cards) {
        if (listed.compare(card, Qt::CaseInsensitive) == 0) {
            figures.chosenCard = listed;
            figures.card = CardSpace(fs, listed);
            return true;
        }
    }
    return false;
}
