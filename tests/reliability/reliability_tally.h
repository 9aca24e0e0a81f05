#pragma once

#include <QList>
#include <QString>

// What each reliability case tried, for the summary the suite prints and keeps.
struct ReliabilityTally {
    QString kind;  // "fault"
    QString name;
    int runs = 0;    // runs of the operation (one fault each)
    int faults = 0;  // faults injected
    qint64 bytesLost = 0;
    int strays = 0;        // half-written files left where a user would see them
    int unrestorable = 0;  // bin entries that could not be brought back
};

void RecordTally(const ReliabilityTally& tally);
