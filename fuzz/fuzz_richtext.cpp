// The help viewer's reader on arbitrary bytes: always some HTML, never a crash or a hang.
#include "toolkit/RichText.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray rtf(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    (void)orebell::richTextToHtml(rtf);
    return 0;
}
