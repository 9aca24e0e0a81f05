#include "recycle/recycle_bin_sample.h"

#include "app/clock.h"
#include "app/command_host.h"
#include "recycle/recycle_bin.h"
#include "recycle/recycle_bin_dlg.h"

namespace {

// Built before the dialog that lists it, and gone after it.
struct SampleBinHolder {
    explicit SampleBinHolder(CommandHost& frame)
        : bin(frame.fs(), frame.settings(), frame.prompt(), clock) {
        const LocalTimeRecord time =
            LocalTimeRecord::FromDateTime(QDateTime(QDate(2026, 3, 14), QTime(9, 26)));
        bin.SetEntries(QStringLiteral("*~Recycle"),
                       {
                           {QStringLiteral("\\~Recycle\\報告.nzc"),
                            QStringLiteral("\\My Documents\\報告.txt"), time, 15360, 0x20},
                           {QStringLiteral("\\~Recycle\\Photos.nzc"),
                            QStringLiteral("\\My Documents\\Photos"), time, 1572864, 0x10},
                           {QStringLiteral("\\~Recycle\\notes.nzc"),
                            QStringLiteral("\\Temp\\notes.doc"), time, 812, 0x20},
                       });
    }
    Clock clock;
    RecycleBin bin;
};

class SampleRecycleBinDlg : private SampleBinHolder, public CRecycleBinDlg {
public:
    explicit SampleRecycleBinDlg(CommandHost& frame)
        : SampleBinHolder(frame), CRecycleBinDlg(frame, bin, true, 0) {}
};

}  // namespace

std::unique_ptr<QWidget> MakeRecycleBinSample(CommandHost& frame) {
    return std::make_unique<SampleRecycleBinDlg>(frame);
}
