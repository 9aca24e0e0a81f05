#pragma once

#include <gtest/gtest.h>
#include <QDialog>
#include <QPushButton>

// The control of a dialog by its id (its objectName); a test fails when it is missing.
template <typename T = QPushButton>
T* Control(QWidget& dialog, int id) {
    T* control = dialog.findChild<T*>(QString::number(id));
    EXPECT_TRUE(control) << "control " << id;
    return control;
}

// Clicks a button of the dialog and returns the dialog's result so far.
inline int Click(QDialog& dialog, int id) {
    if (QPushButton* button = Control(dialog, id)) button->click();
    return dialog.result();
}
