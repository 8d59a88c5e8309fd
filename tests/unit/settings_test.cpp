// The 49 setting procedures through the two sequences, as a user and the driver
// see them: one table of the behaviour drives the load and the apply cases alike.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>

#include "app/form1.h"
#include "tests/support/doubles.h"
#include "tests/support/setting_facts.h"

using namespace velmora;

namespace {

const std::string kDriver = "System\\CurrentControlSet\\Services\\Class\\Display\\0000";
const std::vector<Setting>& kSettings = settings();

const Setting& setting(const std::string& control)
{
    return *std::find_if(kSettings.begin(), kSettings.end(), [&](const Setting& s) { return s.control == control; });
}

struct Window {
    explicit Window(char decimalSeparator = '.') : form(reg, ui.controls(), decimalSeparator) {}
    MemoryStore store;
    RegEdit reg{store};
    MemoryForm1Controls ui;
    Form1 form;

    void put(const Setting& s, const StoredValue& v) { store.set(s.hive, keyOf(s, kDriver), s.name, v); }
    std::optional<StoredValue> stored(const Setting& s) const { return store.get(s.hive, keyOf(s, kDriver), s.name); }
};

View fallbacks()
{
    View v = MemoryForm1Controls().view();
    for (const Setting& s : kSettings) showing(v, s, s.fallback);
    return v;
}

}  // namespace

TEST(Settings, AnEmptyRegistryShowsEveryFallbackAndApplyWritesThem)
{
    Window w;
    ASSERT_TRUE(w.form.Form_Load().ok());
    EXPECT_EQ(w.ui.view(), fallbacks());
    ASSERT_TRUE(w.form.Command1_Click().ok());
    for (const Setting& s : kSettings) EXPECT_EQ(w.stored(s), applied(s, w.ui.view(), std::nullopt)) << s.name;
}

// Each code, and data that is no code, stored alone: shown by its control as
// its shape says, and written back by "Apply" from what the control shows.
TEST(Settings, StoredDataLoadsIntoItsControlAndApplyWritesItBack)
{
    struct Case {
        std::string control;
        StoredValue data;
        std::string shown, slider = "143";
    };
    std::vector<Case> cases = {
        {"Label11", storedText("   Card 3  "), "Card 3  "}, {"Label14", storedText(""), ""},
        {"Label18", storedDword(16777216), "16777216"},    {"Label13", {regtype::Binary, {1, 2}}, "Unknown"},
        {"Label23", storedText(" 180"), "180", "180"},     {"Label23", storedText("200.4"), "200.4", "200"},
        {"Label23", storedText("300"), "Default"},         {"Check3", storedText(" 2 "), "2"},
        {"Check1", storedText("3"), "1"},                  {"Check3", storedText("on"), "0"},
        {"Check2", storedText(""), "1"},                   {"Check8", {regtype::Binary, {}}, "1"},
        {"Check9", storedText("2"), "0"},                  {"Frame4", storedText("01"), "none"},
        {"Frame7", storedText(" 1"), "none"},              {"Frame5", {regtype::MultiSz, {'1', 0, 0}}, "Option5"},
    };
    // A number read back is compared by its decimal text, so a DWORD selects as its text does.
    for (const Setting& s : kSettings)
        for (const auto& [code, shown] : s.codes) {
            const std::string slider = s.shape == Shape::Clock ? code : "143";
            cases.push_back({s.control, storedText(code), shown, slider});
            if (s.shape != Shape::Text && s.shape != Shape::Presence) cases.push_back({s.control, storedDword(std::stoi(code)), shown, slider});
        }
    for (const Case& c : cases) {
        const Setting& s = setting(c.control);
        Window w;
        w.put(s, c.data);
        ASSERT_TRUE(w.form.Form_Load().ok());
        View expected = fallbacks();
        showing(expected, s, c.shown);
        expected["Slider1"] = c.slider;
        EXPECT_EQ(w.ui.view(), expected) << c.control << " " << c.shown;
        // A grayed box is written as not checked; what a frame without a selection holds stays.
        ASSERT_TRUE(w.form.Command1_Click().ok());
        EXPECT_EQ(w.stored(s), applied(s, w.ui.view(), c.data)) << c.control << " " << c.shown;
    }
    // The decimal separator is the user's.
    Window comma(',');
    comma.put(setting("Label23"), storedText("200,6"));
    ASSERT_TRUE(comma.form.Form_Load().ok());
    EXPECT_EQ(comma.ui.view()["Slider1"], "201");
}

