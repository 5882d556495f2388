#pragma once

#include <QDialog>

#include <memory>

class TDiz;

namespace Ui {
class Tanag_az;
}

// The company data ("D A T I   A Z I E N D A"): the fields of the one
// company row, stored only through the navigator's post.
class Tanag_az : public QDialog
{
    Q_OBJECT
public:
    explicit Tanag_az(TDiz *diz, QWidget *parent = nullptr);
    ~Tanag_az() override;

private:
    std::unique_ptr<Ui::Tanag_az> ui;
};
