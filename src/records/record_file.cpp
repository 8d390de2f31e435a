#include "records/record_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "files/atomic_file.h"
#include "records/kif_format.h"
#include "records/replay.h"
#include "records/text_encoding.h"

namespace banzuri::records {

namespace {

constexpr std::string_view kBom = "\xEF\xBB\xBF";

// The file's name in quotes: 「…」 in Japanese, “…” in English.
Message quoted_name(const std::filesystem::path& path) {
    const std::string name = shown(path.string(), 200);
    return {"「" + name + "」", "“" + name + "”"};
}

std::string lowercase_extension(const std::filesystem::path& path) {
    std::string ext = path.extension().string();
    for (char& c : ext)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return ext;
}

bool is_kif(const std::filesystem::path& path) {
    return lowercase_extension(path) == ".kif";
}

bool is_kifu(const std::filesystem::path& path) {
    return lowercase_extension(path) == ".kifu";
}

// Reads at most kMaxRecordFileBytes + 1 bytes of a regular file; errno-based reason otherwise.
std::optional<std::string> read_bounded(const std::filesystem::path& path, Message& why) {
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        why = files::read_reason_of(errno);
        return std::nullopt;
    }
    struct stat st {};
    std::string bytes;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        why = {"普通のファイルではありません", "it is not a regular file"};
        ::close(fd);
        return std::nullopt;
    }
    char buffer[65536];
    while (bytes.size() <= kMaxRecordFileBytes) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) why = files::read_reason_of(errno);
        if (got <= 0) break;
        bytes.append(buffer, static_cast<std::size_t>(got));
    }
    ::close(fd);
    if (!why.empty()) return std::nullopt;
    if (bytes.size() > kMaxRecordFileBytes) {
        why = {"大きすぎます（棋譜ファイルは4MiBまでです）",
               "it is too large (a record file holds at most 4 MiB)"};
        return std::nullopt;
    }
    return bytes;
}

// Windows line ends, as programs that read Shift-JIS records expect.
std::string with_crlf(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

}  // namespace

std::optional<std::string> decode_record(std::string_view bytes, const std::filesystem::path& path,
                                         TextProblem& problem) {
    const bool bom = bytes.starts_with(kBom);
    if (bom) bytes.remove_prefix(kBom.size());
    std::size_t bad = 0;
    if (is_utf8(bytes, bad)) return std::string(bytes);
    if (bom || is_kifu(path)) {
        problem = {
            line_at(bytes, bad),
            {"UTF-8として読めない文字があります", "there are characters that are not valid UTF-8"}};
        return std::nullopt;
    }
    std::optional<std::string> text = cp932_to_utf8(bytes, bad);
    if (!text)
        problem = {line_at(bytes, bad),
                   {"Shift-JISとしてもUTF-8としても読めない文字があります",
                    "there are characters that are neither Shift-JIS nor UTF-8"}};
    return text;
}

std::optional<std::string> encode_record(const GameRecord& r, const std::filesystem::path& path) {
    const std::string text = write_kif(r);
    if (!is_kif(path)) return text;
    return utf8_to_cp932(with_crlf(text));
}

LoadResult load_record(const std::filesystem::path& path) {
    Message why;
    const std::optional<std::string> bytes = read_bounded(path, why);
    if (!bytes)
        return {std::nullopt,
                fill({"%1を開けません: %2", "%1 cannot be opened: %2"}, {quoted_name(path), why})};
    TextProblem problem;
    const std::optional<std::string> text = decode_record(*bytes, path, problem);
    KifResult read = text ? read_kif(*text) : KifResult{std::nullopt, problem};
    if (!read.record)
        return {std::nullopt,
                fill({"%1は棋譜として読めません: %2", "%1 is not a readable record: %2"},
                     {quoted_name(path), read.problem.text()})};
    return {std::move(read.record), {}};
}

Message save_record(const GameRecord& r, const std::filesystem::path& path) {
    const Message cannot_save{"%1を保存できません: %2", "%1 cannot be saved: %2"};
    if (auto problem = check_record(r)) {
        const Message why =
            fill({"棋譜が正しくありません（%1手目: %2）", "the record is not valid (move %1: %2)"},
                 {verbatim(std::to_string(problem->move)), problem->why});
        return fill(cannot_save, {quoted_name(path), why});
    }
    const std::optional<std::string> bytes = encode_record(r, path);
    if (!bytes)
        return fill(cannot_save, {quoted_name(path),
                                  {"Shift-JISで書けない文字があります",
                                   "some characters have no Shift-JIS form"}});
    // What is written must read back.
    if (bytes->size() > kMaxRecordFileBytes)
        return fill(cannot_save, {quoted_name(path),
                                  {"棋譜が大きすぎます（棋譜ファイルは4MiBまでです）",
                                   "the record is too large (a record file holds at most 4 MiB)"}});
    return files::write_file_atomically(path, *bytes);
}

}  // namespace banzuri::records
