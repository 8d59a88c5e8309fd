#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <stdexcept>
#include <string>

#include "app/layout.h"

using namespace velmora::layout;

namespace {

bool isContainer(const Control& c) { return c.kind == Kind::TabControl || c.kind == Kind::Frame; }

// Width and height of the area a container offers its children.
std::pair<int, int> innerSize(const std::string& container)
{
    if (container == kWindowName) return {kClientWidth, kClientHeight};
    const Control& c = get(container);
    return {c.rect.width, c.rect.height};
}

int numberIn(const std::string& name) { return std::stoi(name.substr(name.find_first_of("0123456789"))); }

std::string sourceFile(const std::string& relative)
{
    std::string here = __FILE__;  // .../tests/unit/layout_test.cpp
    return here.substr(0, here.rfind("tests/unit/")) + relative;
}

std::string readText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error("cannot read " + path);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::uint32_t le(const std::string& bytes, std::size_t at, int size)
{
    std::uint32_t v = 0;
    for (int i = size - 1; i >= 0; --i) v = v << 8 | static_cast<unsigned char>(bytes[at + i]);
    return v;
}

// Bitmap file of each resource ID, as the resource script names it.
std::map<int, std::string> bitmapFiles()
{
    std::map<std::string, int> ids;
    const std::string header = readText(sourceFile("resources/resource.h"));
    const std::regex define(R"(#define\s+(\w+)\s+(\d+))");
    for (auto m = std::sregex_iterator(header.begin(), header.end(), define); m != std::sregex_iterator(); ++m)
        ids[(*m)[1]] = std::stoi((*m)[2]);

    std::map<int, std::string> files;
    const std::string script = readText(sourceFile("resources/velmcfg.rc"));
    const std::regex bitmap(R"((\w+)\s+BITMAP\s+\"([^\"]+)\")");
    for (auto m = std::sregex_iterator(script.begin(), script.end(), bitmap); m != std::sregex_iterator(); ++m)
        files[ids.at((*m)[1])] = sourceFile("resources/" + (*m)[2].str());
    return files;
}

}  // namespace

TEST(Layout, ControlIdsAreUniqueAndClearOfTheDialogManagersIds)
{
    std::set<int> ids;
    std::set<std::string> names;
    for (const Control& c : controls()) {
        EXPECT_TRUE(ids.insert(c.id).second) << c.name << " repeats ID " << c.id;
        EXPECT_TRUE(names.insert(c.name).second) << c.name << " appears twice";
        // 1 and 2 arrive for Enter and Esc; WM_COMMAND carries 16 bits.
        EXPECT_GT(c.id, 2) << c.name;
        EXPECT_LT(c.id, 0xFFFF) << c.name;
    }
}

TEST(Layout, EveryContainerExistsAndPrecedesItsChildren)
{
    std::set<std::string> seen{kWindowName};
    for (const Control& c : controls()) {
        EXPECT_TRUE(seen.count(c.container)) << c.name << " comes before its container " << c.container;
        if (std::string(c.container) != kWindowName) {
            EXPECT_TRUE(isContainer(get(c.container))) << c.name;
        }
        const bool onTabControl = std::string(c.container) == kTabControlName;
        if (onTabControl) {
            EXPECT_TRUE(c.tab >= 0 && c.tab < kTabCount) << c.name;
        } else {
            EXPECT_EQ(c.tab, kNotOnTab) << c.name;
        }
        if (isContainer(c)) seen.insert(c.name);
    }
    EXPECT_EQ(find("SSTab1")->kind, Kind::TabControl);
    EXPECT_EQ(find("RegEdit1"), nullptr);
    EXPECT_THROW(get("Label99"), std::invalid_argument);
}

