#pragma once

#include <QString>

#include <functional>

class QWidget;

// Runs an action of the data layer and shows its failure, if any, in a
// message box over parent. Returns whether the action completed.
bool runShowingError(QWidget *parent, const std::function<void()> &action);
void showError(QWidget *parent, const QString &message);
