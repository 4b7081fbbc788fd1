// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

// No include guard on purpose: each header of checks includes this, and
// undefines the macro at its end so that it does not reach the harnesses.

// Returns the failed expectation's text from a check function.
#ifndef BRENLOQ_EXPECT
#define BRENLOQ_EXPECT(condition) \
    do { \
        if (!(condition)) \
            return QStringLiteral(#condition); \
    } while (false)
#endif
