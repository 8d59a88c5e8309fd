#include "app/controls.h"

namespace velmora {

Status Label::setCaption(const Text& text)
{
    if (made()) return setText(text);
    held_ = text;
    return {};
}

// The window keeps the caption from now on: a megabyte text is not kept twice.
Status Label::showHeld()
{
    const Text text = std::move(held_);
    return setText(text);
}

Status CheckBox::setValue(std::int32_t v)
{
    if (v < Unchecked || v > Grayed) return invalidPropertyValue();
    if (made()) return setState(v);
    held_ = v;
    return {};
}

Status OptionButton::put(bool v)
{
    if (made()) return setSelected(v);
    held_ = v;
    return {};
}

Status OptionButton::setValue(bool v)
{
    if (v)
        for (OptionButton* other = frame_ ? frame_->first_ : nullptr; other; other = other->next_)
            if (other != this && other->value()) VELMORA_TRY(other->put(false));
    return put(v);
}

Status Slider::setValue(std::int32_t v)
{
    if (v < min_ || v > max_) return invalidPropertyValue();
    if (made()) return setPosition(v);
    held_ = v;
    return {};
}

}  // namespace velmora
