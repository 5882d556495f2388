#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// What the service answers to one request: an HTTP status and an Italian
// page telling what happened. Every text is escaped when the page is made.
struct ServiceAnswer
{
    int status = 200;
    QString title;
    QString message;
    QStringList details; // listed under the message (problems, server's reply)

    bool succeeded() const { return status == 200; }
    QByteArray html() const;

    static ServiceAnswer ok(const QString &title, const QString &message);
    static ServiceAnswer refused(int status, const QString &message, const QStringList &details = {});
};
