#include "sound/AudioDevice.hpp"

#include <SFML/System/Err.hpp>

#include <dlfcn.h>
#include <fcntl.h>
#include <unistd.h>

#include <iostream>
#include <sstream>

namespace AudioDevice {

namespace {

bool missing = false;

// Everything written to standard error, by any library, goes nowhere while
// it lives.
class QuietStandardError {
public:
    QuietStandardError() {
        std::cerr.flush();
        saved = dup(STDERR_FILENO);
        const int nowhere = open("/dev/null", O_WRONLY);
        if (saved >= 0 && nowhere >= 0)
            dup2(nowhere, STDERR_FILENO);
        if (nowhere >= 0)
            close(nowhere);
        oldBuffer = sf::err().rdbuf(swallowed.rdbuf());
    }
    ~QuietStandardError() {
        sf::err().rdbuf(oldBuffer);
        if (saved >= 0) {
            dup2(saved, STDERR_FILENO);
            close(saved);
        }
    }
    QuietStandardError(const QuietStandardError&) = delete;
    QuietStandardError& operator=(const QuietStandardError&) = delete;

    bool heardComplaint() const { return !swallowed.str().empty(); }

private:
    int saved = -1;
    std::ostringstream swallowed;
    std::streambuf* oldBuffer = nullptr;
};

// SFML makes the device's context current when it opened one; OpenAL is
// loaded with SFML's audio, so it is asked directly.
bool HasContext() {
    using CurrentContext = void* (*)();
    void* symbol = dlsym(RTLD_DEFAULT, "alcGetCurrentContext");
    if (symbol == nullptr)
        return true; // cannot tell: trust SFML's silence
    return reinterpret_cast<CurrentContext>(symbol)() != nullptr;
}

} // namespace

std::unique_ptr<sf::SoundBuffer> Open() {
    if (missing)
        return nullptr;
    std::unique_ptr<sf::SoundBuffer> holder;
    {
        QuietStandardError quiet;
        // The first SFML audio object opens the device.
        holder = std::make_unique<sf::SoundBuffer>();
        if (!quiet.heardComplaint() && HasContext())
            return holder;
        missing = true;
        holder.reset();
    }
    std::cout << "AudioDevice::Open() - kein Audiogerät gefunden, das Spiel bleibt stumm."
              << std::endl;
    return nullptr;
}

} // namespace AudioDevice
