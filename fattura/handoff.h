#pragma once

#include <QString>
#include <QUrl>

#include <functional>

class TDiz;

// The addresses of the transmission service on the local web server: the
// root (fourth line of ip.ini, "http://localhost" when missing), the
// script's path, then "?nome_file=" and for the sending scripts
// "&n_invio=". Query values are percent-encoded, so a plain file name and a
// number travel unchanged and any other text arrives whole.
enum class ServiceScript { MailSdi, MailSdiPa, ReadXml };

QString defaultWebRoot();
QUrl serviceAddress(const QString &webRoot, ServiceScript script, const QString &nomeFile, int idInvio = 0);

// Where the current invoice's FatturaPA file lies: the company's folder and
// the invoice's nome_file.
QString invoiceFilePath(const TDiz &diz);

// The sending address of the current invoice of Testata.
QUrl invoiceAddress(const TDiz &diz, ServiceScript script);

// "Invio Fatture al SDI": lists only the unsent invoices (inviata = 0),
// hands each one's address to open in list order, then lists every invoice
// again, positioned on the first.
void handOffUnsentInvoices(TDiz &diz, const std::function<void(const QUrl &)> &open);

// "Invio Carico": whether a received file of that name is already loaded
// in Testa_Car.
bool isPurchaseFileLoaded(TDiz &diz, const QString &nomeFile);