TEST(Layout, TabIndexesRunWithoutGapsTabByTabContainersFirst)
{
    const auto order = tabOrder();
    for (std::size_t i = 0; i < order.size(); ++i) EXPECT_EQ(order[i]->tabIndex, static_cast<int>(i)) << order[i]->name;

    for (const Control& c : controls()) {
        EXPECT_EQ(c.tabIndex == kNoTabIndex, c.kind == Kind::Picture) << c.name;
        if (c.kind == Kind::Picture) {
            EXPECT_NE(c.picture, 0) << c.name;
        }
        if (c.tabIndex == kNoTabIndex || std::string(c.container) == kWindowName) continue;
        EXPECT_LT(get(c.container).tabIndex, c.tabIndex) << c.name << " is reached before its container";
    }

    // Tab 0's controls come after the window's own, then tab 1's, and so on.
    int last = -1;
    for (const Control* c : order) {
        if (tabOf(*c) != kNotOnTab) {
            EXPECT_GE(tabOf(*c), last) << c->name;
            last = tabOf(*c);
        } else {
            EXPECT_EQ(last, -1) << c->name << " on the window follows a tab's controls";
        }
    }
    EXPECT_EQ(last, kTabCount - 1);
}

TEST(Layout, EachTabListsItsOwnControlsInTabOrderPicturesLast)
{
    std::size_t shown = 0;
    for (int tab = 0; tab < kTabCount; ++tab) {
        const auto list = onTab(tab);
        ASSERT_FALSE(list.empty()) << tab;
        shown += list.size();
        bool picturesBegun = false;
        for (std::size_t i = 0; i < list.size(); ++i) {
            EXPECT_EQ(tabOf(*list[i]), tab) << list[i]->name;
            if (list[i]->kind == Kind::Picture) {
                picturesBegun = true;
            } else {
                EXPECT_FALSE(picturesBegun) << list[i]->name << " follows a picture";
            }
            if (i > 0 && !picturesBegun) {
                EXPECT_LT(list[i - 1]->tabIndex, list[i]->tabIndex);
            }
        }
    }
    const auto onWindow = std::count_if(controls().begin(), controls().end(),
                                        [](const Control& c) { return std::string(c.container) == kWindowName; });
    EXPECT_EQ(shown + onWindow, controls().size());
    EXPECT_TRUE(onTab(kNotOnTab).empty());
    EXPECT_TRUE(onTab(kTabCount).empty());
}

TEST(Layout, EachOptionGroupIsExactlyItsFramesButtons)
{
    std::map<std::string, std::vector<int>> groups;  // frame -> option numbers
    for (const Control& c : controls())
        if (c.kind == Kind::OptionButton) {
            EXPECT_EQ(get(c.container).kind, Kind::Frame) << c.name;
            groups[c.container].push_back(numberIn(c.name));
        }
    ASSERT_EQ(groups.size(), 5u);

    // Option1..Option14 fall into runs of consecutive numbers, one run a frame,
    // and a frame with options holds nothing else.
    std::set<int> all;
    for (auto& [frame, numbers] : groups) {
        std::sort(numbers.begin(), numbers.end());
        EXPECT_GE(numbers.size(), 2u) << frame;
        EXPECT_EQ(numbers.back() - numbers.front() + 1, static_cast<int>(numbers.size())) << frame;
        all.insert(numbers.begin(), numbers.end());
        for (const Control& c : controls())
            if (c.container == frame) {
                EXPECT_EQ(c.kind, Kind::OptionButton) << c.name << " in " << frame;
            }
    }
    EXPECT_EQ(all.size(), 14u);
    EXPECT_EQ(*all.begin(), 1);
    EXPECT_EQ(*all.rbegin(), 14);
}

TEST(Layout, EveryControlLiesInsideItsContainer)
{
    for (const Control& c : controls()) {
        const auto [width, height] = innerSize(c.container);
        EXPECT_GE(c.rect.left, 0) << c.name;
        EXPECT_GE(c.rect.top, 0) << c.name;
        EXPECT_GT(c.rect.width, 0) << c.name;
        EXPECT_GT(c.rect.height, 0) << c.name;
        EXPECT_LE(c.rect.right(), width) << c.name;
        EXPECT_LE(c.rect.bottom(), height) << c.name;
    }
}

