#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>
#include <string>
#include <vector>

#include "fakes/recording_fakes.h"
#include "sound/sound_layer.h"
#include "sound/wav_file.h"

namespace banzuri {
namespace {

using testing::Log;

// The sound layer over a recording sound library and message boxes, reading its files from a
// temporary folder of its own.
struct SoundRig {
    SoundRig() { std::filesystem::create_directories(folder); }
    ~SoundRig() {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    std::vector<std::string> lines(const std::string& prefix) const {
        std::vector<std::string> out;
        for (const auto& line : log)
            if (line.rfind(prefix, 0) == 0) out.push_back(line);
        return out;
    }

    Log log;
    testing::FakeSound sound{log};
    testing::FakeDialogs dialogs{log};
    std::filesystem::path folder =
        std::filesystem::temp_directory_path() /
        ("banzuri-sound-test-" + std::to_string(::getpid()) + "-" + std::to_string(++count_));
    SoundLayer layer{sound, dialogs, folder};

  private:
    static inline int count_ = 0;
};

const std::string NO_SOUND_WARNING =
    "warning [Banzuri.dll] Direct Soundインターフェースが作成できません。";

void write_bytes(const std::filesystem::path& path, std::size_t length) {
    std::ofstream out(path, std::ios::binary);
    out << std::string(length, 'w');
}

// The six files with lengths 101..106 in the order of loading.
void write_all_sounds(const std::filesystem::path& folder) {
    const char* names[] = {"その他.wav", "禁止.wav", "駒打音.wav",
                           "終局.wav",   "消滅.wav", "BGM.wav"};
    std::size_t length = 101;
    for (const char* name : names)
        write_bytes(folder / name, length++);
}

TEST(SoundLayer, StartUpLoadsTheSixFilesInOrderWithTheirFlags) {
    SoundRig w;
    write_all_sounds(w.folder);
    w.layer.load_sounds();
    EXPECT_EQ(w.log,
              (Log{"dsInitialize", "dsCreateDSB 101 3", "dsCreateDSB 102 3", "dsCreateDSB 103 3",
                   "dsCreateDSB 104 3", "dsCreateDSB 105 3", "dsCreateDSB 106 1"}));
    EXPECT_EQ(w.layer.ds_handle(), 1);
    EXPECT_EQ(w.layer.snd_other(), 1);
    EXPECT_EQ(w.layer.snd_forbidden(), 2);
    EXPECT_EQ(w.layer.snd_piece(), 3);
    EXPECT_EQ(w.layer.snd_game_end(), 4);
    EXPECT_EQ(w.layer.snd_vanish(), 5);
    EXPECT_EQ(w.layer.snd_bgm(), 6);
}

TEST(SoundLayer, StartUpAgainAfterAFinishedGameDoesNotLoadTwice) {
    SoundRig w;
    write_all_sounds(w.folder);
    w.layer.load_sounds();
    const std::size_t calls = w.log.size();
    w.layer.load_sounds();
    EXPECT_EQ(w.log.size(), calls);
    EXPECT_EQ(w.layer.snd_bgm(), 6);
}

TEST(SoundLayer, MissingFilesGiveSilenceWithoutAMessage) {
    SoundRig w;
    write_bytes(w.folder / "駒打音.wav", 50);
    w.layer.load_sounds();
    EXPECT_EQ(w.log, (Log{"dsInitialize", "dsCreateDSB 50 3"}));
    EXPECT_EQ(w.layer.snd_other(), 0);
    EXPECT_EQ(w.layer.snd_piece(), 1);
    EXPECT_EQ(w.layer.snd_bgm(), 0);
    w.layer.play(w.layer.snd_other());
    EXPECT_EQ(w.log.back(), "dsPlay 0");
}

TEST(SoundLayer, NoSoundSystemWarnsOnceAndLoadsNothing) {
    SoundRig w;
    w.sound.device_ok = false;
    write_all_sounds(w.folder);
    w.layer.load_sounds();
    EXPECT_EQ(w.log, (Log{"dsInitialize", NO_SOUND_WARNING}));
    EXPECT_EQ(w.layer.snd_other() + w.layer.snd_forbidden() + w.layer.snd_piece() +
                  w.layer.snd_game_end() + w.layer.snd_vanish() + w.layer.snd_bgm(),
              0);
    w.log.clear();
    w.layer.free_sounds();
    EXPECT_EQ(w.log, (Log{"dsFree 0", "dsFree 0", "dsFree 0", "dsFree 0", "dsFree 0", "dsFree 0"}));
}

TEST(SoundLayer, ABufferTheLibraryRefusesWarnsWithItsTextAndTheGameGoesOn) {
    SoundRig w;
    w.sound.accept_buffers = false;
    write_bytes(w.folder / "禁止.wav", 7);
    write_bytes(w.folder / "BGM.wav", 8);
    w.layer.load_sounds();
    EXPECT_EQ(w.log,
              (Log{"dsInitialize", "dsCreateDSB 7 3", "warning [Banzuri.dll] not a valid WAV image",
                   "dsCreateDSB 8 1", "warning [Banzuri.dll] not a valid WAV image"}));
    EXPECT_EQ(w.layer.snd_forbidden(), 0);
    EXPECT_EQ(w.layer.snd_bgm(), 0);
}

TEST(SoundLayer, AFileThatCannotBeReadWarnsWithTheSystemsText) {
    SoundRig w;
    write_all_sounds(w.folder);
    std::filesystem::remove(w.folder / "終局.wav");
    std::filesystem::create_directory(w.folder / "終局.wav");
    w.layer.load_sounds();
    EXPECT_EQ(w.lines("warning"), (Log{"warning [Banzuri.dll] Is a directory"}));
    EXPECT_EQ(w.lines("dsCreateDSB").size(), 5u);
    EXPECT_EQ(w.layer.snd_game_end(), 0);
    EXPECT_EQ(w.layer.snd_vanish(), 4);
}

TEST(SoundLayer, AnOversizedFileIsRefusedWithoutReadingIt) {
    SoundRig w;
    std::ofstream(w.folder / "BGM.wav").close();
    std::filesystem::resize_file(w.folder / "BGM.wav", SOUND_FILE_LIMIT + 1);
    w.layer.load_sounds();
    EXPECT_EQ(w.log, (Log{"dsInitialize", "warning [Banzuri.dll] File too large"}));
    EXPECT_EQ(w.layer.snd_bgm(), 0);
}

TEST(SoundLayer, ShutdownFreesTheSixInOrderThenTheSoundSystemOnce) {
    SoundRig w;
    write_all_sounds(w.folder);
    w.layer.load_sounds();
    w.layer.start_music();
    w.log.clear();
    w.layer.free_sounds();
    EXPECT_EQ(w.log, (Log{"dsFree 1", "dsFree 2", "dsFree 3", "dsFree 4", "dsFree 5", "dsFree 6",
                          "dsTerminate 1"}));
    EXPECT_FALSE(w.layer.music_playing());
    w.log.clear();
    w.layer.free_sounds();  // the window closing after "終わり"
    w.layer.play(w.layer.snd_piece());
    EXPECT_EQ(w.log, (Log{"dsPlay 0"}));
}

TEST(SoundLayer, MusicIsNeverStartedTwiceAndRestartsTheSameBuffer) {
    SoundRig w;
    write_all_sounds(w.folder);
    w.layer.load_sounds();
    w.log.clear();
    w.layer.start_music();
    w.layer.start_music();
    w.layer.stop_music();
    w.layer.stop_music();
    w.layer.start_music();
    EXPECT_EQ(w.log, (Log{"dsPlayLooping 6", "dsStop 6", "dsPlayLooping 6"}));
    EXPECT_TRUE(w.layer.music_playing());
}

TEST(SoundFile, ReadsTheWholeImageByteForByte) {
    SoundRig w;
    const std::string image("RIFF\0\x01\x02\xff", 8);
    std::ofstream(w.folder / "a.wav", std::ios::binary) << image;
    const SoundFileImage read = read_sound_file(w.folder / "a.wav");
    EXPECT_FALSE(read.missing);
    EXPECT_TRUE(read.error.empty());
    EXPECT_EQ(std::string(read.bytes.begin(), read.bytes.end()), image);
    EXPECT_TRUE(read_sound_file(w.folder / "b.wav").missing);
}

// A file larger than the reader's own pieces comes back whole, byte for byte.
TEST(SoundFile, ALargeFileIsReadWhole) {
    SoundRig w;
    std::string image(300000, '\0');
    for (std::size_t i = 0; i < image.size(); ++i)
        image[i] = static_cast<char>(i * 7 % 251);
    std::ofstream(w.folder / "large.wav", std::ios::binary) << image;
    const SoundFileImage read = read_sound_file(w.folder / "large.wav");
    EXPECT_TRUE(read.error.empty());
    EXPECT_EQ(std::string(read.bytes.begin(), read.bytes.end()), image);
}

// Runs `work` on another thread; when it is still stuck on the FIFO after five seconds, opening
// the FIFO's other end releases it, so a fault fails the test instead of hanging it.
template <class Work>
auto run_past_fifo(const std::filesystem::path& fifo, Work work) {
    auto running = std::async(std::launch::async, work);
    if (running.wait_for(std::chrono::seconds(5)) == std::future_status::timeout) {
        ADD_FAILURE() << "blocked on " << fifo;
        const int writer = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
        if (writer >= 0) ::close(writer);
    }
    return running.get();
}

SoundFileImage read_with_timeout(const std::filesystem::path& path) {
    return run_past_fifo(path, [path] { return read_sound_file(path); });
}

TEST(SoundFile, AFifoOrAFolderIsRefusedWithoutBlocking) {
    SoundRig w;
    ASSERT_EQ(::mkfifo((w.folder / "a.wav").c_str(), 0600), 0);
    const SoundFileImage fifo = read_with_timeout(w.folder / "a.wav");
    EXPECT_FALSE(fifo.missing);
    EXPECT_EQ(fifo.error, std::generic_category().message(EINVAL));
    EXPECT_TRUE(fifo.bytes.empty());
    std::filesystem::create_directory(w.folder / "b.wav");
    EXPECT_EQ(read_with_timeout(w.folder / "b.wav").error, std::generic_category().message(EISDIR));
}

TEST(SoundLayer, AFifoNamedLikeASoundIsNoSoundWithOneWarning) {
    SoundRig w;
    write_all_sounds(w.folder);
    std::filesystem::remove(w.folder / "駒打音.wav");
    ASSERT_EQ(::mkfifo((w.folder / "駒打音.wav").c_str(), 0600), 0);
    run_past_fifo(w.folder / "駒打音.wav", [&w] { w.layer.load_sounds(); });
    EXPECT_EQ(w.log, (Log{"dsInitialize", "dsCreateDSB 101 3", "dsCreateDSB 102 3",
                          "warning [Banzuri.dll] " + std::generic_category().message(EINVAL),
                          "dsCreateDSB 104 3", "dsCreateDSB 105 3", "dsCreateDSB 106 1"}));
    EXPECT_EQ(w.layer.snd_piece(), 0);
}

}  // namespace
}  // namespace banzuri
