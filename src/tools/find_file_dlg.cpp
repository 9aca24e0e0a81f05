#include "tools/find_file_dlg.h"

#include <QApplication>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QGestureEvent>
#include <QMenu>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScroller>
#include <QTapAndHoldGesture>
#include <QTreeWidget>
#include <algorithm>
#include <functional>
#include <utility>

#include "app/load_str.h"
#include "app/progress.h"
#include "app/wait_cursor.h"
#include "browse/get_type_and_icon.h"
#include "fileops/file_names.h"
#include "platform/shell_services.h"
#include "resources/ids.h"
#include "shell/column_room.h"
#include "shell/nuvio_icon.h"
#include "tools/find_files.h"

namespace {

constexpr int kTextLength = 39;
constexpr int kPatternLength = 79;
constexpr int kNameColumnWidth = 100;
constexpr int kFolderColumnWidth = 200;
// Results shown one by one while the list is short; later ones only inserted.
constexpr int kResultsShownAtOnce = 9;
// How often a running search lets the window paint and take clicks.
constexpr int kResponsiveMs = 50;

// Read when shown, after the language is installed.
QString StartText() {
    return CFindFileDlg::tr("開始尋找");
}
QString StopText() {
    return CFindFileDlg::tr("停止");
}

// The search reports here between folders and files, which is where it can be stopped.
class SearchPump : public Progress {
public:
    explicit SearchPump(std::function<bool()> pump) : pump_(std::move(pump)) {}
    bool Update(const ProgressState&) override { return pump_(); }

private:
    std::function<bool()> pump_;
};

bool CaselessLess(const QString& a, const QString& b) {
    return a.compare(b, Qt::CaseInsensitive) < 0;
}

// A drop-down list kept sorted, as its entries were added.
void FillSorted(QComboBox* box, QStringList entries) {
    std::sort(entries.begin(), entries.end(), CaselessLess);
    box->addItems(entries);
}

QLabel* Label(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return label;
}

}  // namespace

CFindFileDlg::CFindFileDlg(DeviceFs& fs, const SettingsStore& settings, ShellServices& shell,
                           const IconCache& documentIcons, QWidget* parent)
    : QDialog(parent), fs_(fs), shell_(shell) {
    setObjectName(QString::number(IDD_FIND_FILES));
    setWindowTitle(tr("尋找檔案"));

    for (int i = 0; i < std::min(documentIcons.Count(), int(IconCache::kBuiltInCount)); ++i)
        icons_.Append(documentIcons.At(i));
    if (icons_.Count() < IconCache::kBuiltInCount) {
        icons_.TrimIconCache(true);
        icons_.BuildIconCache(QString());
    }

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(4);
    text_ = new QLineEdit(this);
    text_->setObjectName(QString::number(IDC_FIND_TEXT));
    text_->setMaxLength(kTextLength);
    start_ = new QPushButton(StartText(), this);
    start_->setObjectName(QString::number(IDC_FIND_START));
    start_->setDefault(true);
    connect(start_, &QPushButton::clicked, this, &CFindFileDlg::OnStartSearch);
    grid->addWidget(Label(tr("文字 :"), this), 0, 0);
    grid->addWidget(text_, 0, 1);
    grid->addWidget(start_, 0, 2);

    pattern_ = new QComboBox(this);
    pattern_->setObjectName(QString::number(IDC_FIND_PATTERN));
    pattern_->setEditable(true);
    pattern_->setInsertPolicy(QComboBox::NoInsert);
    pattern_->lineEdit()->setMaxLength(kPatternLength);
    FillSorted(pattern_, {QStringLiteral("*.pxt"), QStringLiteral("*.pwi"), QStringLiteral("*.psw"),
                          QStringLiteral("*.exe")});
    pattern_->setCurrentIndex(0);
    grid->addWidget(Label(tr("檔名 :"), this), 1, 0);
    grid->addWidget(pattern_, 1, 1, 1, 2);

    folder_ = new QComboBox(this);
    folder_->setObjectName(QString::number(IDC_FIND_FOLDER));
    QStringList folders = {QStringLiteral("\\"), QStringLiteral("\\My Documents"),
                           QStringLiteral("\\Windows")};
    QString card;
    if (GetStorageCardFolder(fs_, settings, &card)) folders.append(card);
    FillSorted(folder_, folders);
    folder_->setCurrentIndex(1);
    grid->addWidget(Label(tr("資料匣 :"), this), 2, 0);
    grid->addWidget(folder_, 2, 1, 1, 2);
    grid->setColumnStretch(1, 1);

    results_ = new QTreeWidget(this);
    results_->setObjectName(QString::number(IDC_FIND_RESULTS));
    results_->setAccessibleName(LoadStr(IDS_NAME_FIND_RESULTS));
    results_->setHeaderLabels({LoadStr(IDS_NAME), LoadStr(IDS_FOLDER)});
    results_->setColumnWidth(0, kNameColumnWidth);
    results_->setColumnWidth(1, kFolderColumnWidth);
    results_->setRootIsDecorated(false);
    results_->setUniformRowHeights(true);
    results_->setSelectionBehavior(QAbstractItemView::SelectRows);
    results_->setIconSize(QSize(16, 16));
    results_->header()->setStretchLastSection(true);
    new ColumnRoom(results_);
    // Results are used with a finger: a tap opens, a hold offers the folder, a swipe scrolls.
    results_->viewport()->grabGesture(Qt::TapAndHoldGesture);
    results_->viewport()->installEventFilter(this);
    QScroller::grabGesture(results_->viewport(), QScroller::TouchGesture);
    connect(results_, &QTreeWidget::itemClicked, this,
            [this](QTreeWidgetItem* item) { OpenResult(results_->indexOfTopLevelItem(item)); });

    status_ = new QLabel(this);
    status_->setObjectName(QString::number(IDC_FIND_STATUS));
    // Long folder paths are cut to the line, not widening the dialog.
    status_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    auto* ok = new QPushButton(tr("確定"), this);
    ok->setObjectName(QString::number(IDOK));
    ok->setAutoDefault(false);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(status_, 1);
    bottom->addWidget(ok);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->setSpacing(4);
    layout->addLayout(grid);
    layout->addWidget(results_, 1);
    layout->addLayout(bottom);

    pattern_->setFocus();
    shell_.ShowInputPanel(true);
}

