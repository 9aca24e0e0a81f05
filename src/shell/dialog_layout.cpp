#include "shell/dialog_layout.h"

#include <QAbstractItemView>
#include <QBoxLayout>
#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

#include "resources/ids.h"

QPushButton* MakeDialogButton(const QString& text, int id, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::number(id));
    button->setAutoDefault(false);
    return button;
}

void AddOkCancelButtons(QDialog* dialog, QBoxLayout* layout) {
    auto* buttons = new QDialogButtonBox(dialog);
    QPushButton* ok = buttons->addButton(QCoreApplication::translate("DialogLayout", "確定"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QString::number(IDOK));
    ok->setDefault(true);
    QPushButton* cancel = buttons->addButton(QCoreApplication::translate("DialogLayout", "取消"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QString::number(IDCANCEL));
    QObject::connect(buttons, &QDialogButtonBox::accepted, dialog, &QDialog::accept);
    QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
    layout->addWidget(buttons);
}

void FitDialogToScreen(QWidget& dialog) {
    const QScreen* screen = dialog.screen() ? dialog.screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    dialog.resize(DialogSizeFor(dialog, screen->availableGeometry().size()));
    CentreOnScreen(dialog);
}

QSize DialogSizeFor(const QWidget& dialog, QSize area) {
    QSize size = dialog.sizeHint().expandedTo(dialog.minimumSizeHint());
    if (dialog.findChild<QAbstractItemView*>()) {
        // Room a list can use: half the width and two thirds of the height of a big screen.
        size = size.expandedTo(QSize(area.width() / 2, area.height() * 2 / 3));
    }
    return size.boundedTo(area);
}

void CentreOnScreen(QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    QRect area = window.frameGeometry();
    area.moveCenter(screen->availableGeometry().center());
    window.move(area.topLeft());
}
