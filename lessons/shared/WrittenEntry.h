#pragma once
// The answer of a written calculation entered through digit selectors, one choice at a time:
// each choice gives an outcome that tells the screen what to do next.
#include <QString>
#include <optional>

namespace kazemaru::written {

// A prompt after a choice: blinked, or only set in the prompt line.
struct EntryPrompt {
    QString text;
    bool blink = true;
};

// What a choice does to the screen besides the figure.
struct EntryOutcome {
    bool taken = false;            // the choice counted
    std::optional<unsigned> setUp; // the selectors are set up again, opening those this code names
    EntryPrompt prompt;            // shown when its text is not empty
    bool judged = false;           // the answer is complete, and judged
    bool right = false;

    // A choice that counted and did not judge is heard as a digit.
    bool cue() const { return taken && !judged; }
};

// An entry in progress; each kind of written calculation adds its own choices.
class Entry {
  public:
    virtual ~Entry() = default;
    virtual QString firstPrompt() const = 0;
    // The selectors open for the first choice, in the code of EntryOutcome::setUp.
    virtual unsigned firstOpen() const = 0;
};

} // namespace kazemaru::written
