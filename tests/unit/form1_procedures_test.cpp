// The setting procedures one at a time, grouped by shape: what each asks of
// the registry component and what it leaves in the controls.
#include <functional>
#include <memory>
#include <optional>

#include "form1_rig.h"

using namespace velmora;
using namespace velmora::test;

namespace {

const LoaderRow& rowOf(Procedure p)
{
    for (const LoaderRow& r : loaders())
        if (r.run == p) return r;
    throw std::logic_error("not a loader");
}

void store(Rig& rig, const LoaderRow& row, const std::optional<StoredValue>& data)
{
    if (data) rig.store.set(row.root, row.key, row.name, *data);
}

using Arrange = std::function<void(MemoryForm1Controls&, bool on)>;

// "Off" is the grayed state, which must count as not checked.
Arrange box(MemoryCheckBox MemoryForm1Controls::*b)
{
    return [b](MemoryForm1Controls& ui, bool on) { (ui.*b).setValue(on ? CheckBox::Checked : CheckBox::Grayed); };
}

Arrange option(MemoryOptionButton MemoryForm1Controls::*o)
{
    return [o](MemoryForm1Controls& ui, bool on) { (ui.*o).setValue(on); };
}

enum class Otherwise { Nothing, WritesZero, Removes };

struct WriterRow {
    const char* procedure;
    Procedure run;
    Arrange arrange;
    std::int32_t root;
    std::string key;
    std::int32_t type;
    std::string name;
    std::string value;
    Otherwise otherwise;
};

using U = MemoryForm1Controls;
const std::string kOverlay = "SSTH3_OVERLAYMODE";
const std::string kDither = "SSTH3_ALPHADITHERMODE";

const std::vector<WriterRow> kWriters = {
    {"process1", &Form1::process1, [](U& ui, bool) { ui.Slider1.setValue(180); }, LM, kDefault, 0, "Grxclock",
     "Long(180)", Otherwise::Nothing},
    {"process2", &Form1::process2, box(&U::Check1), LM, kDefault, 1, "CheckClk", "Integer(1)", Otherwise::WritesZero},
    {"process3", &Form1::process3, box(&U::Check2), LM, kD3D, 0, "SSTH3_SWAPINTERVAL", "Integer(0)", Otherwise::Removes},
    {"process4", &Form1::process4, box(&U::Check3), LM, kD3D, 0, "SSTH3_ANTIALIAS", "Integer(1)", Otherwise::WritesZero},
    {"process5", &Form1::process5, option(&U::Option1), LM, kD3D, 0, kOverlay, "Integer(2)", Otherwise::Nothing},
    {"process6", &Form1::process6, option(&U::Option2), LM, kD3D, 0, kOverlay, "Integer(1)", Otherwise::Nothing},
    {"process7", &Form1::process7, option(&U::Option3), LM, kD3D, 0, kOverlay, "Integer(3)", Otherwise::Nothing},
    {"process8", &Form1::process8, option(&U::Option4), LM, kD3D, 0, kDither, "Integer(2)", Otherwise::Nothing},
    {"process9", &Form1::process9, option(&U::Option5), LM, kD3D, 0, kDither, "Integer(1)", Otherwise::Nothing},
    {"process10", &Form1::process10, option(&U::Option6), LM, kD3D, 0, kDither, "Integer(3)", Otherwise::Nothing},
    {"process11", &Form1::process11, box(&U::Check4), LM, kGlide, 0, "FX_GLIDE_SWAPINTERVAL", "Integer(0)", Otherwise::Removes},
    {"process12", &Form1::process12, box(&U::Check5), LM, kGlide, 0, "FX_GLIDE_NO_SPLASH", "Integer(1)", Otherwise::Removes},
    {"process13", &Form1::process13, box(&U::Check6), LM, kGlide, 0, "FX_GLIDE_LOD_DITHER", "Integer(1)", Otherwise::Removes},
    {"process14", &Form1::process14, box(&U::Check7), LM, kGlide, 0, "FX_GLIDE_ALLOC_COLOR", "Integer(3)", Otherwise::Removes},
    {"process15", &Form1::process15, box(&U::Check8), LM, kGlide, 0, "FX_GLIDE_TMU_MEMSIZE", "Integer(2)", Otherwise::Removes},
    {"process16", &Form1::process16, option(&U::Option7), LM, kGlide, 0, kOverlay, "Integer(2)", Otherwise::Nothing},
    {"process17", &Form1::process17, option(&U::Option8), LM, kGlide, 0, kOverlay, "Integer(1)", Otherwise::Nothing},
    {"process18", &Form1::process18, option(&U::Option9), LM, kGlide, 0, kOverlay, "Integer(3)", Otherwise::Nothing},
    {"process19", &Form1::process19, option(&U::Option10), LM, kGlide, 0, kDither, "Integer(2)", Otherwise::Nothing},
    {"process20", &Form1::process20, option(&U::Option11), LM, kGlide, 0, kDither, "Integer(1)", Otherwise::Nothing},
    {"process21", &Form1::process21, option(&U::Option12), LM, kGlide, 0, kDither, "Integer(3)", Otherwise::Nothing},
    {"process22", &Form1::process22, box(&U::Check9), CC, kDisplay, 1, "Advanced", "Integer(1)", Otherwise::WritesZero},
    {"process23", &Form1::process23, option(&U::Option13), CC, kDisplay, 0, "RefreshRate", "Integer(0)", Otherwise::Nothing},
    {"process24", &Form1::process24, option(&U::Option14), CC, kDisplay, 0, "RefreshRate", "Integer(-1)", Otherwise::Nothing},
};

}  // namespace

