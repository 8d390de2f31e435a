#include "settings/texts.h"

#include <array>

namespace banzuri {

const std::vector<CatalogueEntry>& text_catalogue() {
    static const std::vector<CatalogueEntry> entries = {
#define BANZURI_TEXT_ENTRY(name, ja, en) {#name, ja, en},
        BANZURI_TEXTS(BANZURI_TEXT_ENTRY)
#undef BANZURI_TEXT_ENTRY
    };
    return entries;
}

const std::string& text(TextId id, Language language) {
    static const auto texts = [] {
        std::array<std::vector<std::string>, 2> out;
        for (const CatalogueEntry& entry : text_catalogue()) {
            out[0].emplace_back(entry.japanese);
            out[1].emplace_back(entry.english);
        }
        return out;
    }();
    const std::size_t which = language == Language::ENGLISH ? 1 : 0;
    return texts[which][static_cast<std::size_t>(id)];
}

files::Message message(TextId id) {
    return {text(id, Language::JAPANESE), text(id, Language::ENGLISH)};
}

}  // namespace banzuri
