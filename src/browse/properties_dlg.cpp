#include "browse/properties_dlg.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "app/command_host.h"
#include "app/load_str.h"
#include "app/message.h"
#include "app/path_helpers.h"
#include "app/wait_cursor.h"
#include "browse/file_list_model.h"
#include "browse/file_view.h"
#include "browse/folder_tree.h"
#include "browse/format.h"
#include "browse/properties_summary.h"
#include "resources/ids.h"
#include "shell/command_rules.h"
#include "shell/dialog_layout.h"
#include "shell/nuvio_icon.h"

namespace {

const QString kRoot = QStringLiteral("\\");

QFrame* MakeBar(int id, QWidget* parent) {
    auto* bar = new QFrame(parent);
    bar->setObjectName(QString::number(id));
    bar->setFixedHeight(2);
    bar->setAutoFillBackground(true);
    QPalette palette = bar->palette();
    palette.setColor(QPalette::Window, QColor(0x00, 0x00, 0x80));
    bar->setPalette(palette);
    return bar;
}

QString BuiltInIcon(int id) {
    return QStringLiteral("nuvio-%1").arg(id);
}

}  // namespace

CPropertiesDlg::CPropertiesDlg(CommandHost& frame, bool folderMode, QWidget* parent)
    : QDialog(parent), frame_(frame), folderMode_(folderMode), treeFocused_(folderMode) {
    setObjectName(QString::number(IDD_PROPERTIES));
    setWindowTitle(tr("內容"));
    auto* layout = new QVBoxLayout(this);
    layout->setSpacing(4);

    auto* top = new QHBoxLayout;
    iconLabel_ = new QLabel(this);
    iconLabel_->setObjectName(QString::number(IDC_PROPERTIES_ICON_FRAME));
    top->addWidget(iconLabel_);
    QLabel* name = Value(IDC_PROPERTIES_NAME);
    name->setText(QStringLiteral("My Documents"));
    top->addWidget(name, 1);
    layout->addLayout(top);

    auto addRows = [&](const QList<QPair<QString, int>>& rows, int labelId = 0) {
        auto* form = new QFormLayout;
        form->setHorizontalSpacing(6);
        form->setVerticalSpacing(2);
        for (const auto& [text, id] : rows) {
            auto* label = new QLabel(text, this);
            if (labelId && id == IDC_PROPERTIES_CONTENTS) {
                label->setObjectName(QString::number(IDC_PROPERTIES_CONTENTS_LABEL));
            } else if (id == IDC_PROPERTIES_MODIFIED) {
                label->setObjectName(QString::number(IDC_PROPERTIES_MODIFIED_LABEL));
            } else if (id == IDC_PROPERTIES_ACCESSED) {
                label->setObjectName(QString::number(IDC_PROPERTIES_ACCESSED_LABEL));
            }
            form->addRow(label, Value(id));
        }
        layout->addLayout(form);
    };
    layout->addWidget(MakeBar(IDC_PROPERTIES_BAR_1, this));
    addRows({{tr("類型 :"), IDC_PROPERTIES_TYPE},
             {tr("位置 :"), IDC_PROPERTIES_LOCATION}});
    Value(IDC_PROPERTIES_TYPE)->setText(tr("Multiple Files"));
    layout->addWidget(MakeBar(IDC_PROPERTIES_BAR_2, this));
    addRows({{tr("大小 :"), IDC_PROPERTIES_SIZE},
             {tr("內含 :"), IDC_PROPERTIES_CONTENTS}},
            IDC_PROPERTIES_CONTENTS_LABEL);
    layout->addWidget(MakeBar(IDC_PROPERTIES_BAR_3, this));
    addRows({{tr("建立時間 :"), IDC_PROPERTIES_CREATED},
             {tr("修改時間 :"), IDC_PROPERTIES_MODIFIED},
             {tr("存取時間 :"), IDC_PROPERTIES_ACCESSED}});

    auto* attributes = new QGridLayout;
    attributes->addWidget(new QLabel(tr("屬性 :"), this), 0, 0);
    const std::array<QPair<QString, int>, 4> boxTexts = {{
        {tr("唯讀"), IDC_ATTR_READ_ONLY},
        {tr("隱藏"), IDC_ATTR_HIDDEN},
        {tr("保存"), IDC_ATTR_ARCHIVE},
        {tr("系統"), IDC_ATTR_SYSTEM},
    }};
    for (size_t i = 0; i < boxTexts.size(); ++i) {
        auto* box = new QCheckBox(boxTexts[i].first, this);
        box->setObjectName(QString::number(boxTexts[i].second));
        attributes->addWidget(box, int(i / 2), 1 + int(i % 2));
        connect(box, &QCheckBox::clicked, this, [this] { attributesChanged_ = true; });
        boxes_[i] = box;
    }
    romBox_ = new QCheckBox(tr("ROM"), this);
    romBox_->setObjectName(QString::number(IDC_ATTR_ROM));
    romBox_->setEnabled(false);
    attributes->addWidget(romBox_, 2, 1);
    layout->addLayout(attributes);

    AddOkCancelButtons(this, layout);

    BeginWaitCursor();
    Fill();
    EndWaitCursor();
}

