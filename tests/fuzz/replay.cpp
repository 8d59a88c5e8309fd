// A fuzz target without libFuzzer: each file in the folders named is one regression input, and a broken
// property ends the run, naming the input.
#include <algorithm>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {
std::string current;
void named(int) { std::fprintf(stderr, "replay: the input that broke it: %s\n", current.c_str()), std::_Exit(1); }
}  // namespace

int main(int argc, char** argv)
{
    std::vector<std::string> inputs;
    for (int i = 1; i < argc; ++i)  // a folder not made yet (no fuzz run so far) holds nothing
        if (std::filesystem::is_directory(argv[i]))
            for (const auto& e : std::filesystem::directory_iterator(argv[i])) inputs.push_back(e.path().string());
    std::sort(inputs.begin(), inputs.end());
    for (int s : {SIGABRT, SIGILL}) std::signal(s, named);  // a broken property, in either target
    for (const std::string& file : inputs) {
        std::ifstream in(file, std::ios::binary);
        const std::vector<std::uint8_t> data{std::istreambuf_iterator<char>(in), {}};
        current = file;
        LLVMFuzzerTestOneInput(data.data(), data.size());
    }
    std::printf("replay: %zu inputs\n", inputs.size());
    return inputs.empty();  // no input at all: the folders are wrong
}
