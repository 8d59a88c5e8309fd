// The "Glide Options" tab. The five check boxes are on by the mere presence
// of their value; the mode frames code like the Direct3D ones but fall back
// to their top option.
#include "app/form1.h"
#include "driver/glide_overrides.h"

namespace velmora {
namespace {

constexpr const SettingKey& kGlide = kGlideOptionsKey;

}  // namespace

Status Form1::FX_GLIDE_SWAPINTERVAL() { return loadPresence(kGlide, kGlideSwapInterval, ui_.Check4); }
Status Form1::FX_GLIDE_NO_SPLASH() { return loadPresence(kGlide, kGlideNoSplash, ui_.Check5); }
Status Form1::FX_GLIDE_LOD_DITHER() { return loadPresence(kGlide, kGlideLodDither, ui_.Check6); }
Status Form1::FX_GLIDE_ALLOC_COLOR() { return loadPresence(kGlide, kGlideAllocColor, ui_.Check7); }
Status Form1::FX_GLIDE_TMU_MEMSIZE() { return loadPresence(kGlide, kGlideTmuMemSize, ui_.Check8); }
Status Form1::SSTH3_OVERLAYMODE_GLIDE()
{
    return loadChoice(kGlide, kOverlayModeName, {{"1", ui_.Option8}, {"2", ui_.Option7}, {"3", ui_.Option9}}, ui_.Option7);
}
Status Form1::SSTH3_ALPHADITHERMODE_GLIDE()
{
    return loadChoice(kGlide, kAlphaDitherModeName, {{"1", ui_.Option11}, {"2", ui_.Option10}, {"3", ui_.Option12}},
               ui_.Option10);
}

Status Form1::process11() { return writePresence(kGlide, kGlideSwapInterval, ui_.Check4, kSwapIntervalChecked); }
Status Form1::process12() { return writePresence(kGlide, kGlideNoSplash, ui_.Check5, 1); }
Status Form1::process13() { return writePresence(kGlide, kGlideLodDither, ui_.Check6, 1); }
Status Form1::process14() { return writePresence(kGlide, kGlideAllocColor, ui_.Check7, kAllocColorChecked); }
Status Form1::process15() { return writePresence(kGlide, kGlideTmuMemSize, ui_.Check8, kTmuMemSizeChecked); }
Status Form1::process16() { return writeChoice(kGlide, kOverlayModeName, ui_.Option7, 2); }
Status Form1::process17() { return writeChoice(kGlide, kOverlayModeName, ui_.Option8, 1); }
Status Form1::process18() { return writeChoice(kGlide, kOverlayModeName, ui_.Option9, 3); }
Status Form1::process19() { return writeChoice(kGlide, kAlphaDitherModeName, ui_.Option10, 2); }
Status Form1::process20() { return writeChoice(kGlide, kAlphaDitherModeName, ui_.Option11, 1); }
Status Form1::process21() { return writeChoice(kGlide, kAlphaDitherModeName, ui_.Option12, 3); }

}  // namespace velmora
