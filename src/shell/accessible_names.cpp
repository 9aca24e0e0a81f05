#include "shell/accessible_names.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>

namespace {

// "&Open :" -> "Open": the accelerator mark and the colon are not read out.
QString Spoken(QString text) {
    text.replace(QLatin1String("&&"), QLatin1String("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QLatin1Char('\x01'), QLatin1Char('&'));
    text = text.simplified();
    while (text.endsWith(QLatin1Char(':')) || text.endsWith(QChar(0xFF1A)))
        text = text.chopped(1).trimmed();
    return text;
}

QString LabelText(QLayoutItem* item) {
    auto* label = item ? qobject_cast<QLabel*>(item->widget()) : nullptr;
    return label ? Spoken(label->text()) : QString();
}

// The label a layout puts before the widget: to its left or above it in a grid, the item
// before it in a row or column.
QString LabelBefore(QLayout* layout, const QWidget& widget) {
    if (!layout) return QString();
    const int index = layout->indexOf(&widget);
    if (index < 0) {
        for (int i = 0; i < layout->count(); ++i) {
            const QString text = LabelBefore(layout->itemAt(i)->layout(), widget);
            if (!text.isEmpty()) return text;
        }
        return QString();
    }
    if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
        int row = 0, column = 0, rows = 0, columns = 0;
        grid->getItemPosition(index, &row, &column, &rows, &columns);
        QString text = column > 0 ? LabelText(grid->itemAtPosition(row, column - 1)) : QString();
        if (text.isEmpty() && row > 0) text = LabelText(grid->itemAtPosition(row - 1, column));
        return text;
    }
    return index > 0 ? LabelText(layout->itemAt(index - 1)) : QString();
}

QString DerivedName(QWidget& widget) {
    const QWidget* window = widget.window();
    for (QLabel* label : window->findChildren<QLabel*>()) {
        if (label->buddy() == &widget && !Spoken(label->text()).isEmpty()) {
            return Spoken(label->text());
        }
    }
    // The edit inside a combo box or a spin box speaks for its owner.
    QWidget* parent = widget.parentWidget();
    if (parent && (qobject_cast<QComboBox*>(parent) || qobject_cast<QAbstractSpinBox*>(parent))) {
        if (parent->accessibleName().isEmpty()) parent->setAccessibleName(DerivedName(*parent));
        if (!parent->accessibleName().isEmpty()) return parent->accessibleName();
    }
    if (auto* button = qobject_cast<QAbstractButton*>(&widget)) {
        const QString text = Spoken(button->text());
        if (!text.isEmpty()) return text;
    }
    if (parent) {
        const QString text = LabelBefore(parent->layout(), widget);
        if (!text.isEmpty()) return text;
    }
    for (QWidget* at = parent; at && !at->isWindow(); at = at->parentWidget()) {
        if (auto* group = qobject_cast<QGroupBox*>(at)) {
            if (!Spoken(group->title()).isEmpty()) return Spoken(group->title());
        }
    }
    // A selectable value with no label beside it (a name under an icon) is read as itself.
    if (auto* label = qobject_cast<QLabel*>(&widget)) {
        const QString text = Spoken(label->text());
        if (!text.isEmpty()) return text;
    }
    return Spoken(widget.toolTip());
}

class NamingFilter : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show && watched->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(watched);
            if (widget->isWindow()) NameControls(*widget);
        }
        return false;
    }
};

}  // namespace

bool IsNamedControl(const QWidget& widget) {
    return widget.focusPolicy() != Qt::NoFocus && !widget.focusProxy();
}

void NameControls(QWidget& window) {
    QList<QWidget*> widgets = window.findChildren<QWidget*>();
    widgets.prepend(&window);
    for (QWidget* widget : widgets) {
        if (widget->isWindow() && widget != &window) continue;
        if (!IsNamedControl(*widget) || !widget->accessibleName().isEmpty()) continue;
        const QString name = DerivedName(*widget);
        if (!name.isEmpty()) widget->setAccessibleName(name);
    }
}

void InstallControlNaming(QObject& application) {
    application.installEventFilter(new NamingFilter(&application));
}
