// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The Gift reader on arbitrary bytes; the expectations are in interchangechecks.h.

#include "interchangechecks.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QString failure = fuzzchecks::checkGift(bytes);
    if (!failure.isEmpty()) {
        std::fprintf(stderr, "expectation failed: %s\n", qPrintable(failure));
        std::abort();
    }
    return 0;
}
