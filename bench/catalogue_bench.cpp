// How long the palette's load spends on its code file: reading it (at most the prefix the
// program reads), pairing the 129 fields and laying out the grid. The garbage files show that
// the time does not grow with the size of the file.
#include "palette/catalogue.h"
#include "palette/grid.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

namespace {

namespace fs = std::filesystem;

// The program's own read: no more than kMaxCatalogueBytes of whatever the file holds.
std::string ReadPrefix(const std::string& path) {
    std::string text(kMaxCatalogueBytes, '\0');
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) {
        return {};
    }
    text.resize(std::fread(text.data(), 1, text.size(), file));
    std::fclose(file);
    return text;
}

void LoadPalette(benchmark::State& state, const std::string& path) {
    for (auto _ : state) {
        const SmileyTable table = ReadCatalogue(ReadPrefix(path));
        const GridLayout grid = LayOutGrid(kGridCellPixels * 15, kGridCellPixels * 15);
        benchmark::DoNotOptimize(table);
        benchmark::DoNotOptimize(grid);
    }
}

// Random bytes, in which a comma or a line end comes often: field 129 is soon reached.
std::string RandomGarbage(std::size_t bytes) {
    std::mt19937 random(20261207);
    std::string text(bytes, '\0');
    for (char& c : text) {
        c = static_cast<char>(random());
    }
    return text;
}

// Worst case: no separator at all, so the reader goes through the whole prefix it reads.
std::string OneEndlessField(std::size_t bytes) {
    return std::string(bytes, 'x');
}

std::string WriteTemp(const std::string& name, const std::string& text) {
    const std::string path = (fs::temp_directory_path() / name).string();
    std::ofstream(path, std::ios::binary) << text;
    return path;
}

} // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    const std::string sample = FIZZMO_SAMPLE_CODES;
    const std::string random10 = WriteTemp("fizzmo-bench-random-10MB", RandomGarbage(10 << 20));
    const std::string random100 = WriteTemp("fizzmo-bench-random-100MB", RandomGarbage(100 << 20));
    const std::string endless10 = WriteTemp("fizzmo-bench-endless-10MB", OneEndlessField(10 << 20));
    const std::string endless100 =
        WriteTemp("fizzmo-bench-endless-100MB", OneEndlessField(100 << 20));
    benchmark::RegisterBenchmark("sample_129_fields", LoadPalette, sample)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("random_garbage_10MB", LoadPalette, random10)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("random_garbage_100MB", LoadPalette, random100)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("no_separator_10MB", LoadPalette, endless10)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark("no_separator_100MB", LoadPalette, endless100)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    for (const std::string& path : {random10, random100, endless10, endless100}) {
        fs::remove(path);
    }
    return 0;
}
