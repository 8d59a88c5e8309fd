// The registry failing at one operation of a sequence, for every operation in
// turn: exactly that step takes its fallback (a loader) or ends quietly (a
// writer), and every other step does what it does in a run without failure.
#include <algorithm>
#include <functional>
#include <map>
#include <memory>
#include <set>

#include "form1_rig.h"

#include "registry/errors.h"

using namespace velmora;
using namespace velmora::test;

namespace {

using U = MemoryForm1Controls;
using View = std::map<std::string, std::string>;

// What a user sees, one entry per control or option frame.
View view(const U& ui)
{
    View v;
    const std::pair<const char*, const MemoryLabel*> labels[] = {
        {"Label11", &ui.Label11}, {"Label12", &ui.Label12}, {"Label13", &ui.Label13}, {"Label14", &ui.Label14},
        {"Label15", &ui.Label15}, {"Label16", &ui.Label16}, {"Label17", &ui.Label17}, {"Label18", &ui.Label18},
        {"Label19", &ui.Label19}, {"Label20", &ui.Label20}, {"Label23", &ui.Label23}};
    for (const auto& [name, l] : labels) v[name] = l->caption();
    v["Slider1"] = std::to_string(ui.Slider1.value());
    const MemoryCheckBox* boxes[] = {&ui.Check1, &ui.Check2, &ui.Check3, &ui.Check4, &ui.Check5,
                                     &ui.Check6, &ui.Check7, &ui.Check8, &ui.Check9};
    for (int i = 0; i < 9; ++i) v["Check" + std::to_string(i + 1)] = std::to_string(boxes[i]->value());
    const std::pair<const char*, std::vector<int>> frames[] = {
        {"Frame4", {1, 2, 3}}, {"Frame5", {4, 5, 6}}, {"Frame7", {7, 8, 9}}, {"Frame8", {10, 11, 12}},
        {"Frame10", {13, 14}}};
    const std::vector<int> selected = selectedOptions(ui);
    for (const auto& [frame, options] : frames) {
        std::string s = "none";
        for (int o : options)
            if (std::count(selected.begin(), selected.end(), o)) s = "Option" + std::to_string(o);
        v[frame] = s;
    }
    return v;
}

// One row per step of the load sequence: the data stored for it, what it
// shows from that data, what it shows instead when its read fails, and the
// control whose refusal of that fallback stops the sequence.
struct LoadStep {
    const char* procedure;
    StoredValue data;
    View shown;
    View fallback;
    std::function<void(U&)> refuseFallback;
};

template <class Control>
std::function<void(U&)> refuse(Control U::*c)
{
    return [c](U& ui) { (ui.*c).refuse = true; };
}

StoredValue binary(std::initializer_list<std::uint8_t> b) { return {regtype::Binary, b}; }

const std::vector<LoadStep>& loadSteps()
{
    static const std::vector<LoadStep> steps = {
        {"Product_Name", storedText("  Card"), {{"Label11", "Card"}}, {{"Label11", "Unknown"}}, refuse(&U::Label11)},
        {"Manufacturer", storedText("Maker "), {{"Label12", "Maker "}}, {{"Label12", "Unknown"}}, refuse(&U::Label12)},
        {"Bios_Version", storedText("2.18"), {{"Label13", "2.18"}}, {{"Label13", "Unknown"}}, refuse(&U::Label13)},
        {"Driver_Version", storedText(""), {{"Label14", ""}}, {{"Label14", "Unknown"}}, refuse(&U::Label14)},
        {"Driver_Date", storedText("\t11-15"), {{"Label15", "\t11-15"}}, {{"Label15", "Unknown"}}, refuse(&U::Label15)},
        {"Bus_Type", storedText("AGP"), {{"Label16", "AGP"}}, {{"Label16", "Unknown"}}, refuse(&U::Label16)},
        {"Memory_Type", storedText("SDRAM"), {{"Label17", "SDRAM"}}, {{"Label17", "Unknown"}}, refuse(&U::Label17)},
        {"Total_Video_Memory", storedDword(16), {{"Label18", "16"}}, {{"Label18", "Unknown"}}, refuse(&U::Label18)},
        {"Lcd", storedText("No"), {{"Label19", "No"}}, {{"Label19", "Unknown"}}, refuse(&U::Label19)},
        {"Tv_Out", storedText("Yes"), {{"Label20", "Yes"}}, {{"Label20", "Unknown"}}, refuse(&U::Label20)},
        {"Grxclock", storedText("180.4"), {{"Label23", "180.4"}, {"Slider1", "180"}},
         {{"Label23", "Default"}, {"Slider1", "143"}}, refuse(&U::Label23)},
        {"Checkclk", storedDword(0), {{"Check1", "0"}}, {{"Check1", "1"}}, refuse(&U::Check1)},
        {"SSTH3_SWAPINTERVAL", binary({}), {{"Check2", "1"}}, {{"Check2", "0"}}, refuse(&U::Check2)},
        {"SSTH3_ANTIALIAS", storedText("2"), {{"Check3", "2"}}, {{"Check3", "0"}}, refuse(&U::Check3)},
        {"SSTH3_OVERLAYMODE", storedText("3"), {{"Frame4", "Option3"}}, {{"Frame4", "Option2"}}, refuse(&U::Option2)},
        {"SSTH3_ALPHADITHERMODE", storedDword(2), {{"Frame5", "Option4"}}, {{"Frame5", "Option5"}},
         refuse(&U::Option5)},
        {"FX_GLIDE_SWAPINTERVAL", storedText("0"), {{"Check4", "1"}}, {{"Check4", "0"}}, refuse(&U::Check4)},
        {"FX_GLIDE_NO_SPLASH", binary({1, 2, 3}), {{"Check5", "1"}}, {{"Check5", "0"}}, refuse(&U::Check5)},
        {"FX_GLIDE_LOD_DITHER", storedDword(1), {{"Check6", "1"}}, {{"Check6", "0"}}, refuse(&U::Check6)},
        {"FX_GLIDE_ALLOC_COLOR", storedText(""), {{"Check7", "1"}}, {{"Check7", "0"}}, refuse(&U::Check7)},
        {"FX_GLIDE_TMU_MEMSIZE", storedText("2"), {{"Check8", "1"}}, {{"Check8", "0"}}, refuse(&U::Check8)},
        {"SSTH3_OVERLAYMODE_GLIDE", storedText("1"), {{"Frame7", "Option8"}}, {{"Frame7", "Option7"}},
         refuse(&U::Option7)},
        {"SSTH3_ALPHADITHERMODE_GLIDE", storedText("3"), {{"Frame8", "Option12"}}, {{"Frame8", "Option10"}},
         refuse(&U::Option10)},
        {"Advanced", storedDword(1), {{"Check9", "1"}}, {{"Check9", "0"}}, refuse(&U::Check9)},
        {"RefreshRate", storedText("-1"), {{"Frame10", "Option14"}}, {{"Frame10", "Option13"}}, refuse(&U::Option13)},
    };
    return steps;
}

View overlay(View base, const View& top)
{
    for (const auto& [k, v] : top) base[k] = v;
    return base;
}

// Every value of the load sequence stored, each with data its step shows.
std::unique_ptr<Rig> loadRig()
{
    auto rig = std::make_unique<Rig>();
    for (std::size_t i = 0; i < loaders().size(); ++i)
        rig->store.set(loaders()[i].root, loaders()[i].key, loaders()[i].name, loadSteps()[i].data);
    return rig;
}

void failAt(MemoryStore& store, std::size_t index)
{
    store.failWhen = [index](const MemoryStore::Call& c) { return c.index == index; };
}

}  // namespace

