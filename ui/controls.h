// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Helpers shared by every window: lengths in twips, colours in the packed
// blue-green-red form of the old banks' screens, control names, and indexed
// control families whose further members are copies of member 0.

#include <QColor>
#include <QIcon>
#include <QList>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QWidget>

#include <functional>

class QPainter;
class QScrollBar;

namespace ui {

inline constexpr int kTwipsPerPixel = 15;

constexpr int px(double twips)
{
    return static_cast<int>(twips >= 0 ? twips / kTwipsPerPixel + 0.5 : twips / kTwipsPerPixel - 0.5);
}
constexpr int twips(int pixels)
{
    return pixels * kTwipsPerPixel;
}

// Geometry in twips.
QRect rectTwips(double left, double top, double width, double height);
void setGeometryTwips(QWidget *widget, double left, double top, double width, double height);
int leftTwips(const QWidget *widget);
int topTwips(const QWidget *widget);
int widthTwips(const QWidget *widget);
int heightTwips(const QWidget *widget);
void setLeftTwips(QWidget *widget, double left);
void setTopTwips(QWidget *widget, double top);
void setWidthTwips(QWidget *widget, double width);
void setHeightTwips(QWidget *widget, double height);

// A colour written 0xBBGGRR.
QColor bgr(quint32 value);

inline const QColor kRed = bgr(0x0000FF);
inline const QColor kBlue = bgr(0xFF0000);
inline const QColor kGreen = bgr(0x00FF00);
inline const QColor kBlack = bgr(0x000000);
inline const QColor kWhite = bgr(0xFFFFFF);

void setBackColor(QWidget *widget, const QColor &color);
QColor backColor(const QWidget *widget);
void setForeColor(QWidget *widget, const QColor &color);
QColor foreColor(const QWidget *widget);
void setBold(QWidget *widget, bool bold);
bool isBold(const QWidget *widget);

// An icon drawn in code, antialiased: `draw` paints on a grid `grid` units
// square, once for each side in pixels.
QIcon drawnIcon(int grid, std::initializer_list<int> sides, const std::function<void(QPainter &)> &draw);

// Names a control for tests, screen readers and automation: its object name
// is its name ("Command2", "Label3(2)" for a family member), its accessible
// name the caption it carries or the one of the label naming it.
void nameControl(QWidget *widget, const QString &name, const QString &accessibleName = QString());
QString memberName(const QString &family, int index);

// Every label inside `window` shows its text as written, never as markup:
// captions come from files, folder names and the pupil, where "a<b" is a
// comparison and a file's tags must not reach the text layout. Called once
// the window's labels exist and before they get their texts; copies of a
// family's member 0 keep the setting.
void showPlainTexts(QWidget *window);

// Sets a caption taken from a folder name or a language file, shown as
// written: on a button (or a label with a buddy) "&" would otherwise mark a
// shortcut and vanish ("Física & Química" read "Física _Química" and took
// Alt+Space). The accessible name is the caption itself.
void setCaption(QWidget *control, const QString &caption);
// The caption as it was given to setCaption.
QString caption(const QWidget *control);

// A tooltip that shows `text` as written (tooltips have no plain mode, so the
// text goes in escaped).
void setPlainToolTip(QWidget *widget, const QString &text);

// Scroll bars whose "minimum" may lie above their "maximum", as a graphic's
// bars do when the graphic is smaller than its viewport: the left (top) end
// of the bar always stands for the "minimum". Large change 50; the value is
// set to the minimum without a change signal.
void setScrollRange(QScrollBar *bar, int minimum, int maximum);

// Centres a window on its screen, in whole twips with the remainder dropped.
void centreOnScreen(QWidget *window);

// A family of indexed controls sharing one handler. Member 0 is built by the
// window; load() creates further members as copies of it (geometry, font,
// colours and the like), hidden, and hands each to the family's set-up
// function so the window connects it to the shared handler with its index.
template <class T>
class ControlFamily
{
public:
    ControlFamily() = default;
    ControlFamily(QString familyName, T *first, std::function<void(T *, int)> setUp = {})
    {
        reset(std::move(familyName), first, std::move(setUp));
    }

    void reset(QString familyName, T *first, std::function<void(T *, int)> setUp = {})
    {
        name = std::move(familyName);
        members = {first};
        prepare = std::move(setUp);
        nameControl(first, memberName(name, 0), first->accessibleName());
        if (prepare)
            prepare(first, 0);
    }

    int count() const { return static_cast<int>(members.size()); }
    int last() const { return count() - 1; }
    bool exists(int index) const { return index >= 0 && index < count() && members[index]; }
    T *operator()(int index) const { return members.value(index); }
    T *operator[](int index) const { return members.value(index); }

    // Creates member `index` (the next one) as a hidden copy of member 0.
    T *load(int index)
    {
        Q_ASSERT(index == count());
        T *first = members.first();
        T *member = new T(first->parentWidget());
        copyProperties(first, member);
        member->setGeometry(first->geometry());
        member->hide();
        nameControl(member, memberName(name, index), first->accessibleName());
        members.append(member);
        if (prepare)
            prepare(member, index);
        return member;
    }

    // Removes every member above 0.
    void unloadAllButFirst()
    {
        while (members.size() > 1)
            delete members.takeLast();
    }

private:
    static void copyProperties(QObject *from, QObject *to);

    QString name;
    QList<QPointer<T>> members;
    std::function<void(T *, int)> prepare;
};

void copyWidgetProperties(QObject *from, QObject *to);

template <class T>
void ControlFamily<T>::copyProperties(QObject *from, QObject *to)
{
    copyWidgetProperties(from, to);
}

} // namespace ui
