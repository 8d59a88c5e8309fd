// The load and apply sequences as a whole: order, fallbacks of a whole
// window, what "Apply" leaves in the registry, and a failure that escapes.
#include <algorithm>

#include "form1_rig.h"

#include "registry/errors.h"

using namespace velmora;
using namespace velmora::test;

namespace {

const Procedure kWriters[] = {
    &Form1::process1,  &Form1::process2,  &Form1::process3,  &Form1::process4,  &Form1::process5,  &Form1::process6,
    &Form1::process7,  &Form1::process8,  &Form1::process9,  &Form1::process10, &Form1::process11, &Form1::process12,
    &Form1::process13, &Form1::process14, &Form1::process15, &Form1::process16, &Form1::process17, &Form1::process18,
    &Form1::process19, &Form1::process20, &Form1::process21, &Form1::process22, &Form1::process23, &Form1::process24,
};

// What every tab shows when nothing could be read.
const std::string kFallbackWindow =
    "Unknown|Unknown|Unknown|Unknown|Unknown|Unknown|Unknown|Unknown|Unknown|Unknown|Default@143 "
    "boxes 100000000 options 2 5 7 10 13";

std::size_t count(const Log& log, const std::string& entry) { return std::count(log.begin(), log.end(), entry); }

}  // namespace

TEST(LoadSequence, StartsFromTheDesignedStatesAndRunsTheLoadersInOrder)
{
    Rig rig;
    EXPECT_EQ(snapshot(rig.ui), "||||||||||@143 boxes 000000000 options");
    rig.form.Form_Load();
    Log expected;
    for (const LoaderRow& row : loaders()) {
        const Log one = readLog(row.root, row.key, row.name);
        expected.insert(expected.end(), one.begin(), one.end());
    }
    EXPECT_EQ(rig.store.log(), expected);
}

TEST(ApplySequence, RunsProcess1To24InOrder)
{
    // Three arrangements between them select every option once.
    const std::function<void(MemoryForm1Controls&)> arrangements[] = {
        [](MemoryForm1Controls& ui) {
            for (auto* o : {&ui.Option1, &ui.Option4, &ui.Option7, &ui.Option10, &ui.Option13}) o->setValue(true);
            for (auto* c : {&ui.Check1, &ui.Check3, &ui.Check5, &ui.Check7, &ui.Check9}) c->setValue(1);
        },
        [](MemoryForm1Controls& ui) {
            for (auto* o : {&ui.Option2, &ui.Option5, &ui.Option8, &ui.Option11, &ui.Option14}) o->setValue(true);
            for (auto* c : {&ui.Check2, &ui.Check4, &ui.Check6, &ui.Check8}) c->setValue(1);
        },
        [](MemoryForm1Controls& ui) {
            for (auto* o : {&ui.Option3, &ui.Option6, &ui.Option9, &ui.Option12}) o->setValue(true);
        },
    };
    for (const auto& arrange : arrangements) {
        Rig sequence, oneByOne;
        arrange(sequence.ui);
        arrange(oneByOne.ui);
        sequence.form.Command1_Click();
        for (Procedure p : kWriters) (oneByOne.form.*p)();
        EXPECT_EQ(sequence.store.log(), oneByOne.store.log());
        EXPECT_EQ(sequence.store.dump(), oneByOne.store.dump());
    }
}

TEST(Sequences, AFailingRegistryShowsEveryFallbackAndApplyChangesNothing)
{
    Rig rig;
    rig.store.set(LM, kDriver, "DriverDesc", storedText("Card"));
    rig.store.set(LM, kDefault, "Grxclock", storedText("180"));
    rig.store.set(LM, kD3D, "SSTH3_OVERLAYMODE", storedText("3"));
    rig.store.set(CC, kDisplay, "Advanced", storedDword(1));
    const auto before = rig.store.dump();
    rig.store.failAll();

    rig.form.Form_Load();
    EXPECT_EQ(snapshot(rig.ui), kFallbackWindow);
    EXPECT_EQ(rig.store.operationCount(), 25u);

    rig.form.Command1_Click();
    EXPECT_EQ(rig.store.dump(), before);
    // Each failed writer ended quietly and the next still ran: 8 writes of
    // the selected options and the flags, 6 removals, process1 and process2.
    EXPECT_EQ(rig.store.operationCount(), 25u + 15u);
}

