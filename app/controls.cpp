#include "app/controls.h"

namespace velmora {

Status CheckBox::setValue(std::int32_t v)
{
    if (v < Unchecked || v > Grayed) return invalidPropertyValue();
    return setState(v);
}

Status OptionButton::setValue(bool v)
{
    if (v)
        for (OptionButton* other = frame_.first_; other; other = other->next_)
            if (other != this && other->selected()) VELMORA_TRY(other->setSelected(false));
    return setSelected(v);
}

Status Slider::setValue(std::int32_t v)
{
    if (v < min_ || v > max_) return invalidPropertyValue();
    return setPosition(v);
}

}  // namespace velmora
