#include "app/FontconfigStart.h"

#include <fontconfig/fontconfig.h>
#include <system_error>

namespace kazemaru {

FontconfigStart::FontconfigStart()
{
    // fontconfig is thread-safe; Qt's own FcInit() later finds the configuration made. Without a
    // thread to spare, Qt reads it itself when the first text is measured, as it always did.
    try {
        reader_ = std::thread([] { FcInit(); });
    } catch (const std::system_error&) {
    }
}

FontconfigStart::~FontconfigStart()
{
    wait();
}

void FontconfigStart::wait()
{
    if (reader_.joinable()) reader_.join();
}

} // namespace kazemaru
