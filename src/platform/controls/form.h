#pragma once

#include "platform/controls/control.h"

#include <string_view>
#include <vector>

namespace ventaro::controls {

// The window that owns controls: it knows every control in it, which gives
// grouped options their window-wide scope, and it passes state changes on to
// the observing views. A form outlives the controls registered with it.
class Form {
public:
    Form() = default;
    Form(const Form&) = delete;
    Form& operator=(const Form&) = delete;

    // In the order of creation.
    const std::vector<Control*>& Controls() const { return controls_; }
    Control* Find(std::string_view name) const;
    template <class T> T* Find(std::string_view name) const { return dynamic_cast<T*>(Find(name)); }

    void AddObserver(ControlObserver& observer);
    void RemoveObserver(ControlObserver& observer);

private:
    friend class Control;

    void Register(Control& control);
    void Unregister(Control& control);
    void Notify(Control& control, Property property);

    std::vector<Control*> controls_;
    std::vector<ControlObserver*> observers_;
};

} // namespace ventaro::controls
