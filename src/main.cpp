#include "shell/app.h"

int main(int argc, char *argv[])
{
    return RunKtcmt(argc, argv);
}
