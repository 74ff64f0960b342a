#include "codes_command.h"

#include "codes_check.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>

namespace {

constexpr char kUsage[] =
    "usage: fizzmo-codes check PATH\n"
    "       fizzmo-codes --version\n"
    "       fizzmo-codes --help\n"
    "\n"
    "Shows how FizzmoLite reads the code file PATH (its codes.dll): the number of fields,\n"
    "then each picture's number, resource, code and label as the palette pairs them, then\n"
    "warnings about likely mistakes in the file.\n"
    "\n"
    "Exit status: 0 no warnings, 1 warnings, 2 the file cannot be read or the arguments\n"
    "are wrong.\n";

struct FileRead {
    std::optional<std::string> text;
    std::string problem;
};

// One byte past what the program reads, so that a longer file can be told apart.
FileRead ReadCodesFile(const std::string& path) {
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(path, error);
    if (!std::filesystem::exists(status)) {
        return {std::nullopt, "no such file"};
    }
    if (!std::filesystem::is_regular_file(status)) {
        return {std::nullopt, "not a regular file"};
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return {std::nullopt, "cannot open it"};
    }
    std::string text(kMaxCatalogueBytes + 1, '\0');
    file.read(text.data(), static_cast<std::streamsize>(text.size()));
    if (file.bad()) {
        return {std::nullopt, "cannot read it"};
    }
    text.resize(static_cast<std::size_t>(file.gcount()));
    return {std::move(text), {}};
}

void PrintReport(const std::string& path, const CodesReport& report, std::ostream& out) {
    out << path << ": " << report.encoding << ", " << report.fieldCount
        << (report.fieldCount == 1 ? " field" : " fields") << "\n";
    std::size_t codeWidth = 4;
    for (const SmileyEntry& pair : report.pairs) {
        codeWidth = std::max(codeWidth, Printable(pair.code).size());
    }
    const auto padded = [&](const std::string& text) {
        return text + std::string(codeWidth - text.size() + 2, ' ');
    };
    out << "pic  res  " << padded("code") << "label\n";
    for (std::size_t i = 0; i < report.pairs.size(); ++i) {
        const SmileyEntry& pair = report.pairs[i];
        const std::string number = std::to_string(i + 1);
        out << std::string(3 - number.size(), ' ') << number << "  " << pair.bitmapResource << "  "
            << padded(Printable(pair.code)) << Printable(pair.label) << "\n";
    }
    for (const CodesWarning& warning : report.warnings) {
        out << "warning: " << warning.message << "\n";
    }
    const std::size_t count = report.warnings.size();
    if (count == 0) {
        out << "no warnings\n";
    } else {
        out << count << (count == 1 ? " warning\n" : " warnings\n");
    }
}

} // namespace

int RunCodesCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err,
                    CodePage& codePage) {
    if (args.size() == 1 && (args[0] == "--help" || args[0] == "-h")) {
        out << kUsage;
        return kExitClean;
    }
    if (args.size() == 1 && args[0] == "--version") {
        out << "fizzmo-codes " FIZZMO_VERSION "\n";
        return kExitClean;
    }
    if (args.size() != 2 || args[0] != "check") {
        err << kUsage;
        return kExitUnusable;
    }
    const std::string& path = args[1];
    FileRead file = ReadCodesFile(path);
    if (!file.text) {
        err << "fizzmo-codes: " << path << ": " << file.problem << "\n";
        return kExitUnusable;
    }
    const CodesReport report = CheckCodes(*file.text, codePage);
    PrintReport(path, report, out);
    return ExitStatusFor(report);
}
