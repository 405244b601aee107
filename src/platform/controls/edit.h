#pragma once

#include "platform/controls/control.h"

#include <functional>
#include <string>
#include <string_view>

namespace ventaro::controls {

// A key filter may replace the typed character or discard it by setting it to '\0'.
using KeyPressEvent = std::function<void(Control& sender, char& key)>;

// A single-line edit field.
class TEdit final : public Control {
public:
    using Control::Control;

    const std::string& Text() const { return text_; }
    // Runs the change handler only when the text really changes, whether the
    // new text comes from code or from the user.
    void SetText(std::string_view text);

    // The first half of a keystroke: the key filter's verdict on the key,
    // '\0' when it was discarded. A view calls this before the real control
    // takes the key, then hands the resulting text to SetText.
    char FilterKey(char key);
    // A whole keystroke at the end of the text: filter, then edit. A printable
    // character is appended, backspace removes the last one, other control
    // keys leave the text alone.
    void Type(char key);

    NotifyEvent OnChange;
    KeyPressEvent OnKeyPress;

private:
    std::string text_;
};

} // namespace ventaro::controls
