// libFuzzer entry: the character file reader on any bytes. The sanitizers
// catch crashes and bad memory access; a broken promise aborts with its text.
#include "chara_file_properties.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QString fault = CharaFileFault(QByteArrayView(reinterpret_cast<const char *>(data), qsizetype(size)));
    if (!fault.isEmpty()) {
        std::fprintf(stderr, "character file fault: %s\n", fault.toUtf8().constData());
        std::abort();
    }
    return 0;
}
