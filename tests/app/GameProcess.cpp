#include "GameProcess.hpp"

#include "tests/TempFolder.hpp"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <thread>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

void sleepMilliseconds(int milliseconds) {
    std::this_thread::sleep_for(std::chrono::milliseconds(milliseconds));
}

GameProcess::GameProcess() {
    root = MakeTempFolder("game");
    fs::copy_file("ostravel", root / "ostravel");
    for (const char* folder : {"fonts", "img", "data"})
        fs::copy(folder, root / folder, fs::copy_options::recursive);
}

GameProcess::~GameProcess() {
    if (isRunning()) {
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
    }
    std::error_code ignored;
    fs::remove_all(root, ignored);
}

void GameProcess::start(const std::string& extraEnvironment) {
    pid = fork();
    if (pid == 0) {
        if (chdir(root.c_str()) != 0)
            _exit(127);
        if (!extraEnvironment.empty())
            putenv(const_cast<char*>(extraEnvironment.c_str()));
        if (!freopen("stdout.txt", "w", stdout) || !freopen("stderr.txt", "w", stderr))
            _exit(127);
        execl("./ostravel", "ostravel", static_cast<char*>(nullptr));
        _exit(127);
    }
}

bool GameProcess::isRunning() {
    if (pid <= 0)
        return false;
    int raw = 0;
    if (waitpid(pid, &raw, WNOHANG) == pid) {
        status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        pid = -1;
        return false;
    }
    return true;
}

bool GameProcess::waitForExit(int timeoutMilliseconds) {
    for (int waited = 0; waited < timeoutMilliseconds; waited += 20) {
        if (!isRunning())
            return true;
        sleepMilliseconds(20);
    }
    return !isRunning();
}

std::string GameProcess::standardOutput() const {
    std::ifstream file(root / "stdout.txt");
    std::stringstream content;
    content << file.rdbuf();
    return content.str();
}
