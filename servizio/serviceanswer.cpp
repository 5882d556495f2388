#include "serviceanswer.h"

QByteArray ServiceAnswer::html() const
{
    QString page = QStringLiteral("<!DOCTYPE html>\n<html lang=\"it\"><head><meta charset=\"utf-8\">"
                                  "<title>%1</title></head>\n<body>\n<h1>%1</h1>\n<p>%2</p>\n")
                       .arg(title.toHtmlEscaped(), message.toHtmlEscaped());
    if (!details.isEmpty()) {
        page += QStringLiteral("<ul>\n");
        for (const QString &detail : details)
            page += QStringLiteral("<li>%1</li>\n").arg(detail.toHtmlEscaped());
        page += QStringLiteral("</ul>\n");
    }
    page += QStringLiteral("</body></html>\n");
    return page.toUtf8();
}

ServiceAnswer ServiceAnswer::ok(const QString &title, const QString &message)
{
    return {200, title, message, {}};
}

ServiceAnswer ServiceAnswer::refused(int status, const QString &message, const QStringList &details)
{
    return {status, QStringLiteral("Operazione non eseguita"), message, details};
}
