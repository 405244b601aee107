#include "platform/controls/control.h"

#include "platform/controls/form.h"

namespace ventaro::controls {

Control::Control(Form& owner)
    : owner_(owner)
{
    owner_.Register(*this);
}

Control::~Control() { owner_.Unregister(*this); }

void Control::SetEnabled(bool enabled)
{
    if (enabled_ == enabled)
        return;
    enabled_ = enabled;
    Changed(Property::Enabled);
}

void Control::SetColor(Color color)
{
    if (color_ == color)
        return;
    color_ = color;
    Changed(Property::Color);
}

void Control::Changed(Property property) { owner_.Notify(*this, property); }

} // namespace ventaro::controls
