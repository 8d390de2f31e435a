// The language of the game's texts. Japanese unless the player chose another; the window keeps
// the choice (never the settings file).
#pragma once

#include <optional>
#include <string_view>

namespace banzuri {

enum class Language { JAPANESE, ENGLISH };

// The language of a code as the command line and the window's settings write it: "ja", "en".
inline std::optional<Language> language_of_code(std::string_view code) {
    if (code == "ja") return Language::JAPANESE;
    if (code == "en") return Language::ENGLISH;
    return std::nullopt;
}

inline const char* code_of_language(Language language) {
    return language == Language::ENGLISH ? "en" : "ja";
}

}  // namespace banzuri
