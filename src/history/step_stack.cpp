#include "history/step_stack.h"

#include <utility>

namespace history {

void StepStack::push(Step before)
{
    ahead_.clear();
    behind_.push_back(std::move(before));
    while (static_cast<int>(behind_.size()) > limit_)
        behind_.pop_front();
}

Step StepStack::undo(Step now)
{
    ahead_.push_back(std::move(now));
    Step shown = std::move(behind_.back());
    behind_.pop_back();
    return shown;
}

Step StepStack::redo(Step now)
{
    behind_.push_back(std::move(now));
    Step shown = std::move(ahead_.back());
    ahead_.pop_back();
    return shown;
}

void StepStack::clear()
{
    behind_.clear();
    ahead_.clear();
}

} // namespace history
