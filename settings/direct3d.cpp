// The "DirectX Options" tab. Both mode frames store 2 for the top option,
// 1 for the middle "Automatic" and 3 for the bottom one, and fall back to
// "Automatic".
#include "app/form1.h"

namespace velmora {

Status Form1::SSTH3_SWAPINTERVAL() { return loadPresence(kDirect3DKey, kD3DSwapInterval, ui_.Check2); }
Status Form1::SSTH3_ANTIALIAS() { return loadNumber(kDirect3DKey, kAntiAlias, ui_.Check3, CheckBox::Unchecked); }
Status Form1::SSTH3_OVERLAYMODE()
{
    return loadChoice(kDirect3DKey, kOverlayModeName, {{"1", ui_.Option2}, {"2", ui_.Option1}, {"3", ui_.Option3}}, ui_.Option2);
}
Status Form1::SSTH3_ALPHADITHERMODE()
{
    return loadChoice(kDirect3DKey, kAlphaDitherModeName, {{"1", ui_.Option5}, {"2", ui_.Option4}, {"3", ui_.Option6}}, ui_.Option5);
}

Status Form1::process3() { return writePresence(kDirect3DKey, kD3DSwapInterval, ui_.Check2, 0); }
Status Form1::process4() { return writeFlag(kDirect3DKey, kAntiAlias, ui_.Check3, kStoredAsText); }
Status Form1::process5() { return writeChoice(kDirect3DKey, kOverlayModeName, ui_.Option1, 2); }
Status Form1::process6() { return writeChoice(kDirect3DKey, kOverlayModeName, ui_.Option2, 1); }
Status Form1::process7() { return writeChoice(kDirect3DKey, kOverlayModeName, ui_.Option3, 3); }
Status Form1::process8() { return writeChoice(kDirect3DKey, kAlphaDitherModeName, ui_.Option4, 2); }
Status Form1::process9() { return writeChoice(kDirect3DKey, kAlphaDitherModeName, ui_.Option5, 1); }
Status Form1::process10() { return writeChoice(kDirect3DKey, kAlphaDitherModeName, ui_.Option6, 3); }

}  // namespace velmora
