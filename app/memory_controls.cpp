#include "app/memory_controls.h"

#include "registry/errors.h"

namespace velmora {

void MemoryLabel::setCaption(const std::string& text)
{
    if (refuse) throw invalidPropertyValue();
    caption_ = text;
}

void MemoryCheckBox::setState(std::int32_t v)
{
    if (refuse) throw invalidPropertyValue();
    state_ = v;
}

void MemoryOptionButton::setSelected(bool v)
{
    if (refuse) throw invalidPropertyValue();
    selected_ = v;
}

void MemorySlider::setPosition(std::int32_t v)
{
    if (refuse) throw invalidPropertyValue();
    position_ = v;
}

}  // namespace velmora
