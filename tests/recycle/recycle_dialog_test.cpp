#include <QAbstractItemModelTester>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTreeView>

#include "app/settings_store.h"
#include "recycle/recycle_advanced_dlg.h"
#include "recycle/recycle_bin_dlg.h"
#include "recycle/recycle_list_model.h"
#include "resources/ids.h"
#include "shell/frame_fixture.h"
#include "support/dialog_controls.h"

namespace {

// Leaves out the bin's lock file.
const QRegularExpression kNotOurs(QStringLiteral("^(?!\\.nuvio-)"));

const QString kDocs = QStringLiteral("\\My Documents");

class RecycleDialogTest : public FrameTest {
protected:
    explicit RecycleDialogTest(const QStringList& cards = {}) : FrameTest(cards) {}

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

    static QString SizeLine(CRecycleBinDlg& dialog) {
        return Control<QLabel>(dialog, IDC_RECYCLE_SIZE)->text();
    }
    static bool Enabled(CRecycleBinDlg& dialog, int id) { return Control(dialog, id)->isEnabled(); }
    static QStringList Names(CRecycleBinDlg& dialog) {
        QStringList names;
        for (int row = 0; row < dialog.model()->rowCount(); ++row)
            names.append(dialog.model()->index(row, RecycleListModel::kName).data().toString());
        return names;
    }
    static void SelectRows(CRecycleBinDlg& dialog, const QList<int>& rows) {
        dialog.list()->clearSelection();
        for (int row : rows) {
            dialog.list()->selectionModel()->select(
                dialog.model()->index(row, 0),
                QItemSelectionModel::Select | QItemSelectionModel::Rows);
        }
    }