TEST(ReadShape, EveryLoaderSetsRootKeyPathNameThenReads)
{
    for (const LoaderRow& row : loaders()) {
        Rig rig;
        (rig.form.*row.run)();
        EXPECT_EQ(rig.store.log(), readLog(row.root, row.key, row.name)) << row.procedure;
    }
}

TEST(WriteShapes, EachWriterWritesItsCodeOrRemovesOrLeavesAlone)
{
    for (const WriterRow& w : kWriters) {
        SCOPED_TRACE(w.procedure);
        Rig on;
        w.arrange(on.ui, true);
        (on.form.*w.run)();
        EXPECT_EQ(on.store.log(), writeLog(w.root, w.key, w.type, w.name, w.value));

        if (w.run == &Form1::process1) continue;  // the clock writer always writes
        Rig off;
        w.arrange(off.ui, false);
        (off.form.*w.run)();
        const Log expected = w.otherwise == Otherwise::WritesZero ? writeLog(w.root, w.key, w.type, w.name, "Integer(0)")
                             : w.otherwise == Otherwise::Removes  ? removeLog(w.root, w.key, w.name)
                                                                  : Log{};
        EXPECT_EQ(off.store.log(), expected);
    }
}

TEST(TextReader, ShowsTheTextWithoutLeadingSpacesOrUnknown)
{
    const struct {
        std::optional<StoredValue> data;
        std::string shown;
    } cases[] = {
        {storedText("   Card 3  "), "Card 3  "},
        {storedText("\t Card"), "\t Card"},
        {storedText(""), ""},
        {storedText("    "), ""},
        {storedDword(16777216), "16777216"},
        {StoredValue{regtype::Binary, {1, 2}}, "Unknown"},  // exists, but has no text
        {std::nullopt, "Unknown"},
    };
    for (const auto& c : cases) {
        Rig rig;
        store(rig, rowOf(&Form1::Driver_Version), c.data);
        rig.form.Driver_Version();
        EXPECT_EQ(rig.ui.Label14.caption(), c.shown);
    }
}

TEST(ClockLoader, LabelShowsTheDataAndTheSliderFollowsTheLabel)
{
    const struct {
        std::optional<StoredValue> data;
        char separator;
        std::string label;
        std::int32_t slider;
    } cases[] = {
        {storedText("180"), '.', "180", 180},
        {storedText(" 180"), '.', "180", 180},
        {storedDword(250), '.', "250", 250},
        {storedText("200.4"), '.', "200.4", 200},
        {storedText("200,4"), ',', "200,4", 200},
        // The fallback leaves the slider where it stood (199 here).
        {storedText("200.4"), ',', "Default", 199},
        {storedText("Default"), '.', "Default", 199},
        {storedText(""), '.', "Default", 199},
        {storedText("300"), '.', "Default", 199},
        {storedText("142"), '.', "Default", 199},
        {std::nullopt, '.', "Default", 199},
    };
    for (const auto& c : cases) {
        Rig rig(c.separator);
        rig.ui.Slider1.setValue(199);
        store(rig, rowOf(&Form1::Grxclock), c.data);
        rig.form.Grxclock();
        EXPECT_EQ(rig.ui.Label23.caption(), c.label) << c.label;
        EXPECT_EQ(rig.ui.Slider1.value(), c.slider) << c.label;
    }
}

TEST(ClockLoader, LabelFollowsTheUserMovingTheSlider)
{
    Rig rig;
    rig.ui.Label23.setCaption("Default");
    for (std::int32_t position : {250, 143, 187}) {
        rig.ui.Slider1.setValue(position);
        rig.form.Slider1_Scroll();
        EXPECT_EQ(rig.ui.Label23.caption(), std::to_string(position));
    }
}

TEST(NumberLoader, BoxTakesZeroOneOrTwoElseItsFallback)
{
    const struct {
        Procedure run;
        MemoryCheckBox U::*box;
        std::int32_t fallback;
    } loadersOfNumbers[] = {{&Form1::Checkclk, &U::Check1, 1}, {&Form1::SSTH3_ANTIALIAS, &U::Check3, 0}};
    const struct {
        std::optional<StoredValue> data;
        std::optional<std::int32_t> state;  // none: the fallback
    } cases[] = {
        {storedText("0"), 0},     {storedText("1"), 1},         {storedText("2"), 2}, {storedText(" 2 "), 2},
        {storedDword(1), 1},      {storedText("3"), {}},        {storedText("-1"), {}},
        {storedText("on"), {}},   {storedText(""), {}},          {std::nullopt, {}},
    };
    for (const auto& l : loadersOfNumbers)
        for (const auto& c : cases) {
            Rig rig;
            const std::int32_t expected = c.state.value_or(l.fallback);
            (rig.ui.*l.box).setValue((expected + 1) % 3);  // start elsewhere, so that a change shows
            store(rig, rowOf(l.run), c.data);
            (rig.form.*l.run)();
            EXPECT_EQ((rig.ui.*l.box).value(), expected) << rowOf(l.run).procedure;
        }
}

