#pragma once

#include <QList>
#include <functional>

#include "app/progress.h"

// A progress sink that records what it was told and answers with a rule (go on by default).
class ScriptedProgress : public Progress {
public:
    std::function<bool(const ProgressState&)> answer;
    QList<ProgressState> reports;
    bool Update(const ProgressState& state) override {
        reports.append(state);
        return answer ? answer(state) : true;
    }
};
