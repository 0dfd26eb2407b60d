#pragma once

#include "framework/windows/component.h"

#include <QString>

namespace pellax {

class TROSettings;
class TROTimerPool;

// The pack's one application-wide object, made when the pack starts. It tells
// whether another copy of the program is running (a marker file named after
// the program file, locked while this object lives; the system lets go of the
// lock when a copy ends, however it ends). The marker lives only in a folder
// of the user's own that nobody else may write, and is never reached through a
// link; where it cannot be made, no other copy is known. It installs the program's own
// cursor as screen cursor -255 when the program has one, and keeps a settings
// object and a timer pool for the pack.
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
    // folder), the program's file name and its cursor resource.
    static Places programPlaces();

    explicit TROApplication(TComponent* owner = nullptr, const Places& places = programPlaces());
    ~TROApplication() override;

    // A marker of the same name was already held when this object was made.
    bool AnotherInstanceRunning() const noexcept { return anotherInstance_; }
    bool CursorInstalled() const noexcept { return cursorInstalled_; }
    TROSettings* Settings() const noexcept { return settings_; }
    TROTimerPool* TimerPool() const noexcept { return timerPool_; }

private:
    int marker_ = -1;
    bool anotherInstance_ = false;
    bool cursorInstalled_ = false;
    TROSettings* settings_ = nullptr;
    TROTimerPool* timerPool_ = nullptr;
};

}  // namespace pellax
