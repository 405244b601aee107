#include "platform/controls/form.h"

#include <algorithm>

namespace ventaro::controls {

Control* Form::Find(std::string_view name) const
{
    const auto it
        = std::find_if(controls_.begin(), controls_.end(), [name](const Control* c) { return c->Name() == name; });
    return it == controls_.end() ? nullptr : *it;
}

void Form::AddObserver(ControlObserver& observer)
{
    if (std::find(observers_.begin(), observers_.end(), &observer) == observers_.end())
        observers_.push_back(&observer);
}

void Form::RemoveObserver(ControlObserver& observer) { std::erase(observers_, &observer); }

void Form::Register(Control& control) { controls_.push_back(&control); }

void Form::Unregister(Control& control) { std::erase(controls_, &control); }

void Form::Notify(Control& control, Property property)
{
    for (ControlObserver* observer : observers_)
        observer->ControlChanged(control, property);
}

} // namespace ventaro::controls
