// The game's own folders (the state folder of the autosave): made when missing, readable by
// the user alone, and otherwise left exactly as they are.
#pragma once

#include <filesystem>

namespace banzuri::files {

// Makes `folder` and its missing parents, each new one with mode 0700 (less the umask). A
// folder that is already there (or a link to one) keeps its mode and owner, and something
// there that is no folder is left as it is. Answers 0, or the errno of the step that failed
// (ENOTDIR when something other than a folder stands in the way).
int make_private_folder(const std::filesystem::path& folder);

}  // namespace banzuri::files
