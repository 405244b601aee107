#include "platform/controls/edit.h"

namespace ventaro::controls {

void TEdit::SetText(std::string_view text)
{
    if (text_ == text)
        return;
    text_ = text;
    Changed(Property::Text);
    if (OnChange)
        OnChange(*this);
}

char TEdit::FilterKey(char key)
{
    if (OnKeyPress)
        OnKeyPress(*this, key);
    return key;
}

void TEdit::Type(char key)
{
    if (!Enabled())
        return;
    key = FilterKey(key);
    if (key == '\b') {
        if (!text_.empty())
            SetText(std::string_view(text_).substr(0, text_.size() - 1));
    } else if (static_cast<unsigned char>(key) >= ' ' && key != '\x7f') {
        SetText(text_ + key);
    }
}

} // namespace ventaro::controls
