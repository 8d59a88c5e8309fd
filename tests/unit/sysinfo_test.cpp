#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>

#include "about/sysinfo.h"
#include "registry/errors.h"

using namespace velmora;
using namespace velmora::about;

namespace {

// The system as the lookup sees it: values by key and name, the files the
// file test finds, the programs that start. Everything asked is recorded.
struct FakeSystem : SysInfoSystem {
    std::map<std::pair<std::string, std::string>, StoredValue> values;
    std::set<std::string> normalFiles, programs;
    std::vector<std::string> queried, tested, started, messages;

    std::optional<StoredValue> queryValue(std::uint32_t root, const std::string& key, const std::string& name,
                                          std::size_t capacity) override
    {
        queried.push_back(name);
        const auto it = values.find({key, name});
        if (root != kLocalMachine || it == values.end()) return std::nullopt;
        if (it->second.data.size() > capacity) return std::nullopt;  // as the system: more data than room
        return it->second;
    }
    bool normalFileExists(const std::string& path) override
    {
        tested.push_back(path);
        return normalFiles.count(path) > 0;
    }
    void startProgram(const std::string& path) override
    {
        started.push_back(path);
        if (!programs.count(path)) throw RuntimeError(53, "File not found");
    }
    void showMessage(const std::string& text, const std::string& caption) override
    {
        messages.push_back(caption + ": " + text);
    }

    void set(const char* key, const char* name, StoredValue v) { values[{key, name}] = std::move(v); }
    void setPath(StoredValue v) { set(kInfoKey, kInfoValue, std::move(v)); }
    void setFolder(const std::string& folder) { set(kLocationKey, kLocationValue, storedText(folder)); }
};

const std::string kMessage = "Velmora: System Information Is Unavailable At This Time";

StoredValue raw(std::uint32_t type, Bytes data) { return {type, std::move(data)}; }

struct GetKeyValueTest : ::testing::Test {
    FakeSystem sys;
    std::string text = "before";

    bool read(StoredValue v)
    {
        sys.setPath(std::move(v));
        return GetKeyValue(sys, kLocalMachine, kInfoKey, kInfoValue, text);
    }
};

}  // namespace

TEST_F(GetKeyValueTest, TextLosesOnlyATerminatingZero)
{
    EXPECT_TRUE(read(storedText("C:\\Tools\\info.exe")));
    EXPECT_EQ(text, "C:\\Tools\\info.exe");
    EXPECT_TRUE(read(raw(regtype::Sz, {'a', 'b', 'c'})));
    EXPECT_EQ(text, "abc");
    EXPECT_TRUE(read(raw(regtype::Sz, {'a', 0, 0})));
    EXPECT_EQ(text, std::string("a\0", 2));
    EXPECT_TRUE(read(raw(regtype::Sz, {0})));
    EXPECT_EQ(text, "");
}

TEST_F(GetKeyValueTest, DwordBecomesDecimalThroughItsHexadecimalText)
{
    const std::pair<Bytes, std::string> cases[] = {
        {{0x01, 0x00, 0x00, 0x00}, "1"},            // the last zero byte goes first: "&h000001"
        {{0x00, 0x00, 0x00, 0x00}, "0"},
        {{0xFF, 0xFF, 0xFF, 0x00}, "16777215"},     // "&hFFFFFF"
        {{0x78, 0x56, 0x34, 0x12}, "305419896"},
        {{0xFF, 0xFF, 0xFF, 0xFF}, "-1"},           // eight digits are a signed Long
        {{0x00, 0x00, 0x00, 0x80}, "-2147483648"},
        {{0xFF, 0xFF, 0x00, 0x00}, "-1"},           // what fits 16 bits is a signed Integer
        {{0x00, 0x80, 0x00, 0x00}, "-32768"},
        {{0x00, 0x00, 0x01, 0x00}, "65536"},
        {{0x00}, "&h"},                             // no digits: no number, the text stays
        {{0x05, 0, 0, 0, 0, 0, 0, 0}, "5"},         // leading zero digits change nothing
    };
    for (const auto& [bytes, expected] : cases) {
        text = "before";
        EXPECT_TRUE(read(raw(regtype::Dword, bytes)));
        EXPECT_EQ(text, expected) << bytes.size() << " bytes";
    }
    try {
        read(raw(regtype::Dword, {0x01, 0, 0, 0, 0x01}));
        ADD_FAILURE() << "more than 32 bits must overflow";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), err::Overflow);
    }
}

TEST_F(GetKeyValueTest, OtherTypesCountAsReadButLeaveTheText)
{
    for (std::uint32_t type : {regtype::ExpandSz, regtype::Binary, regtype::MultiSz, regtype::None}) {
        EXPECT_TRUE(read(raw(type, {'x', 0})));
        EXPECT_EQ(text, "before") << type;
    }
}

