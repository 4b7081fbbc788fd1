#pragma once

#include <QByteArray>

namespace convert {

// A picture in any format Qt reads, as a JPEG; empty when it is none.
QByteArray toJpeg(const QByteArray &bytes);

} // namespace convert
