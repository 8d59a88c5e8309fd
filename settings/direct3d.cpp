// The "DirectX Options" tab. Both mode frames store 2 for the top option,
// 1 for the middle "Automatic" and 3 for the bottom one, and fall back to
// "Automatic".
#include "app/form1.h"

namespace velmora {
namespace {

constexpr SettingKey kD3D{hive::LocalMachine, kDriverKeyPath, "D3D"};
constexpr char kSwapInterval[] = "SSTH3_SWAPINTERVAL";
constexpr char kAntiAlias[] = "SSTH3_ANTIALIAS";

}  // namespace

void Form1::SSTH3_SWAPINTERVAL() { loadPresence(kD3D, kSwapInterval, ui_.Check2); }
void Form1::SSTH3_ANTIALIAS() { loadNumber(kD3D, kAntiAlias, ui_.Check3, CheckBox::Unchecked); }
void Form1::SSTH3_OVERLAYMODE()
{
    loadChoice(kD3D, kOverlayModeName, {{"1", ui_.Option2}, {"2", ui_.Option1}, {"3", ui_.Option3}}, ui_.Option2);
}
void Form1::SSTH3_ALPHADITHERMODE()
{
    loadChoice(kD3D, kAlphaDitherModeName, {{"1", ui_.Option5}, {"2", ui_.Option4}, {"3", ui_.Option6}}, ui_.Option5);
}

void Form1::process3() { writePresence(kD3D, kSwapInterval, ui_.Check2, 0); }
void Form1::process4() { writeFlag(kD3D, kAntiAlias, ui_.Check3, kStoredAsText); }
void Form1::process5() { writeChoice(kD3D, kOverlayModeName, ui_.Option1, 2); }
void Form1::process6() { writeChoice(kD3D, kOverlayModeName, ui_.Option2, 1); }
void Form1::process7() { writeChoice(kD3D, kOverlayModeName, ui_.Option3, 3); }
void Form1::process8() { writeChoice(kD3D, kAlphaDitherModeName, ui_.Option4, 2); }
void Form1::process9() { writeChoice(kD3D, kAlphaDitherModeName, ui_.Option5, 1); }
void Form1::process10() { writeChoice(kD3D, kAlphaDitherModeName, ui_.Option6, 3); }

}  // namespace velmora
