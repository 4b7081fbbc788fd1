#pragma once

#include <QLabel>

namespace ui {

// A label that reports clicks, as the old screens' labels did. Its text is
// shown as written: captions come from files and folder names.
class ClickLabel : public QLabel
{
    Q_OBJECT
public:
    explicit ClickLabel(QWidget *parent = nullptr, Qt::WindowFlags flags = {});
    explicit ClickLabel(const QString &text, QWidget *parent = nullptr, Qt::WindowFlags flags = {});

Q_SIGNALS:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
};

} // namespace ui