QLabel* CPropertiesDlg::Value(int id) {
    const QString name = QString::number(id);
    if (auto* label = findChild<QLabel*>(name)) return label;
    auto* label = new QLabel(this);
    label->setObjectName(name);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

void CPropertiesDlg::Fill() {
    const CFileView& list = *frame_.GetFileView();
    // From the tree, the highlighted folder: it may differ from the one the list shows.
    const NTreeView* tree = frame_.GetTreeView();
    const QString current =
        treeFocused_ && tree ? tree->SelectedPath() : frame_.GetCurrentFolder();
    QStringList paths;
    QList<int> rows;
    if (!folderMode_) {
        rows = list.GetSelectedRows();
        if (rows.isEmpty()) folderMode_ = true;
    }
    const bool rootItem = folderMode_ && current == kRoot;
    QIcon icon;
    if (folderMode_) {
        paths.append(current);
        if (rootItem) {
            icon = NuvioIcon(BuiltInIcon(IDI_DEVICE));
        } else {
            Value(IDC_PROPERTIES_LOCATION)->setText(FolderPart(current));
            icon = NuvioIcon(BuiltInIcon(IDI_FOLDER));
        }
    } else {
        Value(IDC_PROPERTIES_LOCATION)->setText(current);
        for (int row : rows) {
            QString path;
            if (list.GetItemPath(row, &path)) paths.append(path);
        }
    }

    const PropertiesSummary summary = SummarizeItems(frame_.fs(), paths, rootItem);
    const bool single = paths.size() == 1;
    if (summary.found && single) {
        if (icon.isNull() && !rows.isEmpty()) {
            const QModelIndex index = list.model()->index(rows.first(), FileListModel::kName);
            icon = qvariant_cast<QIcon>(list.model()->data(index, Qt::DecorationRole));
        }
        Value(IDC_PROPERTIES_NAME)
            ->setText(rootItem ? LoadStr(IDS_MY_COMPUTER) : FileNamePart(summary.firstPath));
        if (rootItem) {
            Value(IDC_PROPERTIES_TYPE)->setText(QStringLiteral(" "));
        } else {
            QString type = LoadStr(IDS_FOLDER);
            if (!folderMode_) {
                FolderListing& listing = frame_.GetFileView()->listing();
                listing.EnsureItemIcon(rows.first());
                type = listing.Item(rows.first()).typeName.value_or(QString());
            }
            Value(IDC_PROPERTIES_TYPE)->setText(type);
            Value(IDC_PROPERTIES_CREATED)->setText(FormatDateText(summary.first.creationTime));
            Value(IDC_PROPERTIES_MODIFIED)->setText(FormatDateText(summary.first.lastWriteTime));
            Value(IDC_PROPERTIES_ACCESSED)->setText(FormatDateText(summary.first.lastAccessTime));
        }
    }
    if (icon.isNull()) icon = NuvioIcon(BuiltInIcon(IDI_MULTIPLE_FILES));
    const int side = style()->pixelMetric(QStyle::PM_LargeIconSize);
    iconLabel_->setPixmap(icon.pixmap(side, side));

    Value(IDC_PROPERTIES_SIZE)->setText(PropertiesSizeText(summary.bytes));
    if (summary.hasFolder || paths.size() > 1) {
        const QString contents = PropertiesContentsText(summary.files, summary.folders);
        Value(IDC_PROPERTIES_CONTENTS)->setText(contents);
        if (paths.size() > 1) Value(IDC_PROPERTIES_NAME)->setText(contents);
    }
    for (size_t i = 0; i < boxes_.size(); ++i) {
        QCheckBox* box = boxes_[i];
        switch (summary.states[i]) {
            case PropertiesSummary::kMixed:
                box->setTristate(true);
                box->setCheckState(Qt::PartiallyChecked);
                break;
            case PropertiesSummary::kSet:
                box->setCheckState(Qt::Checked);
                break;
            default:
                box->setCheckState(Qt::Unchecked);
                break;
        }
        box->setEnabled(!summary.hasFolder);
    }
    romBox_->setChecked(summary.inRom);
    // Rows with nothing to say (the root has no times) give their room to a small screen.
    for (QFormLayout* form : findChildren<QFormLayout*>()) {
        for (int row = 0; row < form->rowCount(); ++row) {
            const QLayoutItem* field = form->itemAt(row, QFormLayout::FieldRole);
            const auto* value = field ? qobject_cast<QLabel*>(field->widget()) : nullptr;
            if (value) form->setRowVisible(row, !value->text().trimmed().isEmpty());
        }
    }
}

std::array<int, 4> CPropertiesDlg::BoxStates() const {
    std::array<int, 4> states{};
    for (size_t i = 0; i < boxes_.size(); ++i) {
        const QCheckBox* box = boxes_[i];
        if (!box->isEnabled() || box->checkState() == Qt::PartiallyChecked) {
            states[i] = PropertiesSummary::kMixed;
        } else {
            states[i] = box->isChecked() ? PropertiesSummary::kSet : PropertiesSummary::kClear;
        }
    }
    return states;
}

void CPropertiesDlg::ApplyToSelection() {
    if (!attributesChanged_ || applied_) return;
    applied_ = true;
    CFileView& list = *frame_.GetFileView();
    const QList<int> rows = list.GetSelectedRows();
    if (rows.isEmpty() || !list.Item(rows.first()) || list.Item(rows.first())->IsFolder()) {
        return;
    }
    const std::array<int, 4> states = BoxStates();
    QStringList failed;
    for (int row : rows) {
        QString path;
        if (!list.GetItemPath(row, &path)) continue;
        if (ApplyAttributes(frame_.fs(), path, states)) {
            list.RefreshRow(row, false);
        } else {
            failed.append(FileNamePart(path));
        }
    }
    // A change that did not happen is said, not shown as done.
    if (!failed.isEmpty()) {
        ShowFilledMessage(frame_.prompt(), IDS_CANNOT_SET_ATTRIBUTES,
                          FormatStr(IDS_CANNOT_SET_ATTRIBUTES, failed.join(QStringLiteral("', '"))),
                          MessageStyle::Exclamation);
    }
}

void CPropertiesDlg::accept() {
    ApplyToSelection();
    QDialog::accept();
}

void RunPropertiesCommand(CommandHost& frame) {
    const bool treeFocused = frame.GatherFacts().focus == CommandFacts::Focus::Tree;
    CPropertiesDlg dialog(frame, treeFocused, frame.DialogParent());
    frame.RunDialog(dialog);
}
