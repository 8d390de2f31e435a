// Addresses the help commands open in the browser: the help page next to the game and the
// maker's home page.
#pragma once

#include <filesystem>
#include <string>

namespace banzuri {

inline constexpr const char* HELP_PAGE_FILE = "Banzuri.htm";
// The help page in English, beside the Japanese one.
inline constexpr const char* ENGLISH_HELP_PAGE_FILE = "Banzuri-en.htm";
// The maker's home page, chosen when the game is configured (BANZURI_HOME_PAGE).
#ifndef BANZURI_HOME_PAGE
#define BANZURI_HOME_PAGE "https://banzuri.example.org/"
#endif
inline constexpr const char* HOME_PAGE_ADDRESS = BANZURI_HOME_PAGE;

// The "file://" address of a file: its absolute path in UTF-8 with every byte other than
// letters, digits, "-", ".", "_", "~" and the "/" separators percent-encoded, so spaces,
// quotes, ";", "#", "%" and Japanese names reach the browser as one unambiguous address.
// A relative path is taken from the current directory.
std::string file_url(const std::filesystem::path& file);

// True for an address the browser may be asked to open: "file://", "http://" or "https://"
// followed by printable ASCII without spaces, quotes, "<", ">", "\" or "`".
bool openable_address(const std::string& address);

}  // namespace banzuri
