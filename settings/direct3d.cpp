// The "DirectX Options" tab. Both mode frames store 2 for the top option,
// 1 for the middle "Automatic" and 3 for the bottom one, and fall back to
// "Automatic".
#include "app/form1.h"

namespace velmora {
namespace {

constexpr SettingKey kD3D{hive::LocalMachine, nullptr, "D3D"};
constexpr char kSwapInterval[] = "SSTH3_SWAPINTERVAL";
constexpr char kAntiAlias[] = "SSTH3_ANTIALIAS";

}  // namespace

Status Form1::SSTH3_SWAPINTERVAL() { return loadPresence(kD3D, kSwapInterval, ui_.Check2); }
Status Form1::SSTH3_ANTIALIAS() { return loadNumber(kD3D, kAntiAlias, ui_.Check3, CheckBox::Unchecked); }
Status Form1::SSTH3_OVERLAYMODE()
{
    return loadChoice(kD3D, kOverlayModeName, {{"1", ui_.Option2}, {"2", ui_.Option1}, {"3", ui_.Option3}}, ui_.Option2);
}
Status Form1::SSTH3_ALPHADITHERMODE()
{
    return loadChoice(kD3D, kAlphaDitherModeName, {{"1", ui_.Option5}, {"2", ui_.Option4}, {"3", ui_.Option6}}, ui_.Option5);
}

Status Form1::process3() { return writePresence(kD3D, kSwapInterval, ui_.Check2, 0); }
Status Form1::process4() { return writeFlag(kD3D, kAntiAlias, ui_.Check3, kStoredAsText); }
Status Form1::process5() { return writeChoice(kD3D, kOverlayModeName, ui_.Option1, 2); }
Status Form1::process6() { return writeChoice(kD3D, kOverlayModeName, ui_.Option2, 1); }
Status Form1::process7() { return writeChoice(kD3D, kOverlayModeName, ui_.Option3, 3); }
Status Form1::process8() { return writeChoice(kD3D, kAlphaDitherModeName, ui_.Option4, 2); }
Status Form1::process9() { return writeChoice(kD3D, kAlphaDitherModeName, ui_.Option5, 1); }
Status Form1::process10() { return writeChoice(kD3D, kAlphaDitherModeName, ui_.Option6, 3); }

}  // namespace velmora
