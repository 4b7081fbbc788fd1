// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace bank {

// The value of a text's leading number: blanks skipped, an optional sign,
// digits with "." as the decimal point. A text that does not start with a
// number gives 0. Every number read from a file line, caption or list entry
// goes through here.
double numericValue(const QString &text);

// A number as the player prints it into captions: a space standing for the
// sign of a positive number (" 15"), "-" for a negative one, "." as the
// decimal point.
QString numberText(double value);

} // namespace bank
