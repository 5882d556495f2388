#pragma once

#include <QWidget>

class DataSource;
class QToolButton;
class TableComponent;

// The record navigator: buttons that move in, edit and refresh a data
// source's rows. Which buttons show is chosen per screen; delete asks
// first; every failure shows the data layer's message.
class DBNavigator : public QWidget
{
    Q_OBJECT
public:
    enum Button {
        First = 0x1,
        Prior = 0x2,
        Next = 0x4,
        Last = 0x8,
        Insert = 0x10,
        Delete = 0x20,
        Edit = 0x40,
        Post = 0x80,
        Cancel = 0x100,
        Refresh = 0x200,
        All = 0x3ff
    };
    Q_DECLARE_FLAGS(Buttons, Button)

    explicit DBNavigator(QWidget *parent = nullptr);

    void setDataSource(DataSource *source);
    void setButtons(Buttons buttons);
    static Buttons allBut(Button button) { return Buttons(All) & ~Buttons(button); }
    QToolButton *button(Button which) const;
    // The question asked before deleting.
    static QString deleteQuestion() { return QStringLiteral("Eliminare il record?"); }

private:
    void press(Button which);
    void updateEnabled();

    TableComponent *m_dataSet = nullptr;
    QList<QToolButton *> m_buttons; // in the order of Button's bits
};

Q_DECLARE_OPERATORS_FOR_FLAGS(DBNavigator::Buttons)
