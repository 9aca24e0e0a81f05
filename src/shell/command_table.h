#pragma once

#include <QHash>
#include <QObject>
#include <functional>

#include "shell/command_rules.h"

class QAction;

// Routes every numbered command to its handler, through one action per command id that the
// menu bar and the tool buttons share; before a menu opens the update rules set each action's
// enabled and checked state. A command whose rule disables it is not run.
class CommandTable : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void()>;
    using RangeHandler = std::function<void(int id)>;
    using Rule = std::function<CommandUpdate(int id)>;

    explicit CommandTable(Rule rule, QObject* parent = nullptr);

    // The command's action, made on first use (objectName: the id).
    QAction* Action(int id);
    QAction* FindAction(int id) const { return actions_.value(id); }
    // Handlers of later commands are plugged in here; a command without one does nothing.
    void SetHandler(int id, Handler handler);
    void SetRangeHandler(int first, int last, RangeHandler handler);
    bool HasHandler(int id) const;

    CommandUpdate Evaluate(int id) const { return rule_(id); }
    // Runs the rule, then the handler; false when the command is disabled or has no handler.
    bool Execute(int id);
    // Applies the rules to every action.
    void UpdateAll();
    void Update(int id);

private:
    void Apply(QAction* action, int id);

    Rule rule_;
    QHash<int, QAction*> actions_;
    QHash<int, Handler> handlers_;
    struct Range {
        int first;
        int last;
        RangeHandler handler;
    };
    QList<Range> ranges_;
};
