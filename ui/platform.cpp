// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform.h"

#include "desktopplatform.h"

namespace ui {

namespace {
std::unique_ptr<Platform> &current()
{
    static std::unique_ptr<Platform> instance;
    return instance;
}
} // namespace

Platform &platform()
{
    auto &instance = current();
    if (!instance)
        instance = std::make_unique<DesktopPlatform>();
    return *instance;
}

void setPlatform(std::unique_ptr<Platform> platform)
{
    current() = std::move(platform);
}

MessageAnswer message(QWidget *parent, const QString &text, const QString &title,
                      MessageButtons buttons)
{
    return platform().message(parent, text, title, buttons);
}

} // namespace ui
