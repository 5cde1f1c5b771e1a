// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/Forms.h"
#include "toolkit/Services.h"

int main(int argc, char** argv)
{
    numislot::toolkit::SystemServices services;
    return numislot::runApplication(argc, argv, services);
}
