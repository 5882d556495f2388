#pragma once

#include "reportlayout.h"
#include "reportpage.h"

#include <QList>
#include <QObject>
#include <QString>

#include <memory>

class QPrinter;
class QWidget;
class ReportLabels;
class TDiz;

// The report form: the printed invoice QR1 (current row of Testata, the
// company of AziendaT, the lines in Detta) and the printed purchase invoice
// QR2 (current row of Testa_Car, AziendaT as addressee, its lines in
// Detta_Car). Created once at start-up; it keeps the printer settings for
// the whole run.
class TSt_Fatt : public QObject
{
    Q_OBJECT
public:
    explicit TSt_Fatt(TDiz *diz, QObject *parent = nullptr);
    ~TSt_Fatt() override;

    ReportLayout QR1;
    ReportLayout QR2;

    // The pages of each layout for the current rows. AppError when a band
    // handler fails (a data_doc that is not a date, on QR1).
    QList<ReportPage> buildQR1();
    QList<ReportPage> buildQR2();

    // The preview window, modal; printing and "Salva PDF" from there.
    void previewQR1(QWidget *parent = nullptr);
    void previewQR2(QWidget *parent = nullptr);

    // The same pages straight into a PDF file, without any window.
    void writeQR1Pdf(const QString &fileName);
    void writeQR2Pdf(const QString &fileName);

    // The printer the previews print on, made at the first preview.
    QPrinter &printer();

    // Band handlers.
    void QRBand10BeforePrint(ReportLabels &labels); // QRLabel84: "/ " and the year of data_doc
    void QRBand12BeforePrint(ReportLabels &labels); // imponib, iva: sums of the VAT slots; the withholding
    void QRBand3BeforePrint(ReportLabels &labels);  // imp_lordo1, spese1, imponib1, iva1

private:
    void readWithholding();

    TDiz *m_diz;
    // "Ritenuta d'acconto" and "Netto a pagare" of the current invoice, in
    // Italian form; empty without withholding.
    QString m_withholding, m_netToPay;
    std::unique_ptr<QPrinter> m_printer;
};
