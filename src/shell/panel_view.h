#pragma once
// What the receiver asks the front panel to show. The panel implements it; the
// receiver never touches a widget.

#include <string>
#include <vector>

namespace zenka {

class PanelView {
  public:
    virtual ~PanelView() = default;
    // The frequency read-out, e.g. "   500.0 kHz".
    virtual void show_frequency(const std::string& text) = 0;
    // The S-meter: five cells, the first `qsa` of them ">".
    virtual void show_smeter(const std::string& text) = 0;
    // The fine-step pair: "< 100" / "100 >" below 200.0 kHz, "< 500" / "500 >" above.
    virtual void show_fine_steps(const std::string& down, const std::string& up) = 0;
    // Memory button index (0 .. 11) now holds a frequency, e.g. "500.0".
    virtual void show_memory(int index, const std::string& caption) = 0;
    // The filter button: "FLT2" or "FLT1".
    virtual void show_filter(const std::string& caption) = 0;
    // Files of a retune that could not be written (their stations stay silent).
    virtual void show_file_errors(const std::vector<std::string>& /*errors*/) {}
};

// A panel nobody looks at, for the headless front ends.
class NoPanel final : public PanelView {
  public:
    void show_frequency(const std::string&) override {}
    void show_smeter(const std::string&) override {}
    void show_fine_steps(const std::string&, const std::string&) override {}
    void show_memory(int, const std::string&) override {}
    void show_filter(const std::string&) override {}
};

} // namespace zenka
