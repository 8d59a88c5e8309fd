// The setting procedures through the load and Apply, driven by the table of the behaviour; failing steps, the
// unset clock and any data at all are the scenario fuzz target's, over the same table.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>

#include "app/form1.h"
#include "tests/support/doubles.h"
#include "tests/support/setting_facts.h"

using namespace velmora;

namespace {

const std::string kDriver = "System\\CurrentControlSet\\Services\\Class\\Display\\0000";

const Setting& setting(const std::string& control)
{
    return *std::find_if(settings().begin(), settings().end(), [&](const Setting& s) { return s.control == control; });
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
    for (const Setting& s : settings()) showing(v, s, s.fallback);
    return v;
}

}  // namespace

// Each code, and data that is no code, stored alone: shown as its shape says, written back from what is shown.
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
    for (const Setting& s : settings())
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
