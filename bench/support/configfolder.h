#pragma once

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>

namespace pellax::bench {

// A configuration folder of its own for the program under measurement, so that
// it never reads or writes the user's; removed at the end.
class ConfigFolder {
public:
    ConfigFolder() {
        char pattern[] = "/tmp/pellax-bench-XXXXXX";
        if (!::mkdtemp(pattern))
            throw std::runtime_error(std::string("mkdtemp: ") + std::strerror(errno));
        path_ = pattern;
    }
    ~ConfigFolder() {
        for (const char* name : {"HKEY_LOCAL_MACHINE.ini", "HKEY_LOCAL_MACHINE.ini.lock", "HKEY_CURRENT_USER.ini"})
            std::remove((path_ + "/pellax/" + name).c_str());
        ::rmdir((path_ + "/pellax").c_str());
        ::rmdir(path_.c_str());
    }
    ConfigFolder(const ConfigFolder&) = delete;
    ConfigFolder& operator=(const ConfigFolder&) = delete;

    // What the program writes on its first start, so that it starts as on every later day.
    void rememberFirstStart() const {
        ::mkdir((path_ + "/pellax").c_str(), 0700);
        std::ofstream hive(machineHive());
        hive << "[SOFTWARE]\nQuorvane\\Pellax%20editor\\started=1\n";
        if (!hive)
            throw std::runtime_error("cannot write " + machineHive());
    }
    bool firstStartRemembered() const {
        std::ifstream hive(machineHive());
        std::stringstream text;
        text << hive.rdbuf();
        return text.str().find("started=") != std::string::npos;
    }
    const std::string& path() const noexcept { return path_; }

private:
    std::string machineHive() const { return path_ + "/pellax/HKEY_LOCAL_MACHINE.ini"; }
    std::string path_;
};

// The platform the probes will use: the one QT_QPA_PLATFORM names, else the
// display's, else (set here) the offscreen one.
inline std::string choosePlatform() {
    if (const char* platform = std::getenv("QT_QPA_PLATFORM"))
        return platform;
    if (const char* display = std::getenv("DISPLAY"))
        return std::string("default, DISPLAY=") + display;
    if (const char* wayland = std::getenv("WAYLAND_DISPLAY"))
        return std::string("default, WAYLAND_DISPLAY=") + wayland;
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    return "offscreen";
}

}  // namespace pellax::bench
