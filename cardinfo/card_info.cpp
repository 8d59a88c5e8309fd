// The "Information" tab: what the display driver records about the card,
// read once at start and never written.
#include "app/form1.h"

namespace velmora {
namespace {

constexpr SettingKey kDriver{hive::LocalMachine, kDriverKeyPath};
constexpr SettingKey kAdapter{hive::LocalMachine, kDriverKeyPath,
                              "shellex\\PropertySheetHandlers\\Edge Information\\Data\\Adapter"};

}  // namespace

void Form1::Product_Name() { readText(kDriver, "DriverDesc", ui_.Label11); }
void Form1::Manufacturer() { readText(kDriver, "ProviderName", ui_.Label12); }
void Form1::Bios_Version() { readText(kAdapter, "BIOS Version", ui_.Label13); }
void Form1::Driver_Version() { readText(kDriver, "Ver", ui_.Label14); }
void Form1::Driver_Date() { readText(kDriver, "DriverDate", ui_.Label15); }
void Form1::Bus_Type() { readText(kAdapter, "Bus Type", ui_.Label16); }
void Form1::Memory_Type() { readText(kAdapter, "Memory Type", ui_.Label17); }
void Form1::Total_Video_Memory() { readText(kAdapter, "Total Video Memory", ui_.Label18); }
void Form1::Lcd() { readText(kAdapter, "LCD", ui_.Label19); }
void Form1::Tv_Out() { readText(kAdapter, "TV Out", ui_.Label20); }

}  // namespace velmora
