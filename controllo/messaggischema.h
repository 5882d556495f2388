#pragma once

#include <QString>

// The schema validator's English messages in the user's Italian: the
// common ones are reworded, any other keeps its text after an Italian
// heading.
namespace MessaggiSchema {
QString italian(const QString &message);
}
