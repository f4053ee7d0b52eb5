#pragma once

#include "shell/forms.h"

class KFileList;
class KPicture;
class KTimer;

class FormPort : public ChildForm {
    Q_OBJECT
public:
    FormPort();
    void Form_Load() override;
    void FilePL_Click();
    void ImagePort_Click();
    void TimerPort_Timer();

    KFileList *FilePL;
    KPicture *ImagePort;
    KTimer *TimerPort;
};

// Shows the picture name of folder in pic, stretched, under the file error
// prompt (promptPath names the file there; folder + name when empty). Giving
// up leaves pic as it was and returns false.
bool ShowPortraitFile(KPicture *pic, const QString &folder, const QString &name,
                      const QString &promptPath = QString());