TEST(Layout, AbsolutePositionAddsEveryContainerAndTheTabShiftOnlyOnTabs)
{
    // Option1 sits in Frame4, in Frame3, on the tab control.
    const Control& option = get("Option1");
    const Twips sum = absolute(option);
    int left = option.rect.left, top = option.rect.top;
    for (const char* outer : {"Frame4", "Frame3", "SSTab1"}) {
        left += get(outer).rect.left;
        top += get(outer).rect.top;
    }
    EXPECT_EQ(sum.left, left);
    EXPECT_EQ(sum.top, top);
    EXPECT_EQ(sum.width, option.rect.width);

    const Twips shifted = absolute(option, {30, 300});
    EXPECT_EQ(shifted.left, left + 30);
    EXPECT_EQ(shifted.top, top + 300);

    const Control& apply = get("Command1");
    EXPECT_EQ(absolute(apply, {30, 300}).top, apply.rect.top);
    EXPECT_EQ(absolutePixels(apply, 96, {2, 20}).top, apply.rect.top / 15);
    EXPECT_EQ(absolutePixels(get("Frame1"), 96, {2, 20}).left, absolute(get("Frame1")).left / 15 + 2);
    EXPECT_EQ(tabOf(option), get("Frame3").tab);
    EXPECT_EQ(tabOf(apply), kNotOnTab);
}

TEST(Layout, TwipsBecomePixelsAt96And120Dpi)
{
    EXPECT_EQ(toPixels(15, 96), 1);
    EXPECT_EQ(toPixels(12, 120), 1);
    EXPECT_EQ(toPixels(kClientWidth, 96), 417);
    EXPECT_EQ(toPixels(kClientHeight, 96), 423);
    EXPECT_EQ(toPixels(kClientWidth, 120), 521);   // 521.25
    EXPECT_EQ(toPixels(kClientHeight, 120), 529);  // 528.75
    EXPECT_EQ(toPixels(7, 96), 0);                 // 0.47
    EXPECT_EQ(toPixels(8, 96), 1);                 // 0.53
    EXPECT_EQ(toPixels(6, 120), 1);                // exactly one half rounds up
    EXPECT_EQ(toPixels(-8, 96), -1);

    // Edges, not sizes: 45 twips from 2040 is 3.75 pixels wide at 120 DPI,
    // and the box ends where a neighbour starting at 2085 begins.
    const Pixels box = toPixels(Twips{2040, 480, 45, 195}, 120);
    EXPECT_EQ(box.left, 170);
    EXPECT_EQ(box.left + box.width, toPixels(2085, 120));
    EXPECT_EQ(box.top + box.height, toPixels(675, 120));

    // Every designed rectangle is whole pixels at 96 DPI.
    for (const Control& c : controls()) {
        const Pixels p = absolutePixels(c, 96);
        const Twips t = absolute(c);
        EXPECT_EQ(p.left * 15, t.left) << c.name;
        EXPECT_EQ(p.width * 15, t.width) << c.name;
        EXPECT_EQ(p.height * 15, t.height) << c.name;
    }
    EXPECT_EQ(fontPixelHeight(96), 11);
    EXPECT_EQ(fontPixelHeight(120), 14);
}

TEST(Layout, EachPictureBoxIsItsBitmapAtFifteenTwipsAPixel)
{
    const auto files = bitmapFiles();
    for (const Control& c : controls()) {
        if (c.kind != Kind::Picture) continue;
        ASSERT_TRUE(files.count(c.picture)) << c.name << " has no bitmap in the resource script";
        const std::string bmp = readText(files.at(c.picture));
        ASSERT_GT(bmp.size(), 54u) << c.name;
        EXPECT_EQ(bmp.substr(0, 2), "BM") << c.name;
        EXPECT_EQ(le(bmp, 28, 2), 24u) << c.name << " is not 24-bit";
        EXPECT_EQ(static_cast<int>(le(bmp, 18, 4)) * 15, c.rect.width) << c.name;
        EXPECT_EQ(static_cast<int>(le(bmp, 22, 4)) * 15, c.rect.height) << c.name;
        // The first stored pixel, the bottom-left corner, is the grey background.
        const std::size_t pixels = le(bmp, 10, 4);
        EXPECT_EQ(bmp.substr(pixels, 3), std::string(3, static_cast<char>(191))) << c.name;
    }
}