TEST(FailureAtEveryStep, LoadTakesTheFallbackOfExactlyTheFailingStep)
{
    ASSERT_EQ(loadSteps().size(), loaders().size());
    auto clean = loadRig();
    const View designed = view(clean->ui);
    clean->form.Form_Load();
    View expectedClean = designed;
    for (std::size_t i = 0; i < loadSteps().size(); ++i) {
        ASSERT_STREQ(loadSteps()[i].procedure, loaders()[i].procedure);
        expectedClean = overlay(expectedClean, loadSteps()[i].shown);
    }
    ASSERT_EQ(view(clean->ui), expectedClean);
    ASSERT_EQ(clean->store.operationCount(), loadSteps().size());

    for (std::size_t i = 0; i < loadSteps().size(); ++i) {
        SCOPED_TRACE(loadSteps()[i].procedure);
        auto rig = loadRig();
        failAt(rig->store, i);
        EXPECT_NO_THROW(rig->form.Form_Load());
        EXPECT_EQ(view(rig->ui), overlay(expectedClean, loadSteps()[i].fallback));
        // Every step asked the component exactly what it asks in the clean run.
        EXPECT_EQ(rig->store.log(), clean->store.log());
    }
}

TEST(FailureAtEveryStep, AFailingFallbackStopsTheLoadAtThatStep)
{
    for (std::size_t i = 0; i < loadSteps().size(); ++i) {
        SCOPED_TRACE(loadSteps()[i].procedure);
        auto rig = loadRig();
        View expected = view(rig->ui);  // later steps, and the refusing control, stay as designed
        for (std::size_t j = 0; j < i; ++j) expected = overlay(expected, loadSteps()[j].shown);

        failAt(rig->store, i);
        loadSteps()[i].refuseFallback(rig->ui);
        try {
            rig->form.Form_Load();
            ADD_FAILURE() << "the load sequence went on past a failed fallback";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.number(), err::InvalidPropertyValue);
            EXPECT_EQ(e.description(), "Invalid property value");
        }
        EXPECT_EQ(rig->store.operationCount(), i + 1);
        EXPECT_EQ(view(rig->ui), expected);
    }
}

