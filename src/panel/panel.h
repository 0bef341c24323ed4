#pragma once
// The front panel: one fixed 810 x 295 window with the receiver's buttons, the
// frequency read-out and the S-meter. Buttons and keys go to the Receiver; what
// the receiver wants shown comes back through PanelView.
//
// Every control keeps its identifier as the dynamic property "id" (int) and as
// its objectName "id<N>":
//   101 OFF, 102 - 113 M1 - M12, 121 SCAN, 122 ATT, 123 FLT2/FLT1, 124 LOW,
//   125 MID, 126 HIGH, 127 HIST, 128 CLIP, 129 BGND, 130 QRN, 131 INFO, 132 SMPL,
//   141 frequency read-out, 142 S-meter, 151 / 152 fine step down / up,
//   153 / 154 1k down / up, 155 / 156 10k down / up, 157 / 158 100k down / up.

#include "shell/panel_view.h"
#include "shell/receiver.h"

#include <QString>
#include <QTimer>
#include <QWidget>

#include <string>

class QAction;
class QLabel;
class QPushButton;

namespace zenka {

class Panel final : public QWidget, public PanelView {
    Q_OBJECT

  public:
    // The window title. Fixed: it names the one receiver that may run at a time.
    static constexpr const char* kTitle = "Zenka receiver 10 - 1000 kHz";
    static constexpr int kWidth = 810;
    static constexpr int kHeight = 295;
    // The scan advances one fine step this often.
    static constexpr int kScanMs = 200;

    explicit Panel(QWidget* parent = nullptr);
    ~Panel() override;

    // The receiver the controls work. Set once, before power_on().
    void attach(Receiver& rx);
    // Starts the receiver; when it finds no sound device, a warning box follows
    // as soon as the event loop runs, and the receiver carries on silent.
    void power_on();

    // The control with identifier `id`, or null.
    QWidget* control(int id) const;

    // The context menu's switch for plain audio (objectName "plain_audio").
    QAction* plain_audio_action() const { return plain_audio_; }
    // The narrow CW filter ("cw_filter") and keep listening ("keep_listening").
    QAction* cw_filter_action() const { return cw_filter_; }
    QAction* keep_listening_action() const { return keep_listening_; }
    // The stations near the dial ("neighbours").
    QAction* neighbours_action() const { return neighbours_; }

    // The text of the INFO box.
    static QString info_text();

    // PanelView. Safe to call from any thread: calls from outside the panel's
    // thread are queued to it.
    void show_frequency(const std::string& text) override;
    void show_smeter(const std::string& text) override;
    void show_fine_steps(const std::string& down, const std::string& up) override;
    void show_memory(int index, const std::string& caption) override;
    void show_filter(const std::string& caption) override;
    // Once a session: a box saying that stations stay silent for want of their files.
    void show_file_errors(const std::vector<std::string>& errors) override;

  public slots:
    // One tick of the scan timer: a scan step while the scan is on and no modal
    // box is open.
    void scan_tick();

  signals:
    // The receiver has been shut down by OFF or the window's close box.
    void switched_off();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    // A checkable switch of the context menu that sets the receiver.
    QAction* add_switch(const char* caption, const char* name, void (*set)(Receiver&, bool));
    QPushButton* add_button(int id, const char* caption, int x, int y);
    QLabel* add_text(int id, const char* text, int x, int y, int w, int h);
    void set_caption(int id, const QString& text);
    void pressed(int id);
    void step(Receiver::Step s);
    void show_info();

    Receiver* rx_ = nullptr;
    QTimer scan_timer_;
    QAction* plain_audio_ = nullptr; // owned by the panel
    QAction* cw_filter_ = nullptr;
    QAction* keep_listening_ = nullptr;
    QAction* neighbours_ = nullptr;
    bool off_ = false;
    bool file_errors_shown_ = false;
};

} // namespace zenka
