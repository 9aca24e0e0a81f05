#include "shell/command_table.h"

#include <QAction>

CommandTable::CommandTable(Rule rule, QObject* parent) : QObject(parent), rule_(std::move(rule)) {}

QAction* CommandTable::Action(int id) {
    if (QAction* existing = actions_.value(id)) return existing;
    auto* action = new QAction(this);
    action->setObjectName(QString::number(id));
    connect(action, &QAction::triggered, this, [this, id] { Execute(id); });
    actions_.insert(id, action);
    return action;
}

void CommandTable::SetHandler(int id, Handler handler) {
    handlers_.insert(id, std::move(handler));
}

void CommandTable::SetRangeHandler(int first, int last, RangeHandler handler) {
    ranges_.append({first, last, std::move(handler)});
}

bool CommandTable::HasHandler(int id) const {
    if (handlers_.contains(id)) return true;
    for (const Range& range : ranges_) {
        if (id >= range.first && id <= range.last) return true;
    }
    return false;
}

bool CommandTable::Execute(int id) {
    const CommandUpdate update = rule_(id);
    if (QAction* action = actions_.value(id)) Apply(action, id);
    if (!update.enabled) return false;
    auto found = handlers_.constFind(id);
    if (found != handlers_.cend()) {
        // A copy: the handler may replace itself.
        const Handler handler = *found;
        handler();
        return true;
    }
    for (const Range& range : ranges_) {
        if (id >= range.first && id <= range.last) {
            const RangeHandler handler = range.handler;
            handler(id);
            return true;
        }
    }
    return false;
}

void CommandTable::Apply(QAction* action, int id) {
    const CommandUpdate update = rule_(id);
    action->setEnabled(update.enabled);
    action->setCheckable(update.checkable);
    if (update.checkable) action->setChecked(update.checked);
}

void CommandTable::Update(int id) {
    if (QAction* action = actions_.value(id)) Apply(action, id);
}

void CommandTable::UpdateAll() {
    for (auto it = actions_.cbegin(); it != actions_.cend(); ++it)
        Apply(it.value(), it.key());
}
