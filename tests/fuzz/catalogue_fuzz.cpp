// libFuzzer target: any bytes as a code file must read into a bounded table without faults.
#include "palette/catalogue.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const SmileyTable table =
        ReadCatalogue(std::string_view(reinterpret_cast<const char*>(data), size));
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
