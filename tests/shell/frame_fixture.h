#pragma once

#include <gtest/gtest.h>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QTest>
#include <QToolButton>
#include <memory>

#include "app/clock.h"
#include "browse/file_view.h"
#include "browse/folder_tree.h"
#include "recycle/file_doc.h"
#include "shell/command_table.h"
#include "shell/file_doc_adapter.h"
#include "shell/main_frame.h"
#include "shell/standalone_document.h"
#include "support/fake_shell_services.h"
#include "support/recording_prompt.h"
#include "support/temp_device.h"

// A document that counts the bin calls the window makes at its start.
class CountingDocument : public StandaloneDocument {
public:
    using StandaloneDocument::StandaloneDocument;
    bool IndexIsCurrent() const override { return indexIsCurrent; }
    void CheckRecycleBin() override { ++checkCount; }
    void CompressRecycleBin() override { ++compressCount; }
    bool indexIsCurrent = true;
    int checkCount = 0;
    int compressCount = 0;
};

// A main window over a temporary device, with a recording prompt and a fake shell, shown on
// the offscreen platform and active, so that focus and clicks behave as on screen.
class FrameTest : public ::testing::Test {
protected:
    // A device with the storage cards named (none by default).
    explicit FrameTest(const QStringList& cards = {}) : device(cards) {
        device.Make({"\\My Documents\\", "\\Windows\\", "\\Temp\\"});
    }
    ~FrameTest() override {
        frame_.reset();
        adapter.reset();
        fileDoc.reset();
    }

    CMainFrame& Open(QSize size = QSize(480, 640)) {
        frame_.reset();
        document = std::make_unique<CountingDocument>(device.fs());
        return Show(*document, size);
    }

    // A window over the application's own document: a real recycle bin ("\\~Recycle").
    CMainFrame& OpenWithDocument(QSize size = QSize(480, 640)) {
        frame_.reset();
        adapter.reset();
        fileDoc = std::make_unique<CFileDoc>(device.fs(), device.settings(), prompt, clock, shell);
        fileDoc->OnNewDocument();
        adapter = std::make_unique<FileDocAdapter>(*fileDoc);
        return Show(*adapter, size);
    }

    CMainFrame& Show(FrameDocument& frameDocument, QSize size) {
        frame_ = std::make_unique<CMainFrame>(
            CMainFrame::Services{device.fs(), device.settings(), prompt, shell, frameDocument});
        frame_->resize(size);
        frame_->show();
        QApplication::setActiveWindow(frame_.get());
        EXPECT_TRUE(QTest::qWaitForWindowExposed(frame_.get()));
        Settle();
        return *frame_;
    }

    // Closes the window, which saves its settings.
    void Close() { frame_.reset(); }

    // Runs the queued calls and layouts.
    static void Settle() {
        for (int i = 0; i < 5; ++i) {
            QCoreApplication::sendPostedEvents();
            QCoreApplication::processEvents();
        }
    }

    CMainFrame& frame() { return *frame_; }
    CFileView& list() { return *frame_->GetFileView(); }
    NTreeView& tree() { return *frame_->GetTreeView(); }

    QStringList RowNames() {
        QStringList names;
        for (int row = 0; row < list().RowCount(); ++row)
            names.append(list().Item(row)->name);
        return names;
    }

    // Selects exactly the rows of those names in the list, focused first unless told not to.
    void SelectNames(const QStringList& names, bool focusList = true) {
        if (focusList) FocusList();
        list().SelectRows(SelectMode::None);
        for (const QString& name : names) {
            const int row = list().FindRowByName(name);
            EXPECT_GE(row, 0) << name.toStdString();
            if (row >= 0) list().SelectRow(row, RowSelect::Select, RowScope::Add);
        }
    }

    void FocusList() {
        list().ActiveView()->setFocus();
        Settle();
    }
    void FocusTree() {
        tree().setFocus();
        Settle();
    }

    bool Enabled(int id) {
        QAction* action = frame().commands().Action(id);
        frame().UpdateCommandUi();
        return action->isEnabled();
    }

    QPoint RowCenter(int row) {
        QAbstractItemView* view = list().ActiveView();
        return view->visualRect(view->model()->index(row, 0)).center();
    }

    TempDevice device;
    FakeShellServices shell;
    RecordingPrompt prompt;
    std::unique_ptr<CountingDocument> document;
    FixedClock clock{QDateTime(QDate(2026, 12, 6), QTime(9, 0))};
    std::unique_ptr<CFileDoc> fileDoc;
    std::unique_ptr<FileDocAdapter> adapter;

private:
    std::unique_ptr<CMainFrame> frame_;
};
