#include "clicklabel.h"

#include <QMouseEvent>

namespace ui {

ClickLabel::ClickLabel(QWidget *parent, Qt::WindowFlags flags)
    : QLabel(parent, flags)
{
    setTextFormat(Qt::PlainText);
}

ClickLabel::ClickLabel(const QString &text, QWidget *parent, Qt::WindowFlags flags)
    : ClickLabel(parent, flags)
{
    setText(text);
}

void ClickLabel::mouseReleaseEvent(QMouseEvent *event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        Q_EMIT clicked();
}

} // namespace ui
