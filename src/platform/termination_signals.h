#pragma once
// SIGINT, SIGTERM and SIGHUP caught for an orderly end: the handler only notes
// the signal and writes a byte into a pipe an event loop may watch. The program
// then cleans up (its files and working folder go with their owners' destructors)
// and ends with the signal's own status through reraise().

namespace zenka {

class TerminationSignals {
  public:
    // Installs the handlers; the previous ones come back with the destructor.
    TerminationSignals();
    ~TerminationSignals();
    TerminationSignals(const TerminationSignals&) = delete;
    TerminationSignals& operator=(const TerminationSignals&) = delete;

    // The first signal caught, 0 while none has arrived.
    static int caught();
    // Readable once a signal has arrived; -1 when the pipe could not be made.
    int wake_fd() const;
    // Empties the pipe.
    void drain() const;
    // Ends the process by the caught signal with its default action.
    [[noreturn]] static void reraise();
};

// Runs `work` (taking the TerminationSignals) with the signals caught. When one
// came, the process ends by it once `work` has returned and cleaned up; else
// the result is what `work` returned.
template <class Work> int run_to_end_or_signal(Work&& work) {
    int status = 0;
    {
        const TerminationSignals caught_signals;
        status = work(caught_signals);
    }
    if (TerminationSignals::caught() != 0) TerminationSignals::reraise();
    return status;
}

} // namespace zenka
