// Everything the platform gives the main window: the small interfaces through which the game
// reaches message boxes, the time of day and waits, the clock timer's enabled flag, the poll
// timer that watches the computer's worker, the frame timer of the animations, the menus' check
// marks, the URL opener, ending the program, choosing record files and the clipboard. The app
// implements them with Qt; tests record.
#pragma once

#include "platform/app_control.h"
#include "platform/clipboard.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/file_chooser.h"
#include "platform/frame_timer.h"
#include "platform/menu_view.h"
#include "platform/poll_timer.h"
#include "platform/timer_control.h"
#include "platform/url_opener.h"
#include "render/canvas.h"
#include "sound/sound_library.h"

namespace banzuri {

struct Platform {
    Canvas& canvas;
    Dialogs& dialogs;
    Clock& clock;
    TimerControl& timer;
    MenuView& menu;
    SoundLibrary& sound;
    UrlOpener& browser;
    AppControl& app;
    FileChooser& files;
    Clipboard& clipboard;
    PollTimer& poll;
    FrameTimer& frames;
};

}  // namespace banzuri
