// The reliability suite's main: runs the fault-injection cases, then prints one line per case
// and the totals, and writes them as JSON where NUVIO_RELIABILITY_SUMMARY names a file.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstdio>

#include "reliability_tally.h"

namespace {

QList<ReliabilityTally>& Store() {
    static QList<ReliabilityTally> tallies;
    return tallies;
}

void Print(const ReliabilityTally& t) {
    std::printf("%-6s %-28s %6d %6d %10lld %6d %12d\n", qPrintable(t.kind), qPrintable(t.name),
                t.runs, t.faults, static_cast<long long>(t.bytesLost), t.strays, t.unrestorable);
}

}  // namespace

void RecordTally(const ReliabilityTally& tally) {
    Store().append(tally);
}

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();

    ReliabilityTally total{QStringLiteral("total"), QStringLiteral("all cases")};
    QJsonArray cases;
    std::printf("\n%-6s %-28s %6s %6s %10s %6s %12s\n", "kind", "case", "runs", "faults",
                "bytes lost", "strays", "unrestorable");
    for (const ReliabilityTally& t : Store()) {
        Print(t);
        total.runs += t.runs;
        total.faults += t.faults;
        total.bytesLost += t.bytesLost;
        total.strays += t.strays;
        total.unrestorable += t.unrestorable;
        cases.append(QJsonObject{{"kind", t.kind},
                                 {"name", t.name},
                                 {"runs", t.runs},
                                 {"faults", t.faults},
                                 {"bytesLost", t.bytesLost},
                                 {"strays", t.strays},
                                 {"unrestorable", t.unrestorable}});
    }
    Print(total);
    const QString summary = qEnvironmentVariable("NUVIO_RELIABILITY_SUMMARY");
    QFile file(summary);
    if (!summary.isEmpty() && file.open(QIODevice::WriteOnly))
        file.write(QJsonDocument(QJsonObject{{"cases", cases}}).toJson());
    return result;
}