TEST(Sequences, AnEmptyRegistryShowsTheFallbacksAndApplyWritesOnlyTheDefaults)
{
    Rig rig;
    rig.form.Form_Load();
    EXPECT_EQ(snapshot(rig.ui), kFallbackWindow);

    rig.store.clearLog();
    rig.form.Command1_Click();
    MemoryStore expected;
    expected.set(LM, kDefault, "Grxclock", storedText("143"));
    expected.set(LM, kDefault, "CheckClk", storedDword(1));
    expected.set(LM, kD3D, "SSTH3_ANTIALIAS", storedText("0"));
    expected.set(LM, kD3D, "SSTH3_OVERLAYMODE", storedText("1"));
    expected.set(LM, kD3D, "SSTH3_ALPHADITHERMODE", storedText("1"));
    expected.set(LM, kGlide, "SSTH3_OVERLAYMODE", storedText("2"));
    expected.set(LM, kGlide, "SSTH3_ALPHADITHERMODE", storedText("2"));
    expected.set(CC, kDisplay, "Advanced", storedDword(0));
    expected.set(CC, kDisplay, "RefreshRate", storedText("0"));
    EXPECT_EQ(rig.store.dump(), expected.dump());
    EXPECT_EQ(count(rig.store.log(), "DeleteValue"), 6u);
}

TEST(Sequences, Direct3DAndGlideCopiesOfTheSameNamesStayApart)
{
    Rig rig;
    rig.store.set(LM, kD3D, "SSTH3_OVERLAYMODE", storedText("3"));
    rig.store.set(LM, kGlide, "SSTH3_ALPHADITHERMODE", storedText("3"));
    rig.form.Form_Load();
    EXPECT_EQ(selectedOptions(rig.ui), (std::vector<int>{3, 5, 7, 12, 13}));
    rig.form.Command1_Click();
    EXPECT_EQ(rig.store.get(LM, kD3D, "SSTH3_OVERLAYMODE"), storedText("3"));
    EXPECT_EQ(rig.store.get(LM, kD3D, "SSTH3_ALPHADITHERMODE"), storedText("1"));
    EXPECT_EQ(rig.store.get(LM, kGlide, "SSTH3_OVERLAYMODE"), storedText("2"));
    EXPECT_EQ(rig.store.get(LM, kGlide, "SSTH3_ALPHADITHERMODE"), storedText("3"));
}

TEST(Sequences, AFailureInsideAFallbackStopsTheLoadAtThatStep)
{
    const struct {
        MemoryLabel MemoryForm1Controls::*label;
        std::size_t stepsRun;
    } cases[] = {{&MemoryForm1Controls::Label13, 3}, {&MemoryForm1Controls::Label23, 11}};
    for (const auto& c : cases) {
        Rig rig;
        (rig.ui.*c.label).refuse = true;
        try {
            rig.form.Form_Load();
            ADD_FAILURE() << "the load sequence swallowed the failure";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.number(), err::InvalidPropertyValue);
        }
        EXPECT_EQ(count(rig.store.log(), "ReadValue"), c.stepsRun);
        EXPECT_EQ(rig.ui.Label12.caption(), "Unknown");  // an earlier step ran
        EXPECT_EQ(rig.ui.Check1.value(), 0);             // Checkclk, step 12, did not
    }
}

TEST(Sequences, ApplyPressedTwiceWritesTheSameTwice)
{
    Rig rig;
    rig.store.set(LM, kGlide, "FX_GLIDE_NO_SPLASH", storedText("1"));
    rig.form.Form_Load();
    rig.ui.Check5.setValue(0);
    rig.ui.Slider1.setValue(250);

    rig.store.clearLog();
    rig.form.Command1_Click();
    const Log first = rig.store.log();
    const auto after = rig.store.dump();
    rig.store.clearLog();
    rig.form.Command1_Click();
    EXPECT_EQ(rig.store.log(), first);
    EXPECT_EQ(rig.store.dump(), after);
    EXPECT_FALSE(rig.store.get(LM, kGlide, "FX_GLIDE_NO_SPLASH"));
    EXPECT_EQ(rig.store.get(LM, kDefault, "Grxclock"), storedText("250"));
}
