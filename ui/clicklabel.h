// SPDX-FileCopyrightText: 2026 BRENLOQ developers <maintainers@brenloq.org>
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QAccessible>
#include <QLabel>
#include <QPointer>

class QFocusFrame;

namespace ui {

// A label that reports clicks, as the old screens' labels did. Its text is
// shown as written: captions come from files and folder names.
//
// Made keyboard-operable, it is reached by Tab (a click still leaves the
// focus where it was, so the mouse sees no change), Space and Enter act as a
// click, and the arrow keys move to the neighbouring operable label of the
// same parent and click it, as in a group of radio buttons. A screen reader
// sees it in the role given, with its accessible name and a press action.
// Its focus ring stands round it, not over its first letters.
class ClickLabel : public QLabel
{
    Q_OBJECT
public:
    explicit ClickLabel(QWidget *parent = nullptr, Qt::WindowFlags flags = {});
    explicit ClickLabel(const QString &text, QWidget *parent = nullptr, Qt::WindowFlags flags = {});
    ~ClickLabel() override;

    void setKeyboardOperable(QAccessible::Role role = QAccessible::Button);
    bool keyboardOperable() const { return operable; }
    QAccessible::Role accessibleRole() const { return role; }

    // What a click does.
    void click() { Q_EMIT clicked(); }

    // In the parent's coordinates: where the focus ring stands while the
    // label has the focus (empty otherwise), and where the text is drawn.
    QRect focusRingGeometry() const;
    QRect textGeometry() const;

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;

private:
    QPointer<QFocusFrame> ring;
    bool operable = false;
    QAccessible::Role role = QAccessible::StaticText;
};

} // namespace ui
