#pragma once
// Which display driver key holds the card's values. Windows 95 and 98 number
// the keys of display drivers as they are installed: on a machine that had
// another card first, or where the Voodoo3's driver was installed twice, the
// Voodoo3's key is Display\0001 or later, and Display\0000 belongs to another
// card or to nothing.
#include "registry/store.h"

namespace velmora {

inline constexpr char kClassKey[] = "System\\CurrentControlSet\\Services\\Class";

// The key of display driver `number` (0 to 9999): Display\0000 and on.
Text driverKey(int number);

// The driver key of a Voodoo3 present at this start (HKEY_DYN_DATA's
// "Config Manager\Enum" names its device record), else of one recorded in
// HKLM "Enum\PCI", the lowest number first; else Display\0000. A record that
// is unreadable, malformed or names no existing display driver key does not
// count: this never fails. It reads at most 4096 records in all (names listed
// and values read), and then keeps what it found. `how`, where given, says
// which of the three it was.
enum class DriverKeyFound { Present, Recorded, First };
Text findDriverKey(RegistryStore& store, DriverKeyFound* how = nullptr);

}  // namespace velmora
