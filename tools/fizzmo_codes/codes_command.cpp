#include "codes_command.h"

#include "codes_check.h"
#include "shared/file_system.h"

#include <algorithm>
#include <optional>

namespace {

constexpr char kUsage[] =
    "usage: fizzmo-codes check PATH\n"
    "       fizzmo-codes --version\n"
    "       fizzmo-codes /?  (or --help)\n"
    "\n"
    "Shows how FizzmoLite reads the code file PATH (its codes.dll): the number of fields,\n"
    "then each picture's number, code and name as the palette pairs them, then warnings\n"
    "about likely mistakes in the file.\n"
    "\n"
    "Exit status: 0 no warnings, 1 warnings, 2 the file cannot be read or the arguments\n"
    "are wrong.\n";

struct FileRead {
    std::optional<std::string> text;
    std::string problem;
};

// One byte past what the program reads, so that a longer file can be told apart.
FileRead ReadCodesFile(FileSystem& files, const std::string& path) {
    const std::optional<FileAttributes> attributes = files.GetAttributes(path);
    if (!attributes) {
        return {std::nullopt, "no such file"};
    }
    if (attributes->directory) {
        return {std::nullopt, "not a regular file"};
    }
    std::optional<std::string> text = files.ReadFilePrefix(path, kMaxCatalogueBytes + 1);
    if (!text) {
        return {std::nullopt, "cannot read it"};
    }
    return {std::move(text), {}};
}

std::string Padded(const std::string& text, std::size_t width) {
    return std::string(width > text.size() ? width - text.size() : 0, ' ') + text;
}

std::string ReportText(const std::string& path, const CodesReport& report) {
    std::string out = path + ": " + report.encoding + ", " + std::to_string(report.fieldCount) +
                      (report.fieldCount == 1 ? " field" : " fields") + "\n";
    std::size_t codeWidth = 4;
    for (const SmileyEntry& pair : report.pairs) {
        codeWidth = std::max(codeWidth, Printable(pair.code).size());
    }
    const auto code = [&](const std::string& text) {
        return text + std::string(codeWidth - text.size() + 2, ' ');
    };
    out += "picture  " + code("code") + "name\n";
    for (std::size_t i = 0; i < report.pairs.size(); ++i) {
        const SmileyEntry& pair = report.pairs[i];
        out += Padded(std::to_string(i + 1), 7) + "  " + code(Printable(pair.code)) +
               Printable(pair.label) + "\n";
    }
    for (const CodesWarning& warning : report.warnings) {
        out += "warning: " + warning.message + "\n";
    }
    const std::size_t count = report.warnings.size();
    if (count == 0) {
        out += "no warnings\n";
    } else {
        out += std::to_string(count) + (count == 1 ? " warning\n" : " warnings\n");
    }
    return out;
}

} // namespace

CommandOutput RunCodesCommand(const std::vector<std::string>& args, FileSystem& files,
                              CodePage& codePage) {
    if (args.size() == 1 && (args[0] == "/?" || args[0] == "--help" || args[0] == "-h")) {
        return {kExitClean, kUsage, {}};
    }
    if (args.size() == 1 && args[0] == "--version") {
        return {kExitClean, "fizzmo-codes " FIZZMO_VERSION "\n", {}};
    }
    if (args.size() != 2 || args[0] != "check") {
        return {kExitUnusable, {}, kUsage};
    }
    const std::string& path = args[1];
    const FileRead file = ReadCodesFile(files, path);
    if (!file.text) {
        return {kExitUnusable, {}, "fizzmo-codes: " + path + ": " + file.problem + "\n"};
    }
    const CodesReport report = CheckCodes(*file.text, codePage);
    return {ExitStatusFor(report), ReportText(path, report), {}};
}
