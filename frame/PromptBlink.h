#pragma once
// The blinking prompt line of every screen.
class QString;
class QTimer;

namespace kazemaru {

class Label;

namespace test {
struct Probe; // tests/support/Probe.h
}

// Blinks a prompt line: shown 500 ms, hidden 50 ms, shown again, then the timer stops.
// Shared by the lesson screens and the contents screen.
class PromptBlink {
  public:
    PromptBlink(Label* line, QTimer* timer)
        : line_(line)
        , timer_(timer)
    {
    }
    void start(const QString& text); // a running blink keeps its period; only its count restarts
    void tick();

  private:
    friend struct test::Probe; // the tests read the count; the program never needs it
    int ticks() const { return ticks_; }

    Label* line_;
    QTimer* timer_;
    int ticks_ = 0;
};

} // namespace kazemaru
