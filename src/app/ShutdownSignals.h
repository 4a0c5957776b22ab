#pragma once

namespace zr9
{

/**
    Ends the program in the ordinary way when it is asked to stop by SIGTERM
    (a session logout, a service manager) or SIGINT (Ctrl+C), so that the
    settings and banks are written on the way out.

    The signal handler only writes one byte into a pipe; the framework's event
    loop watches the pipe's other end and, on the message thread, asks the
    application to quit. Nothing wakes the program while no signal comes.
*/
class ShutdownSignals
{
public:
    ShutdownSignals();
    ~ShutdownSignals();

    ShutdownSignals (const ShutdownSignals&) = delete;
    ShutdownSignals& operator= (const ShutdownSignals&) = delete;

private:
    void signalled();
};

} // namespace zr9
