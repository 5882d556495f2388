#include "exitwatch.h"

#include <QEvent>
#include <QFocusEvent>
#include <QWidget>

namespace {
class ExitWatch : public QObject
{
public:
    ExitWatch(QWidget *widget, std::function<void()> handler) : QObject(widget), m_handler(std::move(handler))
    {
        widget->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::FocusOut
            && static_cast<QFocusEvent *>(event)->reason() != Qt::PopupFocusReason)
            m_handler();
        return false;
    }

private:
    std::function<void()> m_handler;
};
} // namespace

void onExit(QWidget *widget, std::function<void()> handler) { new ExitWatch(widget, std::move(handler)); }
