// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// How the editor window's files make its controls: lengths in screen pixels
// kept in twips, panel colours, and controls named for tests and screen
// readers.

#include "ui/controls.h"

#include <QColor>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QString>
#include <QWidget>

namespace editor {

inline void place(QWidget *widget, int x, int y, int width, int height)
{
    ui::setGeometryTwips(widget, ui::twips(x), ui::twips(y), ui::twips(width), ui::twips(height));
}

// The window and the panels colour only their own background: a text box
// or list inside keeps its white.
inline void setPanelColor(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

inline QColor panelColor(const QWidget *widget)
{
    return widget->palette().color(QPalette::Window);
}

inline QLabel *makeLabel(const QString &name, const QString &caption, QWidget *parent)
{
    auto *label = new QLabel(caption, parent);
    ui::nameControl(label, name, caption);
    return label;
}

inline QPushButton *makeButton(const QString &name, const QString &caption, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    ui::nameControl(button, name, caption);
    return button;
}

template <class T>
T *makeBox(const QString &name, const QString &caption, QWidget *parent)
{
    auto *box = new T(parent);
    ui::nameControl(box, name, caption);
    return box;
}

} // namespace editor
