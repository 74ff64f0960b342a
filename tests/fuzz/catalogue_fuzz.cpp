// libFuzzer target: any bytes as a code file, with or without a byte-order mark, must read
// into a bounded table without faults.
#include "palette/catalogue.h"
#include "palette/code_file_text.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Windows1252 codePage;
    const CodeFileText text =
        DecodeCodeFile(std::string_view(reinterpret_cast<const char*>(data), size), codePage);
    if (text.text.size() > size) { // a conversion never grows the text
        std::abort();
    }
    const SmileyTable table = ReadCatalogue(text.text);
    for (const std::string& slot : table) {
        if (slot.size() > kMaxFieldLength || slot.find('\0') != std::string::npos) {
            std::abort();
        }
    }
    for (int i = 0; i < kSmileyCount; ++i) {
        (void)LookupSmiley(table, i);
    }
    return 0;
}
