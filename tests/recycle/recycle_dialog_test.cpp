#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QLabel>
#include <QTreeView>

#include "app/settings_store.h"
#include "recycle/recycle_advanced_dlg.h"
#include "recycle/recycle_bin_dlg.h"
#include "recycle/recycle_list_model.h"
#include "resources/ids.h"
#include "shell/frame_fixture.h"
#include "support/dialog_controls.h"

namespace {

const QString kDocs = QStringLiteral("\\My Documents");

class RecycleDialogTest : public FrameTest {
protected:
    using Script = std::function<int(CRecycleBinDlg&)>;
    using AdvancedScript = std::function<int(CRecycleAdvancedDlg&)>;

    // Runs the recycle-bin command; the scripts drive the dialogs that it shows.
    void RunCommand(Script script, AdvancedScript advanced = {}) {
        int shown = 0;
        frame().SetDialogRunner([&](QDialog& dialog) {
            if (auto* main = qobject_cast<CRecycleBinDlg*>(&dialog)) {
                ++shown;
                return script(*main);
            }
            auto* settings = qobject_cast<CRecycleAdvancedDlg*>(&dialog);
            EXPECT_TRUE(settings && advanced);
            return settings && advanced ? advanced(*settings) : int(QDialog::Rejected);
        });
        ASSERT_TRUE(frame().OnCommand(ID_FILE_RECYCLE_BIN));
        EXPECT_EQ(shown, 1);
        frame().SetDialogRunner({});
    }

    static QStringList Names(CRecycleBinDlg& dialog) {
        QStringList names;
        for (int row = 0; row < dialog.model()->rowCount(); ++row)
            names.append(dialog.model()->index(row, RecycleListModel::kName).data().toString());
        return names;
    }

    RecycleBin& Bin() { return fileDoc->bin(); }
    void PutIntoBin(const QStringList& names) {
        for (const QString& name : names)
            ASSERT_TRUE(Bin().MoveToRecycleBin(kDocs + QLatin1Char('\\') + name)) << name;
        list().FillList();
    }
};

// The buttons act on the selected rows; the size line counts what the bin folder holds.
TEST_F(RecycleDialogTest, RestoresAndErasesTheSelectedRows) {
    device.Make({"\\My Documents\\a.txt=aa", "\\My Documents\\b.txt=bb", "\\My Documents\\c.txt=cc",
                 "\\My Documents\\keep.txt=k"});
    OpenWithDocument();
    PutIntoBin({"a.txt", "b.txt", "c.txt"});
    device.Make({"\\~Recycle\\loose.bin#2048"});
    RunCommand([this](CRecycleBinDlg& dialog) {
        QAbstractItemModelTester tester(dialog.model());
        EXPECT_EQ(Names(dialog), QStringList({"a.txt", "b.txt", "c.txt"}));
        EXPECT_FALSE(Control(dialog, IDC_RECYCLE_RESTORE)->isEnabled());
        for (int row : {0, 2}) {
            dialog.list()->selectionModel()->select(
                dialog.model()->index(row, 0),
                QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
        Click(dialog, IDC_RECYCLE_RESTORE);
        EXPECT_EQ(Names(dialog), QStringList({"b.txt"}));
        Click(dialog, IDC_RECYCLE_SELECT_ALL);
        Click(dialog, IDC_RECYCLE_ERASE);
        EXPECT_EQ(dialog.model()->rowCount(), 0);
        EXPECT_FALSE(Control(dialog, IDC_RECYCLE_ERASE)->isEnabled());
        EXPECT_EQ(Control<QLabel>(dialog, IDC_RECYCLE_SIZE)->text(), "2 KB");
        return int(QDialog::Rejected);
    });
    EXPECT_TRUE(prompt.messages.isEmpty());
    EXPECT_TRUE(Bin().entries().isEmpty());
    EXPECT_EQ(device.Read(kDocs + "\\a.txt"), "aa");
    EXPECT_FALSE(device.Exists(kDocs + "\\b.txt"));
    // The restored files joined the list, selected since nothing was selected before.
    EXPECT_EQ(RowNames(), QStringList({"keep.txt", "c.txt", "a.txt"}));
    EXPECT_EQ(list().GetSelectedRows(), QList<int>({1, 2}));
}

TEST_F(RecycleDialogTest, CancelKeepsAdvancedSettingsWithoutAPurgeAndOkPurgesAtOnce) {
    device.Make({"\\My Documents\\old.txt=o"});
    OpenWithDocument();
    PutIntoBin({"old.txt"});
    // Three days later, after today's automatic purge has run.
    clock.Set(QDateTime(QDate(2026, 12, 9), QTime(9, 0)));
    device.settings().SetProfileIntById(IDS_SECTION_RECYCLEBIN, IDS_KEY_LIFETIME_MONTH, 12);
    device.settings().SetProfileIntById(IDS_SECTION_RECYCLEBIN, IDS_KEY_LIFETIME_DAY, 9);
    auto oneDay = [](CRecycleAdvancedDlg& advanced) {
        auto* lifetime = Control<QComboBox>(advanced, IDC_LIFETIME);
        EXPECT_EQ(lifetime->currentIndex(), 0);  // the stored setting
        lifetime->setCurrentIndex(1);
        return Click(advanced, IDOK);
    };
    RunCommand(
        [](CRecycleBinDlg& dialog) {
            Click(dialog, IDC_RECYCLE_ADVANCED);
            return int(QDialog::Rejected);
        },
        oneDay);
    EXPECT_EQ(Bin().settings().lifetime, 1);
    EXPECT_EQ(Bin().entries().size(), 1);

    // Set back and chosen again, then OK in both: the changed lifetime forces the purge.
    Bin().SetLimits(Bin().settings().capacityMb, Bin().settings().capacityLimitOn, 0);
    RunCommand(
        [](CRecycleBinDlg& dialog) {
            Click(dialog, IDC_RECYCLE_ADVANCED);
            return Click(dialog, IDOK);
        },
        oneDay);
    EXPECT_TRUE(Bin().entries().isEmpty());
    EXPECT_EQ(device.List("\\~Recycle").filter(".nzc"), QStringList());
}

}  // namespace
