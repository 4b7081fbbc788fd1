// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace ui {
class Platform;
}

namespace player {

// The two display components the test window needs, shipped beside the player.
inline constexpr auto kGifComponent = "GIF89.DLL";
inline constexpr auto kRichTextComponent = "RICHTX32.OCX";

// Copies each component that is missing from the platform's system folder
// into it and starts its registration, but only when "GIF89.DLL" lies in
// `programFolder`. Nothing is reported: the start window works the same
// whether this succeeds or not.
void RegisterComponents(const QString &programFolder, ui::Platform &platform);

} // namespace player
