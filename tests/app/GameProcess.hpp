#pragma once

#include <filesystem>
#include <string>
#include <sys/types.h>

// The game started as its own process in a scratch copy of the build folder,
// so a test may take assets away without touching the real build.
class GameProcess {
public:
    // Copies the game and its asset folders from the working directory.
    GameProcess();
    ~GameProcess();
    GameProcess(const GameProcess&) = delete;
    GameProcess& operator=(const GameProcess&) = delete;

    const std::filesystem::path& folder() const { return root; }

    void start(const std::string& extraEnvironment = "");
    // Waits for the process to end; false on timeout (the process is then killed).
    bool waitForExit(int timeoutMilliseconds);
    bool isRunning();

    int exitStatus() const { return status; }
    std::string standardOutput() const;

private:
    std::filesystem::path root;
    pid_t pid = -1;
    int status = -1;
};

void sleepMilliseconds(int milliseconds);