namespace {

// Between them, these control states make every writer act at least once:
// boxes alternate between writing and removing, and each option is selected once.
const std::function<void(U&)> kApplyArrangements[] = {
    [](U& ui) {
        ui.Slider1.setValue(250);
        for (auto* o : {&ui.Option1, &ui.Option4, &ui.Option7, &ui.Option10, &ui.Option13}) o->setValue(true);
        for (auto* c : {&ui.Check1, &ui.Check3, &ui.Check5, &ui.Check7, &ui.Check9}) c->setValue(CheckBox::Checked);
    },
    [](U& ui) {
        for (auto* o : {&ui.Option2, &ui.Option5, &ui.Option8, &ui.Option11, &ui.Option14}) o->setValue(true);
        for (auto* c : {&ui.Check2, &ui.Check4, &ui.Check6, &ui.Check8}) c->setValue(CheckBox::Checked);
        ui.Check1.setValue(CheckBox::Grayed);
    },
    [](U& ui) {
        for (auto* o : {&ui.Option3, &ui.Option6, &ui.Option9, &ui.Option12}) o->setValue(true);
    },
};

const Procedure kWriters[] = {
    &Form1::process1,  &Form1::process2,  &Form1::process3,  &Form1::process4,  &Form1::process5,  &Form1::process6,
    &Form1::process7,  &Form1::process8,  &Form1::process9,  &Form1::process10, &Form1::process11, &Form1::process12,
    &Form1::process13, &Form1::process14, &Form1::process15, &Form1::process16, &Form1::process17, &Form1::process18,
    &Form1::process19, &Form1::process20, &Form1::process21, &Form1::process22, &Form1::process23, &Form1::process24,
};

// Every value "Apply" can touch holds old data, so that a write, a removal
// and a step that did nothing all leave a different trace.
std::unique_ptr<Rig> applyRig(const std::function<void(U&)>& arrange)
{
    auto rig = std::make_unique<Rig>();
    for (const LoaderRow& row : loaders())
        if (row.key != kDriver && row.key != kAdapter) rig->store.set(row.root, row.key, row.name, binary({0xEE}));
    arrange(rig->ui);
    return rig;
}

using Calls = std::vector<MemoryStore::Call>;

}  // namespace

TEST(FailureAtEveryStep, ApplyEndsExactlyTheFailingWriterQuietly)
{
    std::set<std::size_t> writersThatActed;
    for (const auto& arrange : kApplyArrangements) {
        // The clean run, and which writer each operation of it belongs to.
        auto clean = applyRig(arrange);
        const MemoryStore before = clean->store;
        Calls calls;
        clean->store.failWhen = [&calls](const MemoryStore::Call& c) {
            calls.push_back(c);
            return false;
        };
        clean->form.Command1_Click();
        clean->store.failWhen = nullptr;

        std::vector<std::size_t> writerOf;
        auto single = applyRig(arrange);
        for (std::size_t w = 0; w < std::size(kWriters); ++w) {
            const std::size_t start = single->store.operationCount();
            (single->form.*kWriters[w])();
            for (std::size_t k = start; k < single->store.operationCount(); ++k) writerOf.push_back(w);
        }
        ASSERT_EQ(writerOf.size(), calls.size());
        writersThatActed.insert(writerOf.begin(), writerOf.end());

        for (std::size_t k = 0; k < calls.size(); ++k) {
            const MemoryStore::Call& failing = calls[k];
            SCOPED_TRACE("operation " + std::to_string(k) + " of process" + std::to_string(writerOf[k] + 1) + " on " +
                         failing.name);
            auto rig = applyRig(arrange);
            const View controls = view(rig->ui);
            Calls seen;
            rig->store.failWhen = [&seen, k](const MemoryStore::Call& c) {
                seen.push_back(c);
                return c.index == k;
            };
            EXPECT_NO_THROW(rig->form.Command1_Click());

            // The failed operation changed nothing; everything else as in the clean run.
            MemoryStore expected = clean->store;
            if (auto old = before.get(failing.hive, failing.key, failing.name))
                expected.set(failing.hive, failing.key, failing.name, *old);
            else
                expected.remove(failing.hive, failing.key, failing.name);
            EXPECT_EQ(rig->store.dump(), expected.dump());
            ASSERT_EQ(seen.size(), calls.size());
            for (std::size_t j = 0; j < calls.size(); ++j) {
                EXPECT_EQ(seen[j].op, calls[j].op) << j;
                EXPECT_EQ(seen[j].name, calls[j].name) << j;
                EXPECT_EQ(seen[j].key, calls[j].key) << j;
            }
            EXPECT_EQ(view(rig->ui), controls);
        }
    }
    EXPECT_EQ(writersThatActed.size(), std::size(kWriters));
}