CFindFileDlg::~CFindFileDlg() = default;

void CFindFileDlg::OnStartSearch() {
    if (search_) {
        search_->Stop();
        return;
    }
    shell_.ShowInputPanel(false);
    const QString pattern = pattern_->currentText().left(kPatternLength);
    const QString folder = folder_->currentText();
    const QString text = text_->text().left(kTextLength);

    BeginWaitCursor();
    count_ = 0;
    results_->clear();
    icons_.TrimIconCache();
    start_->setText(StopText());

    FileSearch search(fs_, folder, pattern, text);
    search.OnFolder([this](const QString& path) { ShowFolder(path); });
    search.OnFound([this](const FoundFile& file) { AddResult(file); });
    SearchPump pump([this] { return KeepResponsive(); });
    search_ = &search;
    sincePaint_.start();
    search.Run(&pump);
    search_ = nullptr;

    EndWaitCursor();
    start_->setText(StartText());
    status_->setText(FileSearch::CountText(count_));
    if (results_->topLevelItemCount() > 0) results_->scrollToItem(results_->topLevelItem(0));
    if (pendingClose_ >= 0) done(std::exchange(pendingClose_, -1));
}

void CFindFileDlg::ShowFolder(const QString& folder) {
    status_->setText(status_->fontMetrics().elidedText(folder, Qt::ElideLeft, status_->width()));
    KeepResponsive();
}

void CFindFileDlg::AddResult(const FoundFile& file) {
    QString typeText;
    const int icon = GetTypeAndIcon(shell_, file.Path(), &typeText, icons_, file.record.attributes);
    auto* item = new QTreeWidgetItem({file.record.name, file.folder});
    item->setIcon(0, IconFromNames(icons_.At(icon).iconNames));
    results_->addTopLevelItem(item);
    ++count_;
    if (count_ <= kResultsShownAtOnce) {
        results_->scrollToItem(item);
        results_->viewport()->repaint();
    }
    KeepResponsive();
}

bool CFindFileDlg::KeepResponsive() {
    if (sincePaint_.elapsed() >= kResponsiveMs) {
        QApplication::processEvents();
        sincePaint_.restart();
    }
    return !search_ || !search_->Stopped();
}

void CFindFileDlg::SetResultActions(ResultAction open, ResultAction goToFolder) {
    open_ = std::move(open);
    goToFolder_ = std::move(goToFolder);
}

void CFindFileDlg::OfferFolders(const QStringList& folders) {
    const QString chosen = folder_->currentText();
    QStringList entries;
    for (int i = 0; i < folder_->count(); ++i)
        entries.append(folder_->itemText(i));
    for (const QString& folder : folders) {
        const bool known = std::any_of(entries.begin(), entries.end(), [&](const QString& e) {
            return e.compare(folder, Qt::CaseInsensitive) == 0;
        });
        if (!known && !folder.isEmpty()) entries.append(folder);
    }
    folder_->clear();
    FillSorted(folder_, entries);
    folder_->setCurrentIndex(std::max(0, folder_->findText(chosen)));
}

void CFindFileDlg::OpenResult(int index) {
    const QTreeWidgetItem* item = results_->topLevelItem(index);
    if (item && open_ && !search_) open_(item->text(1), item->text(0));
}

void CFindFileDlg::GoToFolderOf(int index) {
    const QTreeWidgetItem* item = results_->topLevelItem(index);
    if (!item || !goToFolder_ || search_) return;
    const QString folder = item->text(1);
    const QString name = item->text(0);
    accept();
    goToFolder_(folder, name);
}

void CFindFileDlg::ShowResultMenu(const QPoint& globalPos) {
    QTreeWidgetItem* item = results_->itemAt(results_->viewport()->mapFromGlobal(globalPos));
    if (!item || search_) return;
    results_->setCurrentItem(item);
    const int index = results_->indexOfTopLevelItem(item);
    QMenu menu(this);
    QAction* open = menu.addAction(LoadStr(IDS_OPEN));
    QAction* folder = menu.addAction(LoadStr(IDS_GO_TO_FOLDER));
    open->setEnabled(bool(open_));
    folder->setEnabled(bool(goToFolder_));
    QAction* chosen = menu.exec(globalPos);
    if (chosen == open) OpenResult(index);
    if (chosen == folder) GoToFolderOf(index);
}

bool CFindFileDlg::eventFilter(QObject* watched, QEvent* event) {
    if (watched != results_->viewport()) return QDialog::eventFilter(watched, event);
    if (event->type() == QEvent::ContextMenu) {
        ShowResultMenu(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    if (event->type() == QEvent::Gesture) {
        auto* gestures = static_cast<QGestureEvent*>(event);
        if (QGesture* hold = gestures->gesture(Qt::TapAndHoldGesture)) {
            gestures->accept(hold);
            if (hold->state() == Qt::GestureFinished && hold->hasHotSpot())
                ShowResultMenu(hold->hotSpot().toPoint());
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void CFindFileDlg::done(int result) {
    if (search_) {
        pendingClose_ = result;
        search_->Stop();
        return;
    }
    shell_.ShowInputPanel(false);
    QDialog::done(result);
}
