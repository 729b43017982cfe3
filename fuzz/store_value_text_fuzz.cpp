// Value text from arbitrary bytes either parses or is refused with sto_Problem; what
// parses writes back to a text that reads back to the same text.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "store/sto_ModelFileException.h"
#include "store/sto_ValueText.h"

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size) {
    dbs_Value value;
    try {
        value = sto_ParseValueText(std::string_view(reinterpret_cast<char const*>(data), size));
    } catch (sto_Problem const&) {
        return 0;
    }
    auto text = sto_ValueText(value);
    if (sto_ValueText(sto_ParseValueText(text)) != text) std::abort();
    return 0;
}
