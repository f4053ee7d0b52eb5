// The file steps that the character file and the character list share: one
// open descriptor, each step run under FileErrorPrompt, open, close and
// reading a whole file.
#pragma once

#include <QByteArray>
#include <QString>
#include "shell/file_error_prompt.h"

// Code 52: the step's file is not open because its open step was skipped.
constexpr int FileNotOpen = 52;

// The open descriptor of one file step sequence; closed on every way out.
struct Descriptor {
    int fd = -1;
    Descriptor() = default;
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    ~Descriptor();
};

// Runs one file step under the prompt: a step returns 0 or a file error
// code; the prompt's answer repeats the step or moves on to the next one.
template <class Step>
void RunStep(const QString &path, Step step)
{
    for (;;) {
        const int code = step();
        if (code == 0 || FileErrorPrompt(path, code))
            return;
    }
}

// Opens path with flags (O_CLOEXEC added; a created file gets mode 0666 less
// the umask) into d; 0 or a file error code. A folder is refused.
int OpenStep(const QString &path, int flags, Descriptor &d);

// Closes d's descriptor; 0 or a file error code. The descriptor is released
// even when close() reports a failure, so a repeated close step passes.
int CloseStep(const QString &path, Descriptor &d);

// Reads the whole file through fd from its start; 0 or an errno value.
int ReadAll(int fd, QByteArray &out);
