#pragma once

#include "screenset.h"
#include "tdiz.h"
#include "testdatabase.h"

#include <QMap>
#include <QStringList>

#include <functional>
#include <memory>

class QMessageBox;
class QWidget;

// A store of its own, the data module connected to it and every screen of
// the program created as at start-up.
struct ScreenFixture
{
    ScreenFixture();
    ~ScreenFixture();

    std::unique_ptr<TestDatabase> db;
    std::unique_ptr<TDiz> diz;
    std::unique_ptr<ScreenSet> screens;

    void reopenTables();
};

// Answers the message boxes that appear while an action runs: each is
// recorded by its text and answered with the button given (Yes, No or the
// box's only button). Other modal windows are handed to onDialog.
class ModalAnswerer
{
public:
    explicit ModalAnswerer(int answer = 0);
    ~ModalAnswerer();

    QStringList texts;
    // Answers by the box's text, where it differs from the usual one.
    QMap<QString, int> answers;
    std::function<void(QWidget *)> onDialog;

private:
    void poll();
    int m_answer;
    class QTimer *m_timer;
};

// The widget with this accessible name inside a window.
QWidget *fieldNamed(QWidget *window, const QString &accessibleName);
