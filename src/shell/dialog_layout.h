#pragma once

class QBoxLayout;
class QDialog;
class QDialogButtonBox;
class QWidget;

// The OK ("確定", id 1) and Cancel ("取消", id 2) row at the bottom of a dialog.
QDialogButtonBox* AddOkCancelButtons(QDialog& dialog, QBoxLayout& layout);
// Centres a window on the screen in both directions.
void CentreOnScreen(QWidget& window);
