// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controls.h"

#include <QGuiApplication>
#include <QAbstractButton>
#include <QLabel>
#include <QMetaProperty>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QScrollBar>
#include <QTextDocument>

namespace ui {

QRect rectTwips(double left, double top, double width, double height)
{
    return QRect(px(left), px(top), std::max(0, px(width)), std::max(0, px(height)));
}

void setGeometryTwips(QWidget *widget, double left, double top, double width, double height)
{
    widget->setGeometry(rectTwips(left, top, width, height));
}

int leftTwips(const QWidget *widget) { return twips(widget->x()); }
int topTwips(const QWidget *widget) { return twips(widget->y()); }
int widthTwips(const QWidget *widget) { return twips(widget->width()); }
int heightTwips(const QWidget *widget) { return twips(widget->height()); }

void setLeftTwips(QWidget *widget, double left) { widget->move(px(left), widget->y()); }
void setTopTwips(QWidget *widget, double top) { widget->move(widget->x(), px(top)); }
void setWidthTwips(QWidget *widget, double width) { widget->resize(std::max(0, px(width)), widget->height()); }
void setHeightTwips(QWidget *widget, double height) { widget->resize(widget->width(), std::max(0, px(height))); }

QColor bgr(quint32 value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

void setBackColor(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, color);
    palette.setColor(QPalette::Button, color);
    palette.setColor(QPalette::Base, color);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

QColor backColor(const QWidget *widget)
{
    return widget->palette().color(QPalette::Button);
}

void setForeColor(QWidget *widget, const QColor &color)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, color);
    palette.setColor(QPalette::ButtonText, color);
    palette.setColor(QPalette::Text, color);
    widget->setPalette(palette);
}

QColor foreColor(const QWidget *widget)
{
    return widget->palette().color(QPalette::WindowText);
}

void setBold(QWidget *widget, bool bold)
{
    QFont font = widget->font();
    font.setBold(bold);
    widget->setFont(font);
}

bool isBold(const QWidget *widget)
{
    return widget->font().bold();
}

QIcon drawnIcon(int grid, std::initializer_list<int> sides, const std::function<void(QPainter &)> &draw)
{
    QIcon icon;
    for (const int side : sides) {
        QPixmap picture(side, side);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(double(side) / grid, double(side) / grid);
        draw(painter);
        painter.end();
        icon.addPixmap(picture);
    }
    return icon;
}

QString memberName(const QString &family, int index)
{
    return family + u'(' + QString::number(index) + u')';
}

void nameControl(QWidget *widget, const QString &name, const QString &accessibleName)
{
    widget->setObjectName(name);
    if (!accessibleName.isEmpty())
        widget->setAccessibleName(accessibleName);
}

void showPlainTexts(QWidget *window)
{
    const auto labels = window->findChildren<QLabel *>();
    for (QLabel *label : labels)
        label->setTextFormat(Qt::PlainText);
}

namespace {
bool takesShortcut(const QWidget *control)
{
    if (qobject_cast<const QAbstractButton *>(control))
        return true;
    const auto *label = qobject_cast<const QLabel *>(control);
    return label && label->buddy();
}
} // namespace

void setCaption(QWidget *control, const QString &caption)
{
    QString shown = caption;
    if (takesShortcut(control))
        shown.replace(u'&', QStringLiteral("&&"));
    if (auto *button = qobject_cast<QAbstractButton *>(control))
        button->setText(shown);
    else if (auto *label = qobject_cast<QLabel *>(control))
        label->setText(shown);
    control->setAccessibleName(caption);
}

QString caption(const QWidget *control)
{
    QString shown;
    if (const auto *button = qobject_cast<const QAbstractButton *>(control))
        shown = button->text();
    else if (const auto *label = qobject_cast<const QLabel *>(control))
        shown = label->text();
    if (takesShortcut(control))
        shown.replace(QStringLiteral("&&"), QStringLiteral("&"));
    return shown;
}

void setPlainToolTip(QWidget *widget, const QString &text)
{
    widget->setToolTip(text.isEmpty() ? QString() : Qt::convertFromPlainText(text, Qt::WhiteSpaceNormal));
}

void setScrollRange(QScrollBar *bar, int minimum, int maximum)
{
    const QSignalBlocker blocker(bar);
    bar->setPageStep(50);
    bar->setRange(std::min(minimum, maximum), std::max(minimum, maximum));
    bar->setInvertedAppearance(minimum > maximum);
    bar->setInvertedControls(minimum > maximum);
    bar->setValue(minimum);
}

void centreOnScreen(QWidget *window)
{
    const QScreen *screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const int left = (twips(area.width()) - twips(window->width())) / 2;
    const int top = (twips(area.height()) - twips(window->height())) / 2;
    window->move(area.x() + px(left), area.y() + px(top));
}

void copyWidgetProperties(QObject *from, QObject *to)
{
    // What a copy of member 0 takes over: its look, not its identity or state.
    static const char *const kCopied[] = {
        "font", "palette", "autoFillBackground", "styleSheet", "enabled", "alignment",
        "wordWrap", "textFormat", "frameShape", "frameShadow", "cursor", "focusPolicy", "sizePolicy",
        "minimumSize", "maximumSize", "flat", "checkable", "autoDefault",
        "selectionMode", "editable", "insertPolicy", "sizeAdjustPolicy", "toolTip",
        "horizontalScrollBarPolicy", "verticalScrollBarPolicy",
    };
    const QMetaObject *meta = from->metaObject();
    for (const char *name : kCopied) {
        const int index = meta->indexOfProperty(name);
        if (index < 0)
            continue;
        const QMetaProperty property = meta->property(index);
        if (property.isWritable())
            to->setProperty(name, from->property(name));
    }
}

} // namespace ui
