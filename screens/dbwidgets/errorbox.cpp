#include "errorbox.h"

#include "apperror.h"

#include <QMessageBox>

void showError(QWidget *parent, const QString &message)
{
    QMessageBox::critical(parent, QStringLiteral("Errore"), message);
}

bool runShowingError(QWidget *parent, const std::function<void()> &action)
{
    try {
        action();
        return true;
    } catch (const AppError &error) {
        showError(parent, error.message());
    }
    return false;
}
