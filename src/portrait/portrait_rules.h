// Portrait pictures: which stored names may be opened, and loading a picture
// file under the file error prompt. Plain functions (no widgets), shared by
// the portrait window and the sheet window's portrait box.
#pragma once

#include <QImage>
#include <QString>

// Codes a picture load fails with besides the file error codes of the
// operating system: the file is there but is no picture that can be read.
inline constexpr int PictureNotReadable = 481;
inline constexpr int PictureNotFound = 53;

// The portrait folder beside the program: AppPath/Characters/Portraits.
QString PortraitFolder();

// True when name is a bare file name that stays inside the portrait folder.
// A name from a character file is anyone's text: a folder separator ("/" or
// "\"), a drive or stream colon, a name of dots only ("." or ".."), an
// absolute path or a control character makes it unsafe, and it is then
// treated as a picture that is not there. "" is no picture at all (false).
bool IsSafePortraitName(const QString &name);

// folder + separator + name, as the prompt shows it.
QString PortraitPath(const QString &folder, const QString &name);

// One load of the picture name in folder: 0 and the picture in out, or the
// failure's code (53 for a missing file or an unsafe name, which is never
// opened; 481 for a file that is there but does not decode; otherwise the
// file error code of the operating-system failure). out is untouched on failure.
// fileBytes, when given, receives the file's own bytes on success.
int LoadPortrait(const QString &folder, const QString &name, QImage &out, QByteArray *fileBytes = nullptr);

// Loads under the file error prompt: each failure is reported with
// promptPath (PortraitPath(folder, name) when empty) and retried or given up
// as the user answers. True with the picture in out, false when given up.
// The unexpected branch's いいえ ends the program and does not return.
bool LoadPortraitWithPrompt(const QString &folder, const QString &name, QImage &out,
                            const QString &promptPath = QString());
