#pragma once

#include <QStringList>

// The columns the program expects in the management program's tables
// testata and dettag, in their declared order, and the calculated columns
// it adds to every row read.
QStringList managementHeaderColumns();
QStringList managementHeaderCalcColumns();
QStringList managementLineColumns();
QStringList managementLineCalcColumns();
