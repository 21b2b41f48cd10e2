#pragma once

namespace tavelo {

// The process's user interface: connects to the display, runs the one window, and ends when it
// is closed.
class CtaveloApp {
public:
    int Run(int argc, char** argv);
};

}  // namespace tavelo
