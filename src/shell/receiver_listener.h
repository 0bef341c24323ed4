#pragma once
// What the receiver tells a view beside the panel (the band window): every retune
// with what it composed and how that played, and the switches that change without
// a retune. Called on the thread that drives the receiver.

namespace zenka {

struct Composition;
struct PlayReport;

class ReceiverListener {
  public:
    virtual ~ReceiverListener() = default;
    // After every retune, once its channels have started.
    virtual void retuned(const Composition& composed, const PlayReport& played) = 0;
    // The band noise, the scan or plain audio changed (these do not retune).
    virtual void switches_changed() {}
};

} // namespace zenka
