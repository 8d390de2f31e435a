// libFuzzer entry: any bytes, read as a ".kif" file (UTF-8 or Shift-JIS) and as a ".kifu" file
// (UTF-8 only), then replayed and written back; a broken promise aborts with its reason.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "record_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    for (const char* name : {"game.kif", "game.kifu"}) {
        const std::string wrong = banzuri::fuzz::check_record_bytes(bytes, name);
        if (wrong.empty()) continue;
        std::fprintf(stderr, "%s: %s\n", name, wrong.c_str());
        std::abort();
    }
    return 0;
}
