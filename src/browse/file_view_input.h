#pragma once

#include <QList>
#include <QObject>
#include <QPoint>

class CFileView;
class FileViewHost;
class QAbstractItemView;
class QEvent;
class QKeyEvent;
class QModelIndex;

// Turns pointer input on the file list's two views into row actions. A tap opens (one tap or
// a double tap, by the tap action); a stylus or mouse drag selects the rows it crosses; a
// finger swipe scrolls with momentum instead; tap-and-hold shows the menu. In the check mode,
// meant for fingers, taps toggle rows and a long press shows the menu for the checked rows.
class FileViewInput : public QObject {
    Q_OBJECT
public:
    // Commands of the tap-and-hold menu, in order (0 stands for a separator).
    static const QList<int>& TapAndHoldMenu();

    FileViewInput(CFileView& list, FileViewHost& host, QObject* parent = nullptr);

    // Takes the view's viewport events, its taps and its finger scrolling.
    void Attach(QAbstractItemView* view);

    // 0: one tap opens; 1: a double tap opens, one tap selects.
    int tapAction() const { return tapAction_; }
    void SetTapAction(int action) { tapAction_ = action; }

    bool checkMode() const { return checkMode_; }
    // Entering keeps the selection; leaving clears it.
    void SetCheckMode(bool on);

    bool IsMenuShowing() const { return menuShowing_; }
    void ShowTapAndHoldMenu(const QPoint& globalPos);
    // A long press at a point of the view's viewport: a finger's first one starts the check
    // mode with that row checked, any other one shows the menu.
    void LongPress(QAbstractItemView* view, const QPoint& viewportPoint, bool finger);

signals:
    void checkModeChanged(bool on);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QAbstractItemView* ViewOf(QObject* viewport) const;
    bool OnKey(QAbstractItemView* view, const QKeyEvent* key);
    void OnClicked(const QModelIndex& index);
    void OnDoubleClicked(const QModelIndex& index);
    bool StylusDown(QAbstractItemView* view, const QPoint& point);
    void StylusMove(QAbstractItemView* view, const QPoint& point);
    QPair<int, int> VisibleRows(QAbstractItemView* view) const;
    QRect RowBounds(QAbstractItemView* view, int row) const;

    CFileView& list_;
    FileViewHost& host_;
    QList<QAbstractItemView*> views_;

    int tapAction_ = 0;
    bool checkMode_ = false;
    int dragAnchor_ = -1;
    QPoint dragStart_;  // in content coordinates
    QPoint dragPoint_;
    bool dragMoved_ = false;
    bool clickEndsDoubleClick_ = false;
    bool menuShowing_ = false;
    bool fingerDown_ = false;  // the last press came from a touch screen
};
