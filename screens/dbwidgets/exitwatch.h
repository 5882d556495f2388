#pragma once

#include <functional>

class QWidget;

// Calls handler whenever the focus leaves widget (a drop-down opening its
// own list does not count): the "exit" event of an entry field.
void onExit(QWidget *widget, std::function<void()> handler);