// No stored clock shows "Default", and Apply then leaves the clock alone, so
// that a card faster than the slider's start runs at its own clock; once the
// user moves the slider, even to 143, Apply stores its position.
TEST(Settings, AnUnsetClockIsWrittenOnlyOnceTheSliderMoves)
{
    const Setting& clock = setting("Label23");
    for (const std::optional<StoredValue>& unset : {std::optional<StoredValue>(), std::optional(storedText("Default")),
                                                    std::optional(storedText("300"))}) {
        Window w;
        if (unset) w.put(clock, *unset);
        ASSERT_TRUE(w.form.Form_Load().ok());
        ASSERT_TRUE(w.form.Command1_Click().ok());
        ASSERT_TRUE(w.form.Command1_Click().ok());
        EXPECT_EQ(w.stored(clock), unset);
        ASSERT_TRUE(w.ui.byName["Slider1"]->show("143").ok());
        ASSERT_TRUE(w.form.Slider1_Scroll().ok());
        ASSERT_TRUE(w.form.Command1_Click().ok());
        EXPECT_EQ(w.stored(clock), storedText("143"));
    }
}

namespace {

// Every value stored with its first code, so that each step shows something
// other than its fallback.
std::unique_ptr<Window> stocked()
{
    auto w = std::make_unique<Window>();
    for (const Setting& s : kSettings) w->put(s, storedText(s.codes[0].first));
    return w;
}

}  // namespace

// A step that cannot read shows its fallback and the rest go on; a fallback
// that fails as well stops the load there with its error.
TEST(FailureAtEveryStep, ALoadStepThatCannotReadShowsItsFallbackOrStopsTheLoad)
{
    auto clean = stocked();
    ASSERT_TRUE(clean->form.Form_Load().ok());
    ASSERT_EQ(clean->store.calls.size(), kSettings.size());
    for (std::size_t i = 0; i < kSettings.size(); ++i) {
        const Setting& s = kSettings[i];
        const MemoryStore::Call& c = clean->store.calls[i];
        EXPECT_TRUE(c.op == MemoryStore::Op::Read && c.hive == s.hive && c.key == keyOf(s, kDriver) && c.name == s.name)
            << "step " << i + 1 << " reads " << c.key << "\\" << c.name;
        for (bool refusing : {false, true}) {
            auto w = stocked();
            w->store.fails = [i](std::size_t index, const MemoryStore::Call&) { return index == i; };
            w->ui.byName[s.shape == Shape::Choice ? s.fallback : s.control]->refuse = refusing;
            View expected = clean->ui.view();
            showing(expected, s, s.fallback);
            if (s.shape == Shape::Clock) expected["Slider1"] = "143";
            EXPECT_EQ(w->form.Form_Load().number(), refusing ? err::InvalidPropertyValue : 0) << s.name;
            EXPECT_EQ(w->store.calls.size(), refusing ? i + 1 : kSettings.size()) << s.name;
            EXPECT_TRUE(refusing || w->ui.view() == expected) << s.name;
        }
    }
}

TEST(FailureAtEveryStep, AnApplyStepThatFailsChangesOnlyItsOwnValue)
{
    auto arranged = [] {
        auto w = stocked();
        for (const Setting& s : kSettings) w->put(s, {regtype::Binary, {0xEE}});
        EXPECT_TRUE(w->form.Form_Load().ok());
        // Boxes and options set so that writes, removals and untouched frames all happen.
        for (const char* name : {"Check1", "Check2", "Check5", "Check9", "Option3", "Option4", "Option12", "Option14"})
            EXPECT_TRUE(w->ui.byName[name]->show("1").ok());
        w->store.calls.clear();
        return w;
    };
    auto clean = arranged();
    const auto before = clean->store.values;
    ASSERT_TRUE(clean->form.Command1_Click().ok());
    for (std::size_t k = 0; k < clean->store.calls.size(); ++k) {
        const MemoryStore::Call& failing = clean->store.calls[k];
        const auto at = MemoryStore::place(failing.hive, failing.key, failing.name);
        auto expected = clean->store.values;
        before.count(at) ? void(expected[at] = before.at(at)) : void(expected.erase(at));

        auto w = arranged();
        w->store.fails = [k](std::size_t index, const MemoryStore::Call&) { return index == k; };
        ASSERT_TRUE(w->form.Command1_Click().ok());
        EXPECT_EQ(w->store.calls.size(), clean->store.calls.size()) << failing.name;
        EXPECT_EQ(w->store.values, expected) << failing.key << "\\" << failing.name;
    }
}
