// libFuzzer target: any bytes as a code file, with or without a byte-order mark, must read
// into bounded tables without faults.
#include "palette/catalogue.h"
#include "palette/code_file_text.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Windows1252 codePage;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // UTF-8 takes at most three bytes where UTF-16 takes two, a bad byte or an ANSI one stood.
    if (DecodeCodeFile(bytes, codePage).text.size() > 3 * size) {
        std::abort();
    }
    const CodeFileTables tables = ReadCodeFile(bytes, codePage);
    for (const SmileyTable* table : {&tables.unicode, &tables.messenger}) {
        for (const std::string& slot : *table) {
            if (slot.size() > 3 * kMaxFieldLength || slot.find('\0') != std::string::npos) {
                std::abort();
            }
        }
        for (int i = 0; i < kSmileyCount; ++i) {
            (void)LookupSmiley(*table, i);
        }
    }
    return 0;
}
