// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "components.h"
#include "form1.h"

int main(int argc, char *argv[])
{
    const ui::ProgramInfo info{QStringLiteral("INSTALAR BRENLOQ"), QString(), installer::startupTexts, QStringLiteral("es")};
    return ui::runProgram(argc, argv, info, [] { return new installer::Form1; });
}