TEST(PresenceLoader, AnyDataChecksTheBoxAndAbsenceClearsIt)
{
    const std::pair<Procedure, MemoryCheckBox U::*> presence[] = {
        {&Form1::SSTH3_SWAPINTERVAL, &U::Check2},   {&Form1::FX_GLIDE_SWAPINTERVAL, &U::Check4},
        {&Form1::FX_GLIDE_NO_SPLASH, &U::Check5},   {&Form1::FX_GLIDE_LOD_DITHER, &U::Check6},
        {&Form1::FX_GLIDE_ALLOC_COLOR, &U::Check7}, {&Form1::FX_GLIDE_TMU_MEMSIZE, &U::Check8},
    };
    const std::pair<std::optional<StoredValue>, std::int32_t> cases[] = {
        {storedText("1"), 1}, {storedDword(0), 1}, {storedText(""), 1}, {StoredValue{regtype::Binary, {}}, 1},
        {std::nullopt, 0},
    };
    for (const auto& [run, box] : presence)
        for (const auto& [data, state] : cases) {
            Rig rig;
            (rig.ui.*box).setValue(state == 1 ? CheckBox::Grayed : CheckBox::Checked);
            store(rig, rowOf(run), data);
            (rig.form.*run)();
            EXPECT_EQ((rig.ui.*box).value(), state) << rowOf(run).procedure;
        }
}

TEST(ChoiceLoader, CodesSelectTheirOptionExactlyAndFailureSelectsTheDefault)
{
    const struct {
        Procedure run;
        std::vector<std::pair<std::string, int>> codes;  // code, option number
        int fallback;
    } choices[] = {
        {&Form1::SSTH3_OVERLAYMODE, {{"1", 2}, {"2", 1}, {"3", 3}}, 2},
        {&Form1::SSTH3_ALPHADITHERMODE, {{"1", 5}, {"2", 4}, {"3", 6}}, 5},
        {&Form1::SSTH3_OVERLAYMODE_GLIDE, {{"1", 8}, {"2", 7}, {"3", 9}}, 7},
        {&Form1::SSTH3_ALPHADITHERMODE_GLIDE, {{"1", 11}, {"2", 10}, {"3", 12}}, 10},
        {&Form1::RefreshRate, {{"0", 13}, {"-1", 14}}, 13},
    };
    auto load = [](const LoaderRow& row, const std::optional<StoredValue>& data) {
        auto rig = std::make_unique<Rig>();
        store(*rig, row, data);
        (rig->form.*row.run)();
        return rig;
    };
    for (const auto& choice : choices) {
        const LoaderRow& row = rowOf(choice.run);
        SCOPED_TRACE(row.procedure);
        for (const auto& [code, number] : choice.codes) {
            EXPECT_EQ(selectedOptions(load(row, storedText(code))->ui), std::vector<int>{number}) << code;
            // A number read back is compared by its decimal text.
            const auto asDword = static_cast<std::uint32_t>(std::stoi(code));
            EXPECT_EQ(selectedOptions(load(row, storedDword(asDword))->ui), std::vector<int>{number}) << code;
        }
        EXPECT_EQ(selectedOptions(load(row, std::nullopt)->ui), std::vector<int>{choice.fallback});

        // No trimming, no numeric reading: these leave the frame, and then the stored value, alone.
        for (const std::string code : {"4", "01", " 1", "1 ", "", "75"}) {
            auto rig = load(row, storedText(code));
            EXPECT_TRUE(selectedOptions(rig->ui).empty()) << '"' << code << '"';
            rig->form.Command1_Click();
            EXPECT_EQ(rig->store.get(row.root, row.key, row.name), storedText(code)) << '"' << code << '"';
        }
    }
}

TEST(ChoiceLoader, AdvancedMapsItsTwoCodesToTheBoxAndIgnoresOthers)
{
    const std::pair<std::optional<StoredValue>, std::int32_t> cases[] = {
        {storedText("0"), 0}, {storedText("1"), 1}, {storedDword(1), 1},
        {storedText("2"), 2}, {storedText(" 1"), 2}, {storedText("1.0"), 2},  // unchanged from the grayed start
        {std::nullopt, 0},
    };
    for (const auto& [data, state] : cases) {
        Rig rig;
        rig.ui.Check9.setValue(state == 0 ? CheckBox::Checked : CheckBox::Grayed);
        store(rig, rowOf(&Form1::Advanced), data);
        rig.form.Advanced();
        EXPECT_EQ(rig.ui.Check9.value(), state);
    }
}
