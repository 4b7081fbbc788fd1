// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QByteArray>

namespace convert {

// A picture in any format Qt reads, as a JPEG; empty when it is none.
QByteArray toJpeg(const QByteArray &bytes);

} // namespace convert
