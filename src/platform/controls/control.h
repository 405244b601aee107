#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace ventaro::controls {

class Control;
class Form;

// The two system colours a value field is shown in.
enum class Color { clWindow, clBtnFace };

// Left, top, width and height in pixels, relative to the parent control.
struct Bounds {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The parts of a control's state that a view has to mirror.
enum class Property { Text, Checked, Enabled, Color, ItemIndex };

// A view registers one of these with the form and is told about every change
// of state after it happened, before any handler it triggers runs. Observers
// mirror; they must not change the model from inside the call.
class ControlObserver {
public:
    virtual ~ControlObserver() = default;
    virtual void ControlChanged(Control& control, Property property) = 0;
};

using NotifyEvent = std::function<void(Control& sender)>;

// What every control has: a name, a parent, fixed looks as data, and the
// enabled state and colour that handlers change. Controls live at a fixed
// address inside their form's registry, so they are neither copied nor moved.
class Control {
public:
    explicit Control(Form& owner);
    virtual ~Control();
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    Form& Owner() const { return owner_; }

    const std::string& Name() const { return name_; }
    void SetName(std::string_view name) { name_ = name; }
    Control* Parent() const { return parent_; }
    void SetParent(Control* parent) { parent_ = parent; }
    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string_view caption) { caption_ = caption; }
    const std::string& Hint() const { return hint_; }
    void SetHint(std::string_view hint) { hint_ = hint; }
    const Bounds& GetBounds() const { return bounds_; }
    void SetBounds(const Bounds& bounds) { bounds_ = bounds; }
    bool Bold() const { return bold_; }
    void SetBold(bool bold) { bold_ = bold; }
    bool HandCursor() const { return handCursor_; }
    void SetHandCursor(bool handCursor) { handCursor_ = handCursor; }

    // A disabled control takes no mouse or keyboard input; code still sets it.
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    Color GetColor() const { return color_; }
    void SetColor(Color color);

protected:
    void Changed(Property property);

private:
    Form& owner_;
    std::string name_;
    Control* parent_ = nullptr;
    std::string caption_;
    std::string hint_;
    Bounds bounds_;
    bool bold_ = false;
    bool handCursor_ = false;
    bool enabled_ = true;
    Color color_ = Color::clWindow;
};

// Containers and captions: nothing beyond the common state.
class TPanel final : public Control {
public:
    using Control::Control;
};

class TglGroupBox final : public Control {
public:
    using Control::Control;
};

class TLabel final : public Control {
public:
    using Control::Control;
};

} // namespace ventaro::controls
