// The "Information" tab: what the display driver records about the card,
// read once at start and never written.
#include "app/form1.h"

namespace velmora {
namespace {

constexpr SettingKey kDriver{hive::LocalMachine, nullptr};
constexpr SettingKey kAdapter{hive::LocalMachine, nullptr,
                              "shellex\\PropertySheetHandlers\\Edge Information\\Data\\Adapter"};

}  // namespace

Status Form1::Product_Name() { return readText(kDriver, "DriverDesc", ui_.Label11); }
Status Form1::Manufacturer() { return readText(kDriver, "ProviderName", ui_.Label12); }
Status Form1::Bios_Version() { return readText(kAdapter, "BIOS Version", ui_.Label13); }
Status Form1::Driver_Version() { return readText(kDriver, "Ver", ui_.Label14); }
Status Form1::Driver_Date() { return readText(kDriver, "DriverDate", ui_.Label15); }
Status Form1::Bus_Type() { return readText(kAdapter, "Bus Type", ui_.Label16); }
Status Form1::Memory_Type() { return readText(kAdapter, "Memory Type", ui_.Label17); }
Status Form1::Total_Video_Memory() { return readText(kAdapter, "Total Video Memory", ui_.Label18); }
Status Form1::Lcd() { return readText(kAdapter, "LCD", ui_.Label19); }
Status Form1::Tv_Out() { return readText(kAdapter, "TV Out", ui_.Label20); }

}  // namespace velmora
