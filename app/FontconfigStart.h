#pragma once
#include <thread>

namespace kazemaru {

// Reads fontconfig's configuration and its list of fonts on a second thread while Qt connects to
// the display. The configuration is some thirty files read once per program; without this, the
// first label the contents screen measures waits for them. Made before the QApplication; wait()
// once the QApplication exists and before any text is measured.
class FontconfigStart {
  public:
    FontconfigStart();
    ~FontconfigStart();
    FontconfigStart(const FontconfigStart&) = delete;
    FontconfigStart& operator=(const FontconfigStart&) = delete;

    void wait();

  private:
    std::thread reader_;
};

} // namespace kazemaru
