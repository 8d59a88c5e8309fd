// Arbitrary stored data (a type and its bytes): text data must read as its
// bytes up to the first zero, and only text and 4-byte numbers have text.
// Then the same data in every value the window reads, through the load
// sequence and "Apply": no failure may escape a procedure.
#include <cstdint>

#include "app/form1.h"
#include "registry/conversions.h"
#include "registry/regedit.h"
#include "tests/fuzz/check.h"
#include "tests/support/doubles.h"

using namespace velmora;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0) return 0;
    const StoredValue stored{data[0] % 12u, Bytes(data + 1, data + size)};

    const Value v = RegEdit::fromStored(stored);
    Text shown;
    const bool isText = stored.type == regtype::Sz || stored.type == regtype::ExpandSz;
    FUZZ_CHECK(toText(v, shown).ok() == (isText || (stored.type == regtype::Dword && size == 5) ||
                                         (stored.type == regtype::DwordBigEndian && size == 5)));
    if (isText) {
        std::size_t n = 0;
        while (n + 1 < size && data[n + 1] != 0) ++n;
        FUZZ_CHECK(shown == Text(reinterpret_cast<const char*>(data) + 1, n));
    }

    // The places the load sequence reads, from a run on an empty registry.
    MemoryStore store;
    RegEdit reg(store);
    MemoryForm1Controls empty, loaded;
    FUZZ_CHECK(Form1(reg, empty.controls()).Form_Load().ok());
    for (const MemoryStore::Call& c : store.calls) store.set(c.hive, c.key, c.name, stored);
    Form1 form(reg, loaded.controls());
    FUZZ_CHECK(form.Form_Load().ok() && form.Command1_Click().ok());
    return 0;
}
