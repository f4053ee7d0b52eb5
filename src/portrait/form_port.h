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
    void TimerPort_Timer();

    KFileList *FilePL;
    KPicture *ImagePort;
    KTimer *TimerPort;
};
