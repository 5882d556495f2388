#pragma once

#include <QObject>

#include <functional>

class QKeyEvent;
class QWidget;

// Lets a screen see every key typed in any of its controls before the
// control does, as a form with key preview. The handler returns true to
// discard the key.
class KeyPreview : public QObject
{
    Q_OBJECT
public:
    KeyPreview(QWidget *form, std::function<bool(QKeyEvent *)> handler);
    ~KeyPreview() override;

    // The usual handler of the data-entry screens: Enter moves the focus
    // as Tab does (Shift+Enter backwards) and is discarded.
    static bool enterMovesFocus(QWidget *form, QKeyEvent *event);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QWidget *m_form;
    std::function<bool(QKeyEvent *)> m_handler;
};
