#pragma once

#include "framework/windows/component.h"

#include <QString>

namespace pellax {

class TROSettings;
class TROTimerPool;

// The pack's one application-wide object, made when the pack starts. It tells
// whether another copy of the program is running, when asked: the first
// question makes a marker file named after the program file and locks it for
// as long as this object lives (the system lets go of the lock when a copy
// ends, however it ends), so a copy is known only to another that asks too,
// and a program that never asks leaves no file behind. The marker lives only
// in a folder of the user's own that nobody else may write, and is never
// reached through a link; where it cannot be made, no other copy is known. It
// installs the program's own cursor as screen cursor -255 when the program has
// one, and keeps a settings object and a timer pool for the pack.
class TROApplication : public TComponent {
public:
    // Screen cursor number and resource of the program's own cursor.
    static constexpr int kCursorIndex = -255;
    static constexpr int kCursorResource = 16548;

    struct Places {
        QString markerFolder;    // where the running-copy marker lives; none when empty
        QString programName;     // the program file's name, without its folder
        QString cursorResource;  // a picture of the cursor; none when it does not load
    };
    // The user's runtime folder (else the program's folder in the user's cache
    // folder, made when the marker is), the program's file name and its cursor resource.
    static Places programPlaces();

    explicit TROApplication(TComponent* owner = nullptr, const Places& places = programPlaces());
    ~TROApplication() override;

    // A marker of the same name was already held when this object first asked.
    bool AnotherInstanceRunning();
    bool CursorInstalled() const noexcept { return cursorInstalled_; }
    TROSettings* Settings() const noexcept { return settings_; }
    TROTimerPool* TimerPool() const noexcept { return timerPool_; }

private:
    Places places_;
    bool asked_ = false;
    int marker_ = -1;
    bool anotherInstance_ = false;
    bool cursorInstalled_ = false;
    TROSettings* settings_ = nullptr;
    TROTimerPool* timerPool_ = nullptr;
};

}  // namespace pellax
