// The "Glide Options" tab. The five check boxes are on by the mere presence
// of their value; the mode frames code like the Direct3D ones but fall back
// to their top option.
#include "app/form1.h"

namespace velmora {
namespace {

constexpr SettingKey kGlide{hive::LocalMachine, kDriverKeyPath, "Glide"};
constexpr char kSwapInterval[] = "FX_GLIDE_SWAPINTERVAL";
constexpr char kNoSplash[] = "FX_GLIDE_NO_SPLASH";
constexpr char kLodDither[] = "FX_GLIDE_LOD_DITHER";
constexpr char kAllocColor[] = "FX_GLIDE_ALLOC_COLOR";
constexpr char kTmuMemSize[] = "FX_GLIDE_TMU_MEMSIZE";

}  // namespace

void Form1::FX_GLIDE_SWAPINTERVAL() { loadPresence(kGlide, kSwapInterval, ui_.Check4); }
void Form1::FX_GLIDE_NO_SPLASH() { loadPresence(kGlide, kNoSplash, ui_.Check5); }
void Form1::FX_GLIDE_LOD_DITHER() { loadPresence(kGlide, kLodDither, ui_.Check6); }
void Form1::FX_GLIDE_ALLOC_COLOR() { loadPresence(kGlide, kAllocColor, ui_.Check7); }
void Form1::FX_GLIDE_TMU_MEMSIZE() { loadPresence(kGlide, kTmuMemSize, ui_.Check8); }
void Form1::SSTH3_OVERLAYMODE_GLIDE()
{
    loadChoice(kGlide, kOverlayModeName, {{"1", ui_.Option8}, {"2", ui_.Option7}, {"3", ui_.Option9}}, ui_.Option7);
}
void Form1::SSTH3_ALPHADITHERMODE_GLIDE()
{
    loadChoice(kGlide, kAlphaDitherModeName, {{"1", ui_.Option11}, {"2", ui_.Option10}, {"3", ui_.Option12}},
               ui_.Option10);
}

void Form1::process11() { writePresence(kGlide, kSwapInterval, ui_.Check4, 0); }
void Form1::process12() { writePresence(kGlide, kNoSplash, ui_.Check5, 1); }
void Form1::process13() { writePresence(kGlide, kLodDither, ui_.Check6, 1); }
void Form1::process14() { writePresence(kGlide, kAllocColor, ui_.Check7, 3); }
void Form1::process15() { writePresence(kGlide, kTmuMemSize, ui_.Check8, 2); }
void Form1::process16() { writeChoice(kGlide, kOverlayModeName, ui_.Option7, 2); }
void Form1::process17() { writeChoice(kGlide, kOverlayModeName, ui_.Option8, 1); }
void Form1::process18() { writeChoice(kGlide, kOverlayModeName, ui_.Option9, 3); }
void Form1::process19() { writeChoice(kGlide, kAlphaDitherModeName, ui_.Option10, 2); }
void Form1::process20() { writeChoice(kGlide, kAlphaDitherModeName, ui_.Option11, 1); }
void Form1::process21() { writeChoice(kGlide, kAlphaDitherModeName, ui_.Option12, 3); }

}  // namespace velmora
