#include "keypreview.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QWidget>

KeyPreview::KeyPreview(QWidget *form, std::function<bool(QKeyEvent *)> handler)
    : QObject(form), m_form(form), m_handler(std::move(handler))
{
    qApp->installEventFilter(this);
}

KeyPreview::~KeyPreview()
{
    if (qApp)
        qApp->removeEventFilter(this);
}

bool KeyPreview::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType())
        return false;
    auto *widget = static_cast<QWidget *>(watched);
    if (widget->window() != m_form || !m_form->isVisible())
        return false;
    return m_handler(static_cast<QKeyEvent *>(event));
}

bool KeyPreview::enterMovesFocus(QWidget *form, QKeyEvent *event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
        return false;
    QWidget *focus = form->focusWidget();
    if (!focus)
        return true;
    // The edit part of a drop-down or spin box moves as its owner.
    if (QWidget *owner = focus->parentWidget();
        owner && (qobject_cast<QComboBox *>(owner) || qobject_cast<QAbstractSpinBox *>(owner)))
        focus = owner;
    const bool backwards = event->modifiers().testFlag(Qt::ShiftModifier);
    QWidget *next = focus;
    // The next control in tab order that can take the focus, as Tab finds it.
    do {
        next = backwards ? next->previousInFocusChain() : next->nextInFocusChain();
    } while (next != focus
             && !(next->isVisibleTo(form) && next->isEnabled() && (next->focusPolicy() & Qt::TabFocus)
                  && next->window() == form && !next->focusProxy()
                  && !qobject_cast<QComboBox *>(next->parentWidget())));
    next->setFocus(backwards ? Qt::BacktabFocusReason : Qt::TabFocusReason);
    return true;
}
