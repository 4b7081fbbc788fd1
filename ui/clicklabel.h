#pragma once

#include <QLabel>

namespace ui {

// A label that reports clicks, as the old screens' labels did.
class ClickLabel : public QLabel
{
    Q_OBJECT
public:
    using QLabel::QLabel;

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

} // namespace ui
