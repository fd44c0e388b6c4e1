// SPDX-License-Identifier: MIT
#include "platform/form/startprogram.h"
#include "programidentity.h"
#include "window/form1.h"

int main(int argc, char** argv)
{
    return platform::runProgram<Form1>(argc, argv, programIdentity);
}
