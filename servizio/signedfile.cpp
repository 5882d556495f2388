#include "signedfile.h"

#include "apperror.h"

#include <QList>

#include <openssl/bio.h>
#include <openssl/cms.h>

#include <memory>

namespace {
struct OpenSslDeleter
{
    void operator()(BIO *bio) const { BIO_free(bio); }
    void operator()(CMS_ContentInfo *cms) const { CMS_ContentInfo_free(cms); }
};

std::unique_ptr<CMS_ContentInfo, OpenSslDeleter> parseDer(const QByteArray &der)
{
    std::unique_ptr<BIO, OpenSslDeleter> in(BIO_new_mem_buf(der.constData(), int(der.size())));
    return std::unique_ptr<CMS_ContentInfo, OpenSslDeleter>(d2i_CMS_bio(in.get(), nullptr));
}
} // namespace

namespace SignedFile {

QByteArray content(const QByteArray &envelope)
{
    auto cms = parseDer(envelope);
    if (!cms) {
        // Many signing tools write the envelope as base64 text, in lines,
        // some between PEM armour lines.
        QByteArray base64;
        for (const QByteArray &line : envelope.split('\n'))
            if (!line.trimmed().startsWith("-----"))
                base64 += line.trimmed();
        const QByteArray der = QByteArray::fromBase64(base64);
        if (!der.isEmpty())
            cms = parseDer(der);
    }
    if (!cms)
        throw AppError(QStringLiteral("Il file firmato non è una busta CMS (p7m) leggibile"));
    ASN1_OCTET_STRING **inner = CMS_get0_content(cms.get());
    if (!inner || !*inner)
        throw AppError(QStringLiteral("Il file firmato non contiene la fattura (firma staccata)"));
    return QByteArray(reinterpret_cast<const char *>(ASN1_STRING_get0_data(*inner)), ASN1_STRING_length(*inner));
}

} // namespace SignedFile
