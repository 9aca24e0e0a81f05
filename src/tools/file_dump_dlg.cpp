#include "tools/file_dump_dlg.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "app/load_str.h"
#include "resources/ids.h"
#include "tools/dump_file.h"

namespace {

// The theme's text on a field of its alternate base, so that the fields stand out on a light
// theme and a dark one alike, in a fixed-pitch face so that the columns of bytes line up.
constexpr int kFontPixels = 11;
// Characters of one half of a hex row: nine "XX " groups; a whole row is twice as long.
constexpr int kHalfHexChars = kDumpHalfBytes * 3;
constexpr int kWholeHexChars = kDumpRowBytes * 3;

int TextWidth(const QFont& font, int characters) {
    return QFontMetrics(font).horizontalAdvance(QString(characters, u'0')) + 4;
}

// A field as wide as its widest text: characters of the fixed-pitch font.
QLabel* Field(int id, const QFont& font, int characters, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QString::number(id));
    label->setFont(font);
    label->setAutoFillBackground(true);
    label->setBackgroundRole(QPalette::AlternateBase);
    label->setForegroundRole(QPalette::Text);
    label->setContentsMargins(2, 0, 2, 0);
    label->setTextFormat(Qt::PlainText);
    label->setMinimumWidth(TextWidth(font, characters));
    label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    return label;
}

// Narrower than the style's usual button, so that four fit a 240-pixel screen.
QPushButton* Button(const QString& text, int id, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::number(id));
    button->setAutoDefault(false);
    button->setMinimumWidth(button->fontMetrics().horizontalAdvance(text) + 12);
    button->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    return button;
}

}  // namespace

CFileDumpDlg::CFileDumpDlg(std::unique_ptr<DumpFile> file, QWidget* parent)
    : QDialog(parent), file_(std::move(file)) {
    setObjectName(QString::number(IDD_FILE_DUMP));
    setWindowTitle(tr("資料傾倒"));

    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::Monospace);
    font.setPixelSize(kFontPixels);

    auto* grid = new QGridLayout;
    // Tight, so that a 240-pixel screen holds seven-digit offsets beside half a row.
    grid->setHorizontalSpacing(2);
    grid->setVerticalSpacing(2);
    grid->addWidget(new QLabel(tr("  位移"), this), 0, 0);
    auto* heading = new QHBoxLayout;
    heading->addWidget(new QLabel(tr("  檔案內容"), this), 1);
    firstHalf_ = Button(QStringLiteral("<"), IDC_DUMP_FIRST_HALF, this);
    secondHalf_ = Button(QStringLiteral(">"), IDC_DUMP_SECOND_HALF, this);
    firstHalf_->setAccessibleName(LoadStr(IDS_NAME_DUMP_FIRST_HALF));
    secondHalf_->setAccessibleName(LoadStr(IDS_NAME_DUMP_SECOND_HALF));
    for (QPushButton* small : {firstHalf_, secondHalf_}) {
        small->setFixedWidth(small->fontMetrics().horizontalAdvance(QLatin1Char('>')) + 16);
        small->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
        heading->addWidget(small);
    }
    grid->addLayout(heading, 0, 1);
    // Every offset of the file is whole: the field is as wide as the file's largest.
    const int offsetChars = int(DumpOffsetText(0, file_->Size()).size());
    for (int r = 0; r < kDumpRows; ++r) {
        offsets_[r] = Field(IDC_DUMP_OFFSET_FIRST + r, font, offsetChars, this);
        // Half a row without its trailing space.
        rows_[r] = Field(IDC_DUMP_ROW_FIRST + r, font, kHalfHexChars - 1, this);
        offsets_[r]->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
        grid->addWidget(offsets_[r], r + 1, 0);
        grid->addWidget(rows_[r], r + 1, 1);
    }
    grid->setColumnStretch(1, 1);

    auto* pages = new QHBoxLayout;
    pages->setSpacing(2);
    const struct {
        const char* text;
        int id;
        DumpMove move;
    } kPageButtons[] = {{QT_TR_NOOP("最前面"), IDC_DUMP_FIRST_PAGE, DumpMove::First},
                        {QT_TR_NOOP("上一頁"), IDC_DUMP_PREVIOUS_PAGE, DumpMove::Previous},
                        {QT_TR_NOOP("下一頁"), IDC_DUMP_NEXT_PAGE, DumpMove::Next},
                        {QT_TR_NOOP("最後面"), IDC_DUMP_LAST_PAGE, DumpMove::Last}};
    for (const auto& page : kPageButtons) {
        QPushButton* button = Button(tr(page.text), page.id, this);
        const DumpMove move = page.move;
        connect(button, &QPushButton::clicked, this, [this, move] { Move(move); });
        pages->addWidget(button);
    }

    auto* modes = new QHBoxLayout;
    hexMode_ = new QRadioButton(tr("16 進位模式"), this);
    hexMode_->setObjectName(QString::number(IDC_DUMP_HEX_MODE));
    charMode_ = new QRadioButton(tr("字元模式"), this);
    charMode_->setObjectName(QString::number(IDC_DUMP_CHAR_MODE));
    modes->addWidget(hexMode_);
    modes->addWidget(charMode_);
    modes->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 4, 2, 4);
    layout->setSpacing(4);
    layout->addLayout(grid);
    layout->addLayout(pages);
    layout->addLayout(modes);
    layout->addStretch(1);

    connect(firstHalf_, &QPushButton::clicked, this, [this] { ShowHalf(DumpHalf::First); });
    connect(secondHalf_, &QPushButton::clicked, this, [this] { ShowHalf(DumpHalf::Second); });
    connect(hexMode_, &QRadioButton::clicked, this, [this] { ShowMode(DumpMode::Hex); });
    connect(charMode_, &QRadioButton::clicked, this, [this] { ShowMode(DumpMode::Characters); });

    hexMode_->setChecked(true);
    ShowMode(DumpMode::Hex);
}

CFileDumpDlg::~CFileDumpDlg() = default;

void CFileDumpDlg::Move(DumpMove move) {
    offset_ = MoveDumpPage(move, offset_, file_->Size());
    BuildPage();
}

void CFileDumpDlg::ShowHalf(DumpHalf half) {
    half_ = half;
    ShowMode(mode_);
}

void CFileDumpDlg::ShowMode(DumpMode mode) {
    mode_ = mode;
    firstHalf_->setEnabled(!wholeRows_ && DumpFirstHalfEnabled(mode_, half_));
    secondHalf_->setEnabled(!wholeRows_ && DumpSecondHalfEnabled(mode_, half_));
    BuildPage();
}

void CFileDumpDlg::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    // The layout has placed the fields by now.
    const bool whole = rows_[0]->width() >= TextWidth(rows_[0]->font(), kWholeHexChars);
    if (whole == wholeRows_) return;
    wholeRows_ = whole;
    ShowMode(mode_);
}

void CFileDumpDlg::BuildPage() {
    // A whole row starts at the row's first byte; the half chosen is kept for a narrower size.
    const DumpHalf half = wholeRows_ ? DumpHalf::First : half_;
    const DumpPage page =
        BuildDumpPage(file_->ReadPage(offset_), offset_, file_->Size(), mode_, half);
    for (int r = 0; r < kDumpRows; ++r) {
        offsets_[r]->setText(page[r].offsetText);
        const bool halved = mode_ == DumpMode::Hex && !wholeRows_;
        rows_[r]->setText(halved ? page[r].shownText.left(kHalfHexChars) : page[r].shownText);
    }
}