TEST_F(GetKeyValueTest, UnreadableValueIsFalseWithEmptyText)
{
    EXPECT_FALSE(GetKeyValue(sys, kLocalMachine, kInfoKey, kInfoValue, text));
    EXPECT_EQ(text, "");

    text = "before";
    EXPECT_FALSE(read(raw(regtype::Sz, Bytes(1025, 'a'))));  // a 1024-byte buffer
    EXPECT_EQ(text, "");
    EXPECT_TRUE(read(raw(regtype::Sz, Bytes(1024, 'a'))));
    EXPECT_EQ(text, std::string(1024, 'a'));
}

TEST_F(GetKeyValueTest, NoDataAtAllRaisesError5)
{
    try {
        read(raw(regtype::Sz, {}));
        ADD_FAILURE() << "no error";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.number(), err::InvalidProcedureCall);
    }
}

TEST(StartSysInfoTest, PathIsStartedAsItStandsEachTime)
{
    FakeSystem sys;
    const std::string program = "C:\\Program Files\\Info\\info.exe";
    sys.setPath(storedText(program));
    sys.programs = {program};
    sys.setFolder("C:\\Other");
    sys.normalFiles = {"C:\\Other\\MSINFO32.EXE"};

    StartSysInfo(sys);
    StartSysInfo(sys);
    EXPECT_EQ(sys.started, (std::vector<std::string>{program, program}));
    EXPECT_EQ(sys.queried, (std::vector<std::string>{"PATH", "PATH"}));
    EXPECT_TRUE(sys.tested.empty());
    EXPECT_TRUE(sys.messages.empty());
}

TEST(StartSysInfoTest, PathToAMissingProgramGivesTheMessageWithoutTryingTheFolder)
{
    FakeSystem sys;
    sys.setPath(storedText("C:\\Gone\\info.exe"));
    sys.setFolder("C:\\Tools");
    sys.normalFiles = {"C:\\Tools\\MSINFO32.EXE"};
    sys.programs = {"C:\\Tools\\MSINFO32.EXE"};

    StartSysInfo(sys);
    EXPECT_EQ(sys.queried, std::vector<std::string>{"PATH"});
    EXPECT_EQ(sys.messages, std::vector<std::string>{kMessage});
}

TEST(StartSysInfoTest, FolderIsTriedWhenThePathCannotBeRead)
{
    for (StoredValue path : {StoredValue{regtype::None, {}}, raw(regtype::Sz, Bytes(1025, 'a'))}) {
        FakeSystem sys;
        if (!path.data.empty()) sys.setPath(path);
        sys.setFolder("C:\\Tools");
        sys.normalFiles = {"C:\\Tools\\MSINFO32.EXE"};
        sys.programs = sys.normalFiles;

        StartSysInfo(sys);
        EXPECT_EQ(sys.queried, (std::vector<std::string>{"PATH", "MSINFO"}));
        EXPECT_EQ(sys.tested, std::vector<std::string>{"C:\\Tools\\MSINFO32.EXE"});
        EXPECT_EQ(sys.started, std::vector<std::string>{"C:\\Tools\\MSINFO32.EXE"});
        EXPECT_TRUE(sys.messages.empty());
    }
}

TEST(StartSysInfoTest, EveryOtherFailureEndsInTheOneMessage)
{
    const std::pair<const char*, std::function<void(FakeSystem&)>> cases[] = {
        {"neither value", [](FakeSystem&) {}},
        {"folder without the program", [](FakeSystem& s) { s.setFolder("C:\\Tools"); }},
        {"path with no data", [](FakeSystem& s) {
             s.setPath(raw(regtype::Sz, {}));
             s.setFolder("C:\\Tools");
             s.normalFiles = s.programs = {"C:\\Tools\\MSINFO32.EXE"};
         }},
        {"path of another type", [](FakeSystem& s) { s.setPath(storedText("C:\\info.exe", regtype::ExpandSz)); }},
        {"path too large a number", [](FakeSystem& s) { s.setPath(raw(regtype::Dword, {1, 2, 3, 4, 5})); }},
        {"program found but not startable", [](FakeSystem& s) {
             s.setFolder("C:\\Tools");
             s.normalFiles = {"C:\\Tools\\MSINFO32.EXE"};
         }},
    };
    for (const auto& [name, arrange] : cases) {
        FakeSystem sys;
        arrange(sys);
        StartSysInfo(sys);
        EXPECT_EQ(sys.messages, std::vector<std::string>{kMessage}) << name;
    }
}
