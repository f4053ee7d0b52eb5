// The retry-or-skip prompt that every file step reports its failure through.
#pragma once

#include <QString>

struct PromptText {
    QString title;
    QString text; // two lines joined by "\r"
};

// The box's title and text for a failure of the file at path with a file
// error code (53 file not found, 76 path not found, 68 device unavailable,
// 71 disk not ready, 70 permission denied, 75 path or file access error;
// any other code is unexpected).
PromptText FileErrorPromptText(const QString &path, int code);

// Shows the prompt and returns what the caller does next: false repeats the
// failed step, true goes on with the following step. For an unexpected code
// the answer いいえ ends the program and the call does not return.
bool FileErrorPrompt(const QString &path, int code);
