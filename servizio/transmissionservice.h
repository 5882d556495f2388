#pragma once

#include "invoicecheck.h"
#include "serviceanswer.h"
#include "servicesettings.h"

#include <QHttpServer>
#include <QObject>
#include <QThreadPool>

class QHttpServerRequest;

// The web server the desk opens its addresses on: loopback only, one
// worker thread per request in flight, so a burst of addresses from
// "Invio Fatture al SDI" is taken whole while each invoice still goes out
// once.
//   /Fatt_Ven/mail_sdi.php, /Fatt_Ven/mail_sdi_pa.php   ?nome_file=N&n_invio=I
//   /Fatt_Acq/read_xml.php                              ?nome_file=N
class TransmissionService : public QObject
{
    Q_OBJECT
public:
    explicit TransmissionService(const ServiceSettings &settings, QObject *parent = nullptr);
    ~TransmissionService() override;

    // The check every file must pass before it is mailed (none by default).
    void setInvoiceCheck(InvoiceCheck check);

    // Listens on 127.0.0.1 at the settings' port (0: any free port);
    // returns the port, or throws AppError.
    quint16 listen();

    // Whether a request may act: it must come from this machine, name this
    // machine as its host, and not be sent by another web site's page.
    static std::optional<ServiceAnswer> refusal(const QHttpServerRequest &request);

private:
    QHttpServerResponse respond(const ServiceAnswer &answer) const;

    ServiceSettings m_settings;
    InvoiceCheck m_check;
    QHttpServer m_server;
    QThreadPool m_workers;
};
