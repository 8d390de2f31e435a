#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "fakes/recording_platform.h"
#include "sound/wav_file.h"

namespace banzuri {
namespace {

using testing::FakeWindow;
using testing::Log;

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
    FakeWindow w;
    write_all_sounds(w.folder);
    w.form.sound.load_sounds();
    EXPECT_EQ(w.log,
              (Log{"dsInitialize", "dsCreateDSB 101 3", "dsCreateDSB 102 3", "dsCreateDSB 103 3",
                   "dsCreateDSB 104 3", "dsCreateDSB 105 3", "dsCreateDSB 106 1"}));
    EXPECT_EQ(w.form.sound.ds_handle(), 1);
    EXPECT_EQ(w.form.sound.snd_other(), 1);
    EXPECT_EQ(w.form.sound.snd_forbidden(), 2);
    EXPECT_EQ(w.form.sound.snd_piece(), 3);
    EXPECT_EQ(w.form.sound.snd_game_end(), 4);
    EXPECT_EQ(w.form.sound.snd_vanish(), 5);
    EXPECT_EQ(w.form.sound.snd_bgm(), 6);
}

TEST(SoundLayer, StartUpAgainAfterAFinishedGameDoesNotLoadTwice) {
    FakeWindow w;
    write_all_sounds(w.folder);
    w.form.sound.load_sounds();
    const std::size_t calls = w.log.size();
    w.form.sound.load_sounds();
    EXPECT_EQ(w.log.size(), calls);
    EXPECT_EQ(w.form.sound.snd_bgm(), 6);
}

TEST(SoundLayer, MissingFilesGiveSilenceWithoutAMessage) {
    FakeWindow w;
    write_bytes(w.folder / "駒打音.wav", 50);
    w.form.sound.load_sounds();
    EXPECT_EQ(w.log, (Log{"dsInitialize", "dsCreateDSB 50 3"}));
    EXPECT_EQ(w.form.sound.snd_other(), 0);
    EXPECT_EQ(w.form.sound.snd_piece(), 1);
    EXPECT_EQ(w.form.sound.snd_bgm(), 0);
    w.form.sound.play(w.form.sound.snd_other());
    EXPECT_EQ(w.log.back(), "dsPlay 0");
}

TEST(SoundLayer, NoSoundSystemWarnsOnceAndLoadsNothing) {
    FakeWindow w;
    w.sound.device_ok = false;
    write_all_sounds(w.folder);
    w.form.sound.load_sounds();
    EXPECT_EQ(w.log, (Log{"dsInitialize", NO_SOUND_WARNING}));
    EXPECT_EQ(w.form.sound.snd_other() + w.form.sound.snd_forbidden() + w.form.sound.snd_piece() +
                  w.form.sound.snd_game_end() + w.form.sound.snd_vanish() + w.form.sound.snd_bgm(),
              0);
    w.log.clear();
    w.form.sound.free_sounds();
    EXPECT_EQ(w.log, (Log{"dsFree 0", "dsFree 0", "dsFree 0", "dsFree 0", "dsFree 0", "dsFree 0"}));
}

TEST(SoundLayer, ABufferTheLibraryRefusesWarnsWithItsTextAndTheGameGoesOn) {
    FakeWindow w;
    w.sound.accept_buffers = false;
    write_bytes(w.folder / "禁止.wav", 7);
    write_bytes(w.folder / "BGM.wav", 8);
    w.form.sound.load_sounds();
    EXPECT_EQ(w.log,
              (Log{"dsInitialize", "dsCreateDSB 7 3", "warning [Banzuri.dll] not a valid WAV image",
                   "dsCreateDSB 8 1", "warning [Banzuri.dll] not a valid WAV image"}));
    EXPECT_EQ(w.form.sound.snd_forbidden(), 0);
    EXPECT_EQ(w.form.sound.snd_bgm(), 0);
}

TEST(SoundLayer, AFileThatCannotBeReadWarnsWithTheSystemsText) {
    FakeWindow w;
    write_all_sounds(w.folder);
    std::filesystem::remove(w.folder / "終局.wav");
    std::filesystem::create_directory(w.folder / "終局.wav");
    w.form.sound.load_sounds();
    EXPECT_EQ(w.lines("warning"), (Log{"warning [Banzuri.dll] Is a directory"}));
    EXPECT_EQ(w.lines("dsCreateDSB").size(), 5u);
    EXPECT_EQ(w.form.sound.snd_game_end(), 0);
    EXPECT_EQ(w.form.sound.snd_vanish(), 4);
}

TEST(SoundLayer, AnOversizedFileIsRefusedWithoutReadingIt) {
    FakeWindow w;
    std::ofstream(w.folder / "BGM.wav").close();
    std::filesystem::resize_file(w.folder / "BGM.wav", SOUND_FILE_LIMIT + 1);
    w.form.sound.load_sounds();
    EXPECT_EQ(w.log, (Log{"dsInitialize", "warning [Banzuri.dll] File too large"}));
    EXPECT_EQ(w.form.sound.snd_bgm(), 0);
}

TEST(SoundLayer, ShutdownFreesTheSixInOrderThenTheSoundSystemOnce) {
    FakeWindow w;
    write_all_sounds(w.folder);
    w.form.sound.load_sounds();
    w.form.sound.start_music();
    w.log.clear();
    w.form.sound.free_sounds();
    EXPECT_EQ(w.log, (Log{"dsFree 1", "dsFree 2", "dsFree 3", "dsFree 4", "dsFree 5", "dsFree 6",
                          "dsTerminate 1"}));
    EXPECT_FALSE(w.form.sound.music_playing());
    w.log.clear();
    w.form.sound.free_sounds();  // the window closing after "終わり"
    w.form.sound.play(w.form.sound.snd_piece());
    EXPECT_EQ(w.log, (Log{"dsPlay 0"}));
}

TEST(SoundLayer, MusicIsNeverStartedTwiceAndRestartsTheSameBuffer) {
    FakeWindow w;
    write_all_sounds(w.folder);
    w.form.sound.load_sounds();
    w.log.clear();
    w.form.sound.start_music();
    w.form.sound.start_music();
    w.form.sound.stop_music();
    w.form.sound.stop_music();
    w.form.sound.start_music();
    EXPECT_EQ(w.log, (Log{"dsPlayLooping 6", "dsStop 6", "dsPlayLooping 6"}));
    EXPECT_TRUE(w.form.sound.music_playing());
}

TEST(SoundFile, ReadsTheWholeImageByteForByte) {
    FakeWindow w;
    const std::string image("RIFF\0\x01\x02\xff", 8);
    std::ofstream(w.folder / "a.wav", std::ios::binary) << image;
    const SoundFileImage read = read_sound_file(w.folder / "a.wav");
    EXPECT_FALSE(read.missing);
    EXPECT_TRUE(read.error.empty());
    EXPECT_EQ(std::string(read.bytes.begin(), read.bytes.end()), image);
    EXPECT_TRUE(read_sound_file(w.folder / "b.wav").missing);
}

}  // namespace
}  // namespace banzuri
