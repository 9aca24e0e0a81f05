#pragma once

#include <QDialog>
#include <array>
#include <memory>

#include "tools/dump_page.h"

class DumpFile;
class QLabel;
class QPushButton;
class QRadioButton;

// The file dump viewer: one page of a file's bytes, ten rows of 18, as hexadecimal numbers
// (one half of each row at a time) or as characters, with page buttons. It only reads.
class CFileDumpDlg : public QDialog {
    Q_OBJECT
public:
    // The file stays open until the dialog is destroyed.
    explicit CFileDumpDlg(std::unique_ptr<DumpFile> file, QWidget* parent = nullptr);
    ~CFileDumpDlg() override;

    qint64 pageOffset() const { return offset_; }
    DumpMode mode() const { return mode_; }
    DumpHalf half() const { return half_; }
    bool wholeRows() const { return wholeRows_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Move(DumpMove move);
    void ShowHalf(DumpHalf half);
    void ShowMode(DumpMode mode);
    // Reads the page at the offset and shows it; every button ends here.
    void BuildPage();

    std::unique_ptr<DumpFile> file_;
    qint64 offset_ = 0;
    DumpMode mode_ = DumpMode::Hex;
    DumpHalf half_ = DumpHalf::First;
    bool wholeRows_ = false;
    std::array<QLabel*, kDumpRows> offsets_{};
    std::array<QLabel*, kDumpRows> rows_{};
    QPushButton* firstHalf_ = nullptr;
    QPushButton* secondHalf_ = nullptr;
    QRadioButton* hexMode_ = nullptr;
    QRadioButton* charMode_ = nullptr;
};
