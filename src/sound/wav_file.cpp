#include "sound/wav_file.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <system_error>

namespace banzuri {

namespace {

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

std::string error_text(int error_number) {
    return std::generic_category().message(error_number);
}

}  // namespace

SoundFileImage read_sound_file(const std::filesystem::path& path) {
    SoundFileImage image;
    std::error_code ec;
    if (!std::filesystem::exists(path, ec)) {
        if (ec && ec != std::errc::no_such_file_or_directory)
            image.error = ec.message();
        else
            image.missing = true;
        return image;
    }
    errno = 0;
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "rb"));
    if (!file) {
        image.error = error_text(errno != 0 ? errno : EIO);
        return image;
    }
    unsigned char chunk[65536];
    for (;;) {
        const std::size_t got = std::fread(chunk, 1, sizeof chunk, file.get());
        if (image.bytes.size() + got > SOUND_FILE_LIMIT) {
            image.error = error_text(EFBIG);
            image.bytes.clear();
            return image;
        }
        image.bytes.insert(image.bytes.end(), chunk, chunk + got);
        if (got < sizeof chunk) break;
    }
    if (std::ferror(file.get())) {
        image.error = error_text(errno != 0 ? errno : EIO);
        image.bytes.clear();
    }
    return image;
}

}  // namespace banzuri