    RecycleBin& Bin() { return fileDoc->bin(); }
    void PutIntoBin(const QStringList& names) {
        for (const QString& name : names)
            ASSERT_TRUE(Bin().MoveToRecycleBin(kDocs + QLatin1Char('\\') + name)) << name;
        list().FillList();
    }
    QString Setting(int key) { return device.settings().GetText(IDS_SECTION_RECYCLEBIN, key); }
};

// The size line counts what the bin folder holds, not its index.
TEST_F(RecycleDialogTest, AnEmptyBinDisablesItsButtons) {
    OpenWithDocument();
    device.Make({"\\~Recycle\\loose.bin#2048"});
    ASSERT_TRUE(Bin().SaveRecycleIndex());
    RunCommand([](CRecycleBinDlg& dialog) {
        EXPECT_EQ(dialog.model()->rowCount(), 0);
        EXPECT_FALSE(Enabled(dialog, IDC_RECYCLE_RESTORE));
        EXPECT_FALSE(Enabled(dialog, IDC_RECYCLE_ERASE));
        EXPECT_FALSE(Enabled(dialog, IDC_RECYCLE_SELECT_ALL));
        EXPECT_TRUE(Enabled(dialog, IDC_RECYCLE_ADVANCED));
        EXPECT_EQ(SizeLine(dialog), "2 KB");
        EXPECT_TRUE(Control<QCheckBox>(dialog, IDC_RECYCLE_ENABLE)->isChecked());
        auto* locations = Control<QComboBox>(dialog, IDC_RECYCLE_LOCATION);
        EXPECT_EQ(locations->count(), 1);
        EXPECT_EQ(locations->currentText(), QStringLiteral("主記憶體"));
        return int(QDialog::Rejected);
    });
}

TEST_F(RecycleDialogTest, RestoresAndErasesTheSelectedRows) {
    device.Make({"\\My Documents\\a.txt=aa", "\\My Documents\\b.txt=bb", "\\My Documents\\c.txt=cc",
                 "\\My Documents\\keep.txt=k"});
    OpenWithDocument();
    PutIntoBin({"a.txt", "b.txt", "c.txt"});
    ASSERT_EQ(RowNames(), QStringList({"keep.txt"}));
    RunCommand([this](CRecycleBinDlg& dialog) {
        QAbstractItemModelTester tester(dialog.model());
        EXPECT_EQ(Names(dialog), QStringList({"a.txt", "b.txt", "c.txt"}));
        EXPECT_EQ(dialog.model()->index(0, RecycleListModel::kFolder).data().toString(), kDocs);
        EXPECT_EQ(dialog.model()->index(0, RecycleListModel::kSize).data().toString(), "2B");
        EXPECT_FALSE(Enabled(dialog, IDC_RECYCLE_RESTORE));
        EXPECT_TRUE(Enabled(dialog, IDC_RECYCLE_SELECT_ALL));
        SelectRows(dialog, {0, 2});
        EXPECT_TRUE(Enabled(dialog, IDC_RECYCLE_RESTORE));
        EXPECT_TRUE(Enabled(dialog, IDC_RECYCLE_ERASE));
        Click(dialog, IDC_RECYCLE_RESTORE);
        EXPECT_EQ(Names(dialog), QStringList({"b.txt"}));
        EXPECT_FALSE(Enabled(dialog, IDC_RECYCLE_RESTORE));
        EXPECT_EQ(device.Read(kDocs + "\\a.txt"), "aa");
        EXPECT_EQ(device.Read(kDocs + "\\c.txt"), "cc");

        Click(dialog, IDC_RECYCLE_SELECT_ALL);
        EXPECT_EQ(dialog.list()->selectionModel()->selectedRows().size(), 1);
        Click(dialog, IDC_RECYCLE_ERASE);
        EXPECT_EQ(dialog.model()->rowCount(), 0);
        EXPECT_FALSE(Enabled(dialog, IDC_RECYCLE_SELECT_ALL));
        EXPECT_EQ(SizeLine(dialog), "0 B");
        return int(QDialog::Rejected);
    });
    EXPECT_TRUE(prompt.messages.isEmpty());
    EXPECT_TRUE(Bin().entries().isEmpty());
    EXPECT_FALSE(device.Exists(kDocs + "\\b.txt"));
    EXPECT_EQ(device.List("\\~Recycle").filter(".nzc"), QStringList());
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
        EXPECT_EQ(lifetime->count(), 4);
        EXPECT_EQ(lifetime->itemText(3), QStringLiteral("1 個月"));
        EXPECT_EQ(lifetime->currentIndex(), 0);
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
    EXPECT_FALSE(RecycleBin::CapacityLimitChanged(false, 16, false, 4));
    EXPECT_TRUE(RecycleBin::CapacityLimitChanged(false, 16, true, 16));
    EXPECT_FALSE(RecycleBin::CapacityLimitChanged(true, 16, true, 16));
    EXPECT_TRUE(RecycleBin::CapacityLimitChanged(true, 16, true, 8));
    EXPECT_FALSE(RecycleBin::CapacityLimitChanged(true, 16, false, 8));
}

TEST_F(RecycleDialogTest, ALimitTheBinAlreadyExceedsIsReported) {
    OpenWithDocument();
    device.Make({"\\~Recycle\\loose.bin#1100000"});
    RunCommand(
        [](CRecycleBinDlg& dialog) {
            EXPECT_EQ(SizeLine(dialog), "1.05 MB");
            Click(dialog, IDC_RECYCLE_ADVANCED);
            return int(QDialog::Rejected);
        },
        [](CRecycleAdvancedDlg& advanced) {
            auto* limit = Control<QCheckBox>(advanced, IDC_LIMIT_CAPACITY);
            auto* capacity = Control<QSpinBox>(advanced, IDC_CAPACITY);
            EXPECT_FALSE(limit->isChecked());
            EXPECT_FALSE(capacity->isEnabled());
            EXPECT_EQ(capacity->value(), 16);
            limit->click();
            EXPECT_TRUE(capacity->isEnabled());
            capacity->setValue(1);
            return Click(advanced, IDOK);
        });
    EXPECT_TRUE(Bin().settings().capacityLimitOn);
    EXPECT_EQ(Bin().settings().capacityMb, 1);
    ASSERT_EQ(prompt.MessageIds(), QList<int>({IDS_RECYCLE_BIN_FULL}));
    EXPECT_EQ(prompt.messages[0].style, MessageStyle::Exclamation);
}

TEST_F(RecycleDialogTest, TheColumnOrderAndWidthsSurviveAReopen) {
    OpenWithDocument();
    RunCommand([](CRecycleBinDlg& dialog) {
        QHeaderView* header = dialog.list()->header();
        EXPECT_EQ(header->sectionSize(RecycleListModel::kFolder), 150);
        EXPECT_TRUE(header->sectionsMovable());
        header->moveSection(header->visualIndex(RecycleListModel::kType), 0);
        header->resizeSection(RecycleListModel::kName, 80);
        return Click(dialog, IDOK);
    });
    EXPECT_EQ(Setting(IDS_KEY_COLUMN_ORDER), "4;0;1;2;3;");
    EXPECT_EQ(Setting(IDS_KEY_NAME_WIDTH), "80");
    RunCommand([](CRecycleBinDlg& dialog) {
        QHeaderView* header = dialog.list()->header();
        EXPECT_EQ(header->logicalIndex(0), RecycleListModel::kType);
        EXPECT_EQ(header->logicalIndex(1), RecycleListModel::kName);
        EXPECT_EQ(header->sectionSize(RecycleListModel::kName), 80);
        return int(QDialog::Rejected);
    });
}

class RecycleCardDialogTest : public RecycleDialogTest {
protected:
    RecycleCardDialogTest() : RecycleDialogTest({"SD"}) {
        device.settings().SetProfileIntById(IDS_SECTION_RECYCLEBIN, IDS_KEY_RECYCLE_BIN_POS, 0);
    }
};

TEST_F(RecycleCardDialogTest, TheBinMovesToTheCardAndBack) {
    device.Make({"\\My Documents\\a.txt=aa"});
    OpenWithDocument();
    PutIntoBin({"a.txt"});
    ASSERT_EQ(Bin().binPath(), "\\~Recycle");
    auto choose = [](int location) {
        return [location](CRecycleBinDlg& dialog) {
            auto* locations = Control<QComboBox>(dialog, IDC_RECYCLE_LOCATION);
            EXPECT_EQ(locations->count(), 2);
            EXPECT_EQ(locations->itemText(1), "SD");
            EXPECT_EQ(locations->currentIndex(), 1 - location);
            locations->setCurrentIndex(location);
            const int result = Click(dialog, IDOK);
            EXPECT_TRUE(dialog.changed());
            EXPECT_EQ(dialog.position(), location);
            return result;
        };
    };
    RunCommand(choose(1));
    EXPECT_EQ(Setting(IDS_KEY_STORAGE_CARD), "SD");
    EXPECT_EQ(Bin().binPath(), "\\SD\\~Recycle");
    EXPECT_EQ(Bin().settings().position, 1);
    EXPECT_EQ(device.List("\\SD\\~Recycle").filter(kNotOurs),
              QStringList({"a.txt.nzc", "~Recycle.bin"}));
    EXPECT_FALSE(device.Exists("\\~Recycle"));
    EXPECT_EQ(Bin().entries()[0].archivePath, "\\SD\\~Recycle\\a.txt.nzc");

    RunCommand(choose(0));
    EXPECT_EQ(Setting(IDS_KEY_STORAGE_CARD), "\\");
    EXPECT_EQ(Bin().binPath(), "\\~Recycle");
    EXPECT_EQ(device.List("\\~Recycle").filter(kNotOurs),
              QStringList({"a.txt.nzc", "~Recycle.bin"}));
    EXPECT_FALSE(device.Exists("\\SD\\~Recycle"));

    // The entry still comes back from where the bin now is.
    RunCommand([](CRecycleBinDlg& dialog) {
        Click(dialog, IDC_RECYCLE_SELECT_ALL);
        Click(dialog, IDC_RECYCLE_RESTORE);
        return int(QDialog::Rejected);
    });
    EXPECT_EQ(device.Read(kDocs + "\\a.txt"), "aa");
}

}  // namespace
