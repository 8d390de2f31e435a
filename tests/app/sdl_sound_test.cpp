// The SDL2_mixer sound library: buffers from WAV images, harmless unknown handles, and a real
// effect mixed into SDL's disk audio driver.
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <vector>

#include "app/sdl_sound.h"

using banzuri::app::SdlSoundLibrary;

namespace {

void put16(std::vector<unsigned char>& out, unsigned value) {
    out.push_back(static_cast<unsigned char>(value & 0xff));
    out.push_back(static_cast<unsigned char>((value >> 8) & 0xff));
}

void put32(std::vector<unsigned char>& out, unsigned value) {
    put16(out, value & 0xffff);
    put16(out, value >> 16);
}

// A mono 16-bit WAV image of a 440 Hz tone.
std::vector<unsigned char> tone_wav(double seconds) {
    const unsigned rate = 22050;
    const auto samples = static_cast<unsigned>(seconds * rate);
    std::vector<unsigned char> out{'R', 'I', 'F', 'F'};
    put32(out, 36 + samples * 2);
    out.insert(out.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
    put32(out, 16);
    put16(out, 1);
    put16(out, 1);
    put32(out, rate);
    put32(out, rate * 2);
    put16(out, 2);
    put16(out, 16);
    out.insert(out.end(), {'d', 'a', 't', 'a'});
    put32(out, samples * 2);
    for (unsigned i = 0; i < samples; ++i) {
        const double value = 12000 * std::sin(2 * M_PI * 440 * i / rate);
        put16(out, static_cast<unsigned>(static_cast<std::int16_t>(value)) & 0xffff);
    }
    return out;
}

}  // namespace

class SdlSoundTest : public QObject {
    Q_OBJECT

  private slots:
    void handle_zero_and_unknown_handles_are_harmless() {
        SdlSoundLibrary library;
        for (int handle : {0, 7, -1}) {
            library.dsPlay(handle);
            library.dsPlayLooping(handle);
            library.dsStop(handle);
            library.dsFree(handle);
            library.dsTerminate(handle);
        }
        const auto wav = tone_wav(0.1);
        QCOMPARE(library.dsCreateDSB(0, wav.data(), wav.size(), 3), 0);
        const int ds = library.dsInitialize(0);
        QVERIFY2(ds != 0, library.last_error());
        for (int handle : {0, 7, -1}) {
            library.dsPlay(handle);
            library.dsPlayLooping(handle);
            library.dsStop(handle);
            library.dsFree(handle);
        }
        library.dsTerminate(ds);
        library.dsTerminate(ds);
    }

    void buffers_play_loop_stop_and_free() {
        SdlSoundLibrary library;
        const int ds = library.dsInitialize(0);
        QVERIFY(ds != 0);
        const auto wav = tone_wav(0.2);
        const int effect = library.dsCreateDSB(ds, wav.data(), wav.size(), 3);
        const int music = library.dsCreateDSB(ds, wav.data(), wav.size(), 1);
        QVERIFY(effect != 0 && music != 0 && effect != music);
        library.dsPlayLooping(music);
        library.dsPlayLooping(music);
        library.dsPlay(effect);
        library.dsPlay(effect);
        library.dsStop(music);
        library.dsFree(effect);
        library.dsPlay(effect);  // freed: now an unknown handle
        library.dsFree(music);
        library.dsTerminate(ds);
    }

    void an_image_that_is_not_a_sound_is_refused_with_sdls_text() {
        SdlSoundLibrary library;
        const int ds = library.dsInitialize(0);
        QVERIFY(ds != 0);
        const unsigned char junk[] = "RIFF\x10\0\0\0WAVEjunkjunkjunk";
        QCOMPARE(library.dsCreateDSB(ds, junk, sizeof junk, 3), 0);
        QVERIFY(std::string(library.last_error()).size() > 0);
        auto wav = tone_wav(0.1);
        QCOMPARE(library.dsCreateDSB(ds, wav.data(), 20, 3), 0);  // cut short in the header
        QCOMPARE(library.dsCreateDSB(ds, nullptr, 0, 3), 0);
        library.dsTerminate(ds);
    }

    // The device closes once nothing has played for the idle time, stays open while music
    // loops, and every kind of call works on the closed device; playing opens it again.
    void an_idle_device_closes_and_the_next_sound_opens_it() {
        SdlSoundLibrary library;
        library.set_idle_close_ms(30);
        const int ds = library.dsInitialize(0);
        QVERIFY2(ds != 0, library.last_error());
        const auto wav = tone_wav(0.05);
        const int effect = library.dsCreateDSB(ds, wav.data(), wav.size(), 3);
        const int music = library.dsCreateDSB(ds, wav.data(), wav.size(), 1);
        QVERIFY(library.device_open());
        QTRY_VERIFY_WITH_TIMEOUT(!library.device_open(), 3000);

        library.dsStop(effect);  // nothing plays: the device stays closed
        QVERIFY(!library.device_open());
        const int late = library.dsCreateDSB(ds, wav.data(), wav.size(), 3);
        QVERIFY2(late != 0, library.last_error());
        library.dsFree(late);
        library.dsPlay(effect);
        QVERIFY(library.device_open());
        QTRY_VERIFY_WITH_TIMEOUT(!library.device_open(), 3000);

        library.dsPlayLooping(music);
        QTest::qWait(300);  // many idle times, the tone many times over
        QVERIFY(library.device_open());
        library.dsStop(music);
        QTRY_VERIFY_WITH_TIMEOUT(!library.device_open(), 3000);
        library.dsTerminate(ds);
        QVERIFY(!library.device_open());
    }

    // Runs last: it switches SDL to the driver that writes the mixed sound to a file.
    void an_effect_comes_out_of_the_disk_driver() {
        QTemporaryDir folder;
        const QByteArray output = folder.filePath("audio.raw").toLocal8Bit();
        qputenv("SDL_AUDIODRIVER", "disk");
        qputenv("SDL_DISKAUDIOFILE", output);
        {
            SdlSoundLibrary library;
            const int ds = library.dsInitialize(0);
            QVERIFY2(ds != 0, library.last_error());
            const auto wav = tone_wav(0.3);
            const int effect = library.dsCreateDSB(ds, wav.data(), wav.size(), 3);
            QVERIFY2(effect != 0, library.last_error());
            library.set_idle_close_ms(30);
            QTRY_VERIFY_WITH_TIMEOUT(!library.device_open(), 3000);
            library.dsPlay(effect);  // the reopened device writes the file anew
            QTest::qWait(600);
            library.dsTerminate(ds);
        }
        std::ifstream in(output.constData(), std::ios::binary);
        const std::vector<char> bytes{std::istreambuf_iterator<char>(in),
                                      std::istreambuf_iterator<char>()};
        int loud = 0;
        for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
            const auto sample =
                static_cast<std::int16_t>(static_cast<unsigned char>(bytes[i]) |
                                          (static_cast<unsigned char>(bytes[i + 1]) << 8));
            if (std::abs(sample) > 1000) ++loud;
        }
        QVERIFY2(loud > 1000,
                 qPrintable(QString("loud samples: %1 of %2").arg(loud).arg(bytes.size() / 2)));
    }
};

QTEST_MAIN(SdlSoundTest)
#include "sdl_sound_test.moc"
