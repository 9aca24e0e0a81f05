#pragma once

#include <QSize>
#include <QString>

class QBoxLayout;
class QDialog;
class QPushButton;
class QWidget;

// A push button of a dialog carrying its control id; it never takes the Enter key from the
// dialog's default button.
QPushButton* MakeDialogButton(const QString& text, int id, QWidget* parent);
// "確定" (IDOK) and "取消" (IDCANCEL) at the bottom of a dialog, routed to its accept and
// reject, which the dialog may override.
void AddOkCancelButtons(QDialog* dialog, QBoxLayout* layout);
// Centres a window on the screen in both directions.
void CentreOnScreen(QWidget& window);

// Sizes a dialog for the screen it opens on: never larger than the screen (a 240x320 one
// included), and a dialog with a list grows on a big screen so that the list shows more.
void FitDialogToScreen(QWidget& dialog);
QSize DialogSizeFor(const QWidget& dialog, QSize area);
