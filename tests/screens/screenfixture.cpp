#include "screenfixture.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

ScreenFixture::ScreenFixture()
    : db(std::make_unique<TestDatabase>()), diz(std::make_unique<TDiz>()), screens(std::make_unique<ScreenSet>(diz.get()))
{
    db->openDataModule(*diz);
}

ScreenFixture::~ScreenFixture()
{
    screens.reset();
    diz.reset();
}

void ScreenFixture::reopenTables()
{
    diz->closeTables();
    diz->openTables();
}

ModalAnswerer::ModalAnswerer(int answer) : m_answer(answer), m_timer(new QTimer)
{
    QObject::connect(m_timer, &QTimer::timeout, [this] { poll(); });
    m_timer->start(10);
}

ModalAnswerer::~ModalAnswerer() { delete m_timer; }

void ModalAnswerer::poll()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal)
        return;
    if (auto *box = qobject_cast<QMessageBox *>(modal)) {
        texts << box->text();
        const int answer = answers.value(box->text(), m_answer);
        QAbstractButton *button = answer ? box->button(QMessageBox::StandardButton(answer)) : nullptr;
        if (!button)
            button = box->buttons().value(0);
        button->click();
    } else if (onDialog) {
        auto handler = onDialog;
        onDialog = nullptr; // once per appearance
        handler(modal);
    }
}

QWidget *fieldNamed(QWidget *window, const QString &accessibleName)
{
    for (QWidget *widget : window->findChildren<QWidget *>())
        if (widget->accessibleName() == accessibleName)
            return widget;
    return nullptr;
}
