#include "import/sourcedocument.h"

#include "import/sourcevalue.h"

bool SourceDocument::isForeign() const
{
    return registerCode == u"FI" || registerCode == u"NI";
}

bool SourceDocument::isDeferred() const
{
    return registerCode == u"FD";
}

SourceDocument SourceDocument::read(SourceTable &header, const QString &deskTitle)
{
    SourceDocument document;
    document.registerCode = SourceValue::text(header, QStringLiteral("reg_doc"));
    document.sourceNumber = SourceValue::integerText(header, QStringLiteral("num_doc"));
    document.numberText = document.sourceNumber;
    // Numbers of every desk but "A" carry the desk's title.
    if (deskTitle != u"A")
        document.numberText += QStringLiteral(" /") + deskTitle;
    const bool creditNote = document.registerCode == u"NC" || document.registerCode == u"NI";
    document.typeCode = creditNote ? QStringLiteral("TD04") : QStringLiteral("TD01");
    if (document.isForeign())
        document.numberText = document.registerCode + QLatin1Char(' ') + document.numberText;
    return document;
}
