#include "app/controls.h"

#include "registry/errors.h"

namespace velmora {

void CheckBox::setValue(std::int32_t v)
{
    if (v < Unchecked || v > Grayed) throw invalidPropertyValue();
    setState(v);
}

void OptionButton::setValue(bool v)
{
    if (v)
        for (OptionButton* other : frame_.buttons())
            if (other != this && other->selected()) other->setSelected(false);
    setSelected(v);
}

void Slider::setValue(std::int32_t v)
{
    if (v < min_ || v > max_) throw invalidPropertyValue();
    setPosition(v);
}

}  // namespace velmora
