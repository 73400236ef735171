// Stands in for the program's last moments: it arms the end of the process
// with status 7, then either returns 5 at once (a teardown that finishes) or
// never returns (a teardown that deadlocks).
#include "shell/Startup.h"

#include <chrono>
#include <string_view>
#include <thread>

int main(int argc, char *argv[])
{
    quillmere::endProcessWithin(std::chrono::milliseconds(200), 7);
    if (argc > 1 && std::string_view(argv[1]) == "hang") {
        for (;;)
            std::this_thread::sleep_for(std::chrono::hours(1));
    }
    return 5;
}
